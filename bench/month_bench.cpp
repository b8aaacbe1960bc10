// SPDX-License-Identifier: GPL-3.0-or-later
// Whole game months run headless for nation 9, the player ending every step
// at once with the end-of-turn command while the computer's nations besiege
// each other: how many months a second the model runs, and (under callgrind,
// collecting in runMonth) what one month costs. bench/callgrind_months.py
// counts the same months through the script driver.

#include <benchmark/benchmark.h>

#include "screens/program.h"

namespace {

// One month from count1 -1 to the month's close: 35 territory steps and the
// two closing ticks, sieges included. False if the player's step could not
// be ended.
[[gnu::noinline]] bool runMonth(Program& program) {
  MainScreen& ma1 = program.ma1();
  do {
    program.advance(500);
    if (!ma1.Timer1.enabled() && !ma1.Timer2.enabled() && !program.ma5.loaded()) {
      program.click(ma1.Command9);
      if (!ma1.Timer2.enabled()) return false;
    }
  } while (ma1.count1.caption() != "-1");
  return true;
}

void Months(benchmark::State& state) {
  Program program;
  program.seed(1);
  program.ma1().mm.setCaption("9");
  // 800 soldiers keep every attacker away from the player's territory, so no
  // defence battle waits for a player who only ends steps.
  program.da3().f(12).setCaption("800");
  program.ma1.show();
  for (auto _ : state)
    if (!runMonth(program)) {
      state.SkipWithError("the end of turn did not hand the step back");
      break;
    }
  state.counters["months/s"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
  state.counters["game ms/month"] = program.now() / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(Months)->Unit(benchmark::kMicrosecond);
// A fixed count for callgrind.
BENCHMARK(Months)->Iterations(120)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

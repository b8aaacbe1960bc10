// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a game fifty game-years in: nation 9's player ends every
// step at once while the computer's nations fight over the continent, as in
// month_bench.cpp. Reports the size of the file beside the times.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "screens/program.h"
#include "ui/save_game.h"

namespace {

// The game after `months` months: Timer1 and Timer2 run the steps, the
// player's own are ended with the end-of-turn command.
const std::string& fiftyYearsIn() {
  static const std::string text = [] {
    Program program;
    program.seed(1);
    program.ma1().mm.setCaption("9");
    program.da3().f(12).setCaption("800");
    program.ma1.show();
    MainScreen& ma1 = program.ma1();
    for (int month = 0; month < 50 * 12; ++month) {
      do {
        program.advance(500);
        if (!ma1.Timer1.enabled() && !ma1.Timer2.enabled() && !program.ma5.loaded())
          program.click(ma1.Command9);
      } while (ma1.count1.caption() != "-1");
    }
    // The calendar has run fifty years on from 1230.
    if (ma1.Label10.caption() != "1280") std::abort();
    return ui::saveGame(program);
  }();
  return text;
}

void Save(benchmark::State& state) {
  Program program;
  ui::loadGame(program, fiftyYearsIn());
  for (auto _ : state) benchmark::DoNotOptimize(ui::saveGame(program));
  state.counters["file bytes"] = static_cast<double>(fiftyYearsIn().size());
}

void Load(benchmark::State& state) {
  Program program;
  for (auto _ : state) ui::loadGame(program, fiftyYearsIn());
  state.counters["file bytes"] = static_cast<double>(fiftyYearsIn().size());
}

}  // namespace

BENCHMARK(Save)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

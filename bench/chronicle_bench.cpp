// SPDX-License-Identifier: GPL-3.0-or-later
// The chronicle after fifty seeded game-years: what the record adds to the
// saved game (lines, bytes, the time to write them), what it holds in memory,
// and how long the chronicle window takes to open on it.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt/chronicle_window.h"
#include "screens/program.h"

namespace {

// Nation 9 ending every step at once, kept safe by 800 soldiers, while the
// computer's nations fight for fifty years.
Program& fiftyYears() {
  static Program* program = [] {
    auto* p = new Program;
    p->seed(1);
    p->ma1().mm.setCaption("9");
    p->da3().f(12).setCaption("800");
    p->ma1.show();
    MainScreen& ma1 = p->ma1();
    while (p->record.months().size() < 600 && !p->ended()) {
      p->advance(500);
      if (!ma1.Timer1.enabled() && !ma1.Timer2.enabled() && !p->ma5.loaded())
        p->click(ma1.Command9);
    }
    return p;
  }();
  return *program;
}

void RecordSaveLines(benchmark::State& state) {
  const chronicle::Record& record = fiftyYears().record;
  std::size_t bytes = 0, lines = 0;
  for (auto _ : state) {
    const std::vector<std::string> saved = record.saveLines();
    lines = saved.size();
    bytes = 0;
    for (const std::string& line : saved) bytes += line.size() + 1;
    benchmark::DoNotOptimize(bytes);
  }
  std::size_t memory = record.months().capacity() * sizeof(chronicle::Month) +
                       record.events().capacity() * sizeof(chronicle::Event);
  for (const chronicle::Event& e : record.events())
    if (e.text.capacity() > 15) memory += e.text.capacity() + 1;
  state.counters["months"] = static_cast<double>(record.months().size());
  state.counters["events"] = static_cast<double>(record.events().size());
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["KB saved"] = bytes / 1024.0;
  state.counters["KB in memory"] = memory / 1024.0;
}

void ChronicleWindowOpens(benchmark::State& state) {
  Program& program = fiftyYears();
  for (auto _ : state) {
    qtview::ChronicleWindow* window = qtview::ChronicleWindow::open(program.record);
    QCoreApplication::processEvents();
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(RecordSaveLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ChronicleWindowOpens)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the student's questions: a "?" listing walks the grammar for the emphasis of every
// line it writes, and Tab walks it once; both should stay far below a keystroke.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "catalogue/completion.h"
#include "catalogue/context_help.h"
#include "console/dispatch.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

using bench::clearRecords;

// "show ?" in privileged mode: 23 listing lines, each with its own emphasis lookup.
void BM_ShowQuestionListing(benchmark::State& state) {
  SimulatorFixture console;
  console.startSession(CliMode::priv);
  console.sim.state.console.pageLength = 1000;
  int iteration = 0;
  for (auto _ : state) {
    processContextHelp(console.sim, grammarScope(console.sim), "Router#show ?");
    clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_ShowQuestionListing);

void BM_WordPrefixListing(benchmark::State& state) {
  SimulatorFixture console;
  console.startSession(CliMode::priv);
  int iteration = 0;
  for (auto _ : state) {
    processContextHelp(console.sim, grammarScope(console.sim), "Router#show i?");
    clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_WordPrefixListing);

void BM_TabCompletion(benchmark::State& state) {
  SimulatorFixture console;
  console.startSession(CliMode::priv);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        completePartialCommand(console.sim, grammarScope(console.sim), "Router#sh int s"));
  }
}
BENCHMARK(BM_TabCompletion);

// An abbreviated configuration line typed key by key and dispatched: each key is an edit of the
// input line, Enter walks the grammar and runs the form.
void BM_TypeAndDispatchAbbreviatedLine(benchmark::State& state) {
  SimulatorFixture console;
  console.startSession(CliMode::conf);
  console.enter("int s0");
  int iteration = 0;
  for (auto _ : state) {
    console.enter("ip add 10.1.1.1 255.255.255.0");
    clearRecords(console, ++iteration);
  }
}
BENCHMARK(BM_TypeAndDispatchAbbreviatedLine);

// The grammars of every mode, built from the lesson database's catalogues and the forms, as at
// the first command of a run.
void BM_BuildCommandGrammars(benchmark::State& state) {
  SimulatorFixture console;
  for (auto _ : state) {
    benchmark::DoNotOptimize(buildCommandGrammars(console.sim, commandTable()));
  }
}
BENCHMARK(BM_BuildCommandGrammars)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kovrel

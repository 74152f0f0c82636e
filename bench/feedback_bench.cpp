// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the study feedback: evaluating a lab's step checks and a troubleshooting goal after a
// command, a whole command with its checks, and writing one progress event to the student's file
// (one transaction, on disk).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "bench_support.h"
#include "training/scenarios.h"
#include "training/step_tracker.h"

namespace kovrel {
namespace {

// The lab with the most steps, half of them done, so that facts and events are both evaluated.
void BM_EvaluateStepChecks(benchmark::State& state) {
  testing::SimulatorFixture f;
  startLab(f.sim, "managingIPRouting");
  f.startSession(CliMode::conf);
  for (const char* line : {"interface ethernet 0", "ip address 192.160.5.1 255.255.255.0",
                           "no shutdown", "exit", "router rip", "network 192.160.5.0", "end"}) {
    f.enter(line);
  }
  for (auto _ : state) {
    evaluateSteps(f.sim);
    benchmark::DoNotOptimize(f.sim.state.training.steps.done);
  }
}
BENCHMARK(BM_EvaluateStepChecks);

// A troubleshooting goal is a ping across both routers (through RouterB's access list), the
// costliest fact, and it is evaluated after every command the student enters.
void BM_EvaluateTroubleshootingGoal(benchmark::State& state) {
  testing::SimulatorFixture f;
  startTroubleshooting(f.sim, "troubleshooting6");
  f.startSession(CliMode::priv);
  for (auto _ : state) {
    evaluateSteps(f.sim);
    benchmark::DoNotOptimize(f.sim.state.training.steps.done);
  }
}
BENCHMARK(BM_EvaluateTroubleshootingGoal);

// One whole command as the student enters it, the checks followed after it.
void BM_CommandWithChecks(benchmark::State& state) {
  testing::SimulatorFixture f;
  startTroubleshooting(f.sim, "troubleshooting6");
  f.startSession(CliMode::priv);
  int iteration = 0;
  for (auto _ : state) {
    f.enter("show clock");
    bench::clearRecords(f, ++iteration);
  }
}
BENCHMARK(BM_CommandWithChecks);

void BM_WriteProgressEvent(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("kovrel-bench-progress-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  {
    ProgressStore store;
    store.open((folder / "progress.db").string());
    int submission = 0;
    for (auto _ : state) {
      ++submission;
      store.recordTest(1, submission % 1000, submission);
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteProgressEvent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kovrel

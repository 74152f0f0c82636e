// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of typing into a long input line. Each key press costs at most the length of the line, so
// typing at its start (where every character moves the rest of the line) stays a matter of
// moving bytes, as typing at its end stays constant.

#include <benchmark/benchmark.h>

#include <string>

#include "console/keyboard.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

void BM_TypeAtTheStartOfALongLine(benchmark::State& state) {
  const auto characters = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    SimulatorFixture console;
    console.startSession();
    console.type(std::string(characters, 'a'));
    console.ctrl('A');
    state.ResumeTiming();
    for (std::size_t i = 0; i < characters; ++i) typeCharacter(console.sim, 'b');
    benchmark::DoNotOptimize(console.input().size());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_TypeAtTheStartOfALongLine)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovrel

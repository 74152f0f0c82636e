// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a long paste: 100 KB of configuration typed by the console's paste rules, alone on the
// recording fakes, and through the terminal front-end (key reader, decoder and the screen's
// drawing, written nowhere). A student's paste of this size must take a blink, not minutes.

#include <benchmark/benchmark.h>

#include <string>

#include "console/keyboard.h"
#include "console/paste.h"
#include "console/session.h"
#include "pasted_configuration.h"
#include "shell/terminal/key_event.h"
#include "shell/terminal/key_reader.h"
#include "shell/terminal/pasted_keys.h"
#include "shell/terminal/terminal_screen.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

void BM_PasteOneHundredKilobytes(benchmark::State& state) {
  const std::string text = bench::pastedConfiguration();
  for (auto _ : state) {
    state.PauseTiming();
    SimulatorFixture console;
    console.startSession(CliMode::priv);
    state.ResumeTiming();
    const PasteResult result = typePaste(console.sim, text, [] { return false; });
    benchmark::DoNotOptimize(result.typedLines);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_PasteOneHundredKilobytes)->Unit(benchmark::kMillisecond);

void BM_PasteOneHundredKilobytesInTheTerminal(benchmark::State& state) {
  std::string bytes = "\x1b[200~" + bench::pastedConfiguration() + "\x1b[201~";
  for (char& byte : bytes) byte = byte == '\n' ? '\r' : byte;
  std::size_t drawn = 0;
  for (auto _ : state) {
    state.PauseTiming();
    terminal::TerminalScreen screen([&](std::string_view text) { drawn += text.size(); }, "");
    testing::FakePlatform platform;
    Simulator sim(Services{screen, platform, platform, platform, platform, platform, platform});
    setWelcomeText(sim, KOVREL_TEST_DATABASE);
    startFreshRouter(sim);
    typeText(sim, "\renable\r");
    state.ResumeTiming();
    terminal::StringByteSource source(bytes);
    terminal::KeyReader keys(source);
    keys.next();
    bool quit = false;
    screen.holdDrawing(true);
    const PasteResult result = terminal::typePastedKeys(
        sim, keys.takePaste(),
        [&](const terminal::KeyEvent& key) {
          terminal::deliverKey(sim, key);
          return false;
        },
        [&] {
          screen.holdDrawing(true);
          return false;
        },
        quit);
    screen.holdDrawing(false);
    benchmark::DoNotOptimize(result.typedLines);
  }
  benchmark::DoNotOptimize(drawn);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PasteOneHundredKilobytesInTheTerminal)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovrel

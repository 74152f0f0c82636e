// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fake_platform.h"

namespace kovrel::bench {

/// The console output and the fake's records grow with every command; a real console is cleared
/// by the student now and then, and so is a benchmark's, every `kClearEvery` iterations.
inline void clearRecords(testing::SimulatorFixture& console, int iteration) {
  constexpr int kClearEvery = 256;
  if (iteration % kClearEvery != 0) return;
  console.sim.console.replaceOutput("");
  console.platform.pauses.clear();
  console.platform.emphasised.clear();
  console.platform.transcript.clear();
  console.newOutput();
}

}  // namespace kovrel::bench

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "support/fake_platform.h"

namespace kovrel::testing {

/// The interface a test works on in interface configuration mode.
enum class Port { serial0, serial1, ethernet0 };

/// Starts a session and walks the console into `mode` with the commands a student would type;
/// the output so far is taken, so `newOutput` shows only what follows.
inline void walkInto(SimulatorFixture& console, CliMode mode, Port port = Port::serial0) {
  const bool configuration = mode != CliMode::user && mode != CliMode::priv;
  console.startSession(configuration ? CliMode::conf : mode);
  switch (mode) {
    case CliMode::configIf:
      console.enter(port == Port::serial1     ? "interface serial 1"
                    : port == Port::ethernet0 ? "interface ethernet 0"
                                              : "interface serial 0");
      break;
    case CliMode::configLine:
      console.enter("line console 0");
      break;
    case CliMode::configRouterRip:
      console.enter("router rip");
      break;
    case CliMode::configRouterIgrp:
      console.enter("router igrp 10");
      break;
    default:
      break;
  }
  console.newOutput();
}

}  // namespace kovrel::testing

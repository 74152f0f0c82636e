// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "cdp run", "cdp timer N" and "cdp holdtime N" in global configuration mode.
void globalCdpCommand(Simulator& sim, const CommandInput& input);

/// "cdp enable" on the selected interface; "cdp run" typed in interface mode also switches CDP
/// on and leaves for privileged mode.
void interfaceCdpCommand(Simulator& sim, const CommandInput& input);

/// "no cdp run" typed in interface mode: CDP off, and back to privileged mode.
void stopCdpFromInterfaceMode(Simulator& sim);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "cdp run", "cdp timer N" and "cdp holdtime N" in global configuration mode.
std::span<const CommandForm> globalCdpForms();

/// "cdp enable" on the selected interface; "cdp run" typed in interface mode also switches CDP
/// on and leaves for privileged mode.
std::span<const CommandForm> interfaceCdpForms();

/// "no cdp run" typed in interface mode: CDP off, and back to privileged mode.
void stopCdpFromInterfaceMode(Simulator& sim);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "interface serial 0|serial 1|ethernet 0" (and the short forms "int", "s0", "s 0", "e0" ...):
/// selects the interface that interface configuration mode changes.
void interfaceSelectionCommand(Simulator& sim, const CommandInput& input);

// The commands of interface configuration mode; each changes the selected interface only.
void descriptionCommand(Simulator& sim, const CommandInput& input);
void interfaceIpCommand(Simulator& sim, const CommandInput& input);
void keepaliveCommand(Simulator& sim, const CommandInput& input);
void shutdownCommand(Simulator& sim, const CommandInput& input);
void bandwidthCommand(Simulator& sim, const CommandInput& input);
void clockRateCommand(Simulator& sim, const CommandInput& input);
void interfaceNoCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

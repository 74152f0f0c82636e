// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

// The commands that move between the console's modes.
void endCommand(Simulator& sim, const CommandInput& input);
void exitCommand(Simulator& sim, const CommandInput& input);
void disableCommand(Simulator& sim, const CommandInput& input);
void logoutCommand(Simulator& sim, const CommandInput& input);
/// `enable` in user mode: asks for the enable secret or password when one is set.
void enableCommand(Simulator& sim, const CommandInput& input);
/// Ctrl-Z: leaves any configuration mode for privileged mode; what was typed is discarded.
void endOfConfiguration(Simulator& sim);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

// The terminal lines (console, auxiliary, virtual terminals) and their settings.
void lineSelectionCommand(Simulator& sim, const CommandInput& input);
void passwordCommand(Simulator& sim, const CommandInput& input);
void loginCommand(Simulator& sim, const CommandInput& input);
void noLoginCommand(Simulator& sim, const CommandInput& input);
/// `logging synchronous` under a line.
void loggingCommand(Simulator& sim, const CommandInput& input);
void execTimeoutCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

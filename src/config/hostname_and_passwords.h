// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "hostname NAME" in global configuration mode; the prompt follows the new name at once.
void hostnameCommand(Simulator& sim, const CommandInput& input);

/// "enable password WORD" and "enable secret WORD" in global configuration mode.
void enableConfigurationCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

#pragma once

#include "console/command_input.h"
#include "console/simulator.h"

namespace kovrel {

/// "hostname NAME" in global configuration mode; the prompt follows the new name at once.
void process_hostname(Simulator& sim, const CommandInput& input);

/// "enable password WORD" and "enable secret WORD" in global configuration mode.
void enableConfigurationCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

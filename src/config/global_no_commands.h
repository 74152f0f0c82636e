#pragma once

#include "console/command_input.h"
#include "console/simulator.h"

namespace kovrel {

/// The "no" forms of global configuration mode, which undo the global settings, remove access
/// lists and switch routing protocols off.
void globalNoCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

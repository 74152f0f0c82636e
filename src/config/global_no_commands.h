// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// The "no" forms of global configuration mode, which undo the global settings, remove access
/// lists and switch routing protocols off.
void globalNoCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

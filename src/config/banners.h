// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "banner motd|login|exec D": starts the entry of a banner's lines, ended by a line that holds
/// the delimiter character D (the console's banner entry collects them).
void bannerCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

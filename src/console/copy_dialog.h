// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// `copy` in privileged mode: opens the save, load or TFTP dialog.
void copyCommand(Simulator& sim, const CommandInput& input);
/// Takes each answer of an open copy dialog; `line` is the whole input line.
void copyDialog(Simulator& sim, std::string_view line);

}  // namespace kovrel

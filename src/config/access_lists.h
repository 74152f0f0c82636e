// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "access-list N permit|deny ..." in global configuration mode: appends one entry to the
/// standard list N (1 to 99), unless the same entry is already there.
void accessListCommand(Simulator& sim, const CommandInput& input);

/// "no access-list N": removes every entry of list N. False, changing nothing, when the number
/// is no standard list number.
bool removeAccessList(Simulator& sim, std::string_view listNumber);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "access-list N permit|deny ..." in global configuration mode: each form appends one entry to
/// the standard list N (1 to 99), unless the same entry is already there.
std::span<const CommandForm> accessListForms();

/// "no access-list N": removes every entry of list N. False, changing nothing, when the number
/// is no standard list number.
bool removeAccessList(Simulator& sim, std::string_view listNumber);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/simulator.h"

namespace kovrel {

// Tab completion from the command catalogue of the current mode. Each operation takes the whole
// input line (prompt included) and returns the text to put after the prompt; a line nothing can
// be completed on comes back exactly as typed. A failed catalogue search is logged under the
// operation's name and counts as finding nothing.

/// Completes the typed command: finishes it when the catalogue rows agree, otherwise extends it
/// to the longest text they share.
std::string completePartialCommand(Simulator& sim, std::string_view line);

/// `access-list` lines of global configuration mode: the list number is searched as "<1-99>".
std::string completeAccessListCmd(Simulator& sim, std::string_view line);

/// `ip` and `no ip` lines of interface configuration mode, whose access-group number is
/// searched as "<1-99>".
std::string completeAccessGroupCmd(Simulator& sim, std::string_view line);

/// The result of one completion, before any number is put back in place of "<1-99>".
struct Completion {
  bool agree = false;     // the first row is a prefix of every other row
  std::string shared;     // the longest text every row begins with
  std::string addedRest;  // agreeing rows: what the first row adds to the searched text
};

/// The common rule over the `cmd` of the rows found (at least one), in delivery order.
Completion completeFromRows(const std::vector<std::string>& rows, std::string_view searchText);

}  // namespace kovrel

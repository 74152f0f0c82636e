// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// A show display. `interfaces` are the interface numbers its row names, in display order
/// (empty for displays that cover no interface).
using ShowDisplay = void (*)(Simulator& sim, std::span<const InterfaceNumber> interfaces);

/// One accepted show form (or several that mean the same) and the display it runs.
struct ShowRow {
  std::vector<std::string_view> forms;
  ShowDisplay display;
  std::vector<InterfaceNumber> interfaces;
};

/// The show forms of user mode and privileged mode, in the order lines are tested.
std::span<const ShowRow> userShowTable();
std::span<const ShowRow> privShowTable();

/// The forms of which an unmatched line may be a proper beginning ("% Incomplete command.");
/// any other unmatched line is invalid input.
std::span<const std::string_view> userIncompleteForms();
std::span<const std::string_view> privIncompleteForms();

/// The typed text of a show line in the form the tables are written in (prompt removed, short
/// forms of user mode, respectively of privileged mode, spelt out).
std::string userShowText(std::string_view line, std::string_view prompt);
std::string privShowText(std::string_view line, std::string_view prompt);

/// `show` and `sh` in user mode and in privileged mode.
void userShowCommand(Simulator& sim, const CommandInput& input);
void privShowCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

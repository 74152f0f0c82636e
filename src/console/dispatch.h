// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// The reply a dispatch row gives in the modes it has no action for.
enum class OtherModes { none, invalidInput, unknownCommand };

/// What a first word does in one mode (every mode when `mode` is empty).
struct ModeAction {
  std::optional<CliMode> mode;
  Handler handler;
};

/// One row of the dispatch table: the first words it takes, its action per mode, and its reply in
/// the other modes.
struct DispatchRow {
  std::vector<std::string_view> firstWords;
  std::vector<ModeAction> actions;
  OtherModes otherModes;
};

/// The whole dispatch table, in the order rows are looked up.
std::span<const DispatchRow> dispatchTable();

/// Executes one entered command line in the current mode; `line` is the whole input line
/// including the prompt, exactly as typed.
void dispatchCommand(Simulator& sim, std::string_view line);

/// The action for "nothing happens" (the prompt is simply shown again).
void doNothing(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// `terminal history`, `terminal history size N` and `terminal no history` in user and privileged
/// mode.
void terminalCommand(Simulator& sim, const CommandInput& input);

/// Records the typed part of the input line in the history (not for empty lines) and trims the
/// history to its size.
void manageHistory(Simulator& sim);

/// Drops the oldest entries beyond `historySize` and stops browsing.
void trimHistory(RouterState& router);

}  // namespace kovrel

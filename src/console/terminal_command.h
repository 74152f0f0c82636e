// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// `terminal history`, `terminal history size N` and `terminal no history` in user and privileged
/// mode.
std::span<const CommandForm> terminalForms();

/// Records the typed part of the input line in the history (not for empty lines) and trims the
/// history to its size.
void manageHistory(Simulator& sim);

/// Drops the oldest entries beyond `historySize` and stops browsing.
void trimHistory(RouterState& router);

}  // namespace kovrel

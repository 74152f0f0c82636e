// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/simulator.h"

namespace kovrel {

// Up and Down at the console: the history of the router at the console, oldest entry first.
// Recalled entries are shown after the current prompt, whatever prompt they were typed after.

/// One entry further back; the line being typed is kept as the draft when browsing starts.
void browseHistoryBack(Simulator& sim);

/// One entry forward; past the newest entry the draft comes back, and further presses change
/// nothing.
void browseHistoryForward(Simulator& sim);

}  // namespace kovrel

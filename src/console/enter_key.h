// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/simulator.h"

namespace kovrel {

/// Enter: the input line answers the open question, starts the session, or is dispatched as a
/// command.
void handleEnter(Simulator& sim);

}  // namespace kovrel

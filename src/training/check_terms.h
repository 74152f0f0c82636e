// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/simulator.h"
#include "base/step_check.h"

namespace kovrel {

/// Whether a fact term holds on the simulator as it is now: the running configurations, the
/// saved configuration, the console's mode and the network. Reads only. Event terms never hold
/// here; the step tracker keeps them.
bool factHolds(const Simulator& sim, const CheckTerm& term);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/command_matching.h"
#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// Gives the invalid-input reply for a value the form refuses outright; the line is answered.
FormOutcome refuseValue(Simulator& sim);

/// A form action that always takes its line: runs `change` and reports the line done.
template <void (*kChange)(Simulator&)>
FormOutcome always(Simulator& sim, const Words&) {
  kChange(sim);
  return FormOutcome::done;
}

}  // namespace kovrel

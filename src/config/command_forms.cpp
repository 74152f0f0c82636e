// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/command_forms.h"

#include "base/output.h"

namespace kovrel {

FormOutcome refuseValue(Simulator& sim) {
  invalidInput(sim);
  return FormOutcome::done;
}

}  // namespace kovrel

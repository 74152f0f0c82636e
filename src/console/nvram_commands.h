// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// `write`, `write memory`: save the running configuration as `copy running-config
/// startup-config` does, without its question. `write erase` asks as `erase startup-config`
/// ("... Continue? [confirm]") before the saved configuration goes; `write terminal` shows the
/// running configuration.
std::span<const CommandForm> nvramForms();

/// The one key that answers the erase question: Enter or y erases, any other key keeps it.
void answerEraseConfirmation(Simulator& sim, int character);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// `write`, `write memory`: save the running configuration as `copy running-config
/// startup-config` does, without its question. `write erase` asks as `erase startup-config`;
/// `write terminal` shows the running configuration.
void writeCommand(Simulator& sim, const CommandInput& input);

/// `erase startup-config`: asks "... Continue? [confirm]" before the saved configuration goes.
void eraseCommand(Simulator& sim, const CommandInput& input);

/// The one key that answers the erase question: Enter or y erases, any other key keeps it.
void answerEraseConfirmation(Simulator& sim, int character);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// `configure` (and its short forms): enters global configuration mode, or asks where the
/// configuration comes from when typed alone.
void configureCommand(Simulator& sim, const CommandInput& input);

/// The answer to "Configuring from terminal, memory, or network [terminal]?".
void answerConfigureSource(Simulator& sim, std::string_view line);

/// The answer text of a question: what follows the question, lower-cased and trimmed (inner
/// blanks kept).
std::string questionAnswer(const Simulator& sim, std::string_view line);

}  // namespace kovrel

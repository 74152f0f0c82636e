// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "configure terminal" enters global configuration mode; "configure" alone asks where the
/// configuration comes from; "configure memory" and "configure network" are taken and do nothing.
std::span<const CommandForm> configureForms();

/// The answer to "Configuring from terminal, memory, or network [terminal]?".
void answerConfigureSource(Simulator& sim, std::string_view line);

/// The answer text of a question: what follows the question, lower-cased and trimmed (inner
/// blanks kept).
std::string questionAnswer(const Simulator& sim, std::string_view line);

}  // namespace kovrel

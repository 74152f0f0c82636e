// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// Tab: completes the last typed word to the one keyword of the mode's grammar that it begins
/// (or names in full) at that place. `line` is the whole input line, prompt included; the result
/// is the text to put after the prompt: the earlier words as typed, the keyword and a blank. A
/// word that begins several keywords, a value, or a line ending in a blank comes back unchanged.
std::string completePartialCommand(Simulator& sim, const GrammarScope& scope,
                                   std::string_view line);

}  // namespace kovrel

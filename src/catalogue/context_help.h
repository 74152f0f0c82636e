// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "?" typed at the console: answers what may follow at that point. `line` is the whole input
/// line, prompt included, ending in "?". The typed words are read through the mode's grammar: a
/// word prefix ending in "?" lists the keywords that begin with it at that place; a "?" word
/// answers from the context-help case table for the words as the grammar spells them out. Help
/// listings are emphasised only while the request runs.
void processContextHelp(Simulator& sim, const GrammarScope& scope, std::string_view line);

/// The `help` text, paged without emphasis.
void pageHelpText(Simulator& sim);

/// The `help` command of every mode.
FormOutcome helpCommand(Simulator& sim, const Words& words);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/command_input.h"
#include "base/simulator.h"

namespace kovrel {

/// "?" typed at the console: answers what may follow at that point. `line` is the whole input
/// line, prompt included, ending in "?". A word prefix ending in "?" lists the catalogue words
/// that begin with it; a "?" word answers from the context-help case table. Help listings are
/// emphasised only while the request runs.
void processContextHelp(Simulator& sim, std::string_view line);

/// Lists on one line the commands of the current mode that begin with `text` (the command text
/// ending in "?"), or answers "% Unrecognized command" when there are none.
void listCommandsStartingWithString(Simulator& sim, std::string_view text);

/// The `help` text, paged without emphasis.
void pageHelpText(Simulator& sim);

/// The `help` command of every mode: exactly the word "help".
void helpCommand(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

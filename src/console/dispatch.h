// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// Every mode's forms, as the modules that carry them out export them. With the catalogue rows
/// they make the one command grammar of each mode.
std::span<const ModeCommands> commandTable();

/// The command grammars of the simulator, built at the first use and again after the lesson
/// database changed.
const CommandGrammars& commandGrammars(Simulator& sim);

/// The grammar of the current mode, for the selected interface.
GrammarScope grammarScope(Simulator& sim);

/// Executes one entered command line in the current mode; `line` is the whole input line
/// including the prompt, exactly as typed.
void dispatchCommand(Simulator& sim, std::string_view line);

}  // namespace kovrel

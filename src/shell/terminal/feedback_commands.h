// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "shell/terminal/program_commands.h"

namespace kovrel::terminal {

// The study feedback's program commands: the current activity's checklist, a fresh start, the
// progress kept between runs, hints towards a troubleshooting solution, and the flash cards'
// topics.
void checkCommand(Simulator& sim, std::span<const std::string> arguments,
                  ProgramCommandResult& result);
void resetCommand(Simulator& sim, std::span<const std::string> arguments,
                  ProgramCommandResult& result);
void progressCommand(Simulator& sim, std::span<const std::string> arguments,
                     ProgramCommandResult& result);
/// `hint` reveals the next step of a troubleshooting solution, `solution` all of it (Learn Mode).
void hintCommand(Simulator& sim, std::span<const std::string> arguments,
                 ProgramCommandResult& result);
void solutionCommand(Simulator& sim, std::span<const std::string> arguments,
                     ProgramCommandResult& result);
void topicCommand(Simulator& sim, std::span<const std::string> arguments,
                  ProgramCommandResult& result);

/// The tick and the cross of a checklist: the check marks on a UTF-8 terminal, else brackets.
std::string_view tickMark(bool done);

}  // namespace kovrel::terminal

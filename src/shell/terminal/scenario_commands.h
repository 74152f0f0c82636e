// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "shell/terminal/options.h"
#include "shell/terminal/program_commands.h"

namespace kovrel::terminal {

// The scenario program commands: the Labs, Tests and Troubleshooting menus, the RouterA and
// RouterB buttons of the two-router pane, and "Show Network" of the side panel.

/// `labs`, `tests`, `troubleshootings`: the menus as numbered lists with their keys.
void labsCommand(Simulator& sim, std::span<const std::string> arguments,
                 ProgramCommandResult& result);
void testsCommand(Simulator& sim, std::span<const std::string> arguments,
                  ProgramCommandResult& result);
void troubleshootingsCommand(Simulator& sim, std::span<const std::string> arguments,
                             ProgramCommandResult& result);
/// `lab NAME`: starts the lab named by its key, number or caption and shows the study mode and
/// the instructions; an unknown name changes nothing. Alone, lists the labs.
void labCommand(Simulator& sim, std::span<const std::string> arguments,
                ProgramCommandResult& result);
/// `test N`: starts test N from a fresh router and shows its tasks. Alone, lists them.
void testCommand(Simulator& sim, std::span<const std::string> arguments,
                 ProgramCommandResult& result);
/// `troubleshooting N`: starts scenario N with its faults and shows its task. Alone, lists
/// them.
void troubleshootingCommand(Simulator& sim, std::span<const std::string> arguments,
                            ProgramCommandResult& result);
/// `router a`, `router b`: the router buttons. Refused while the console waits for an answer.
void routerACommand(Simulator& sim, std::span<const std::string> arguments,
                    ProgramCommandResult& result);
void routerBCommand(Simulator& sim, std::span<const std::string> arguments,
                    ProgramCommandResult& result);
/// `network`: draws the current scenario's network, in box-drawing characters when the locale
/// is UTF-8.
void networkCommand(Simulator& sim, std::span<const std::string> arguments,
                    ProgramCommandResult& result);

/// Whether the locale variables (LC_ALL, LC_CTYPE, LANG; null when unset) choose UTF-8.
bool localeIsUtf8(const char* lcAll, const char* lcCtype, const char* lang);

/// Starts the activity the options name (`--lab`, `--test`, `--troubleshooting`); by default the
/// lab "aboutTheLabs".
void startFirstActivity(Simulator& sim, const Options& options);

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/mode_commands.h"

#include "base/command_matching.h"
#include "base/output.h"
#include "console/access_prompts.h"
#include "console/session.h"
#include "console/telnet_session.h"

namespace kovrel {
namespace {

// Leaving a Telnet session goes back to the router it started from; leaving the console's own
// session waits for Return.
void endOrCloseSession(Simulator& sim) {
  if (inTelnetSession(sim)) return closeTelnetSession(sim);
  endSession(sim);
}

}  // namespace

void endCommand(Simulator& sim, const CommandInput& input) {
  if (matchCommand(input.line, "end", sim.router().prompt) != MatchResult::match) {
    unknownCommand(sim);
    return;
  }
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
}

void exitCommand(Simulator& sim, const CommandInput& input) {
  if (matchCommand(input.line, "exit", sim.router().prompt) != MatchResult::match) {
    invalidInput(sim);
    return;
  }
  switch (sim.router().mode) {
    case CliMode::user:
    case CliMode::priv:
      endOrCloseSession(sim);
      break;
    case CliMode::conf:
      enterMode(sim, CliMode::priv);
      writeConsoleLine(sim, kConfiguredMessage);
      break;
    case CliMode::configIf:
    case CliMode::configLine:
    case CliMode::configRouterRip:
    case CliMode::configRouterIgrp:
      enterMode(sim, CliMode::conf);
      break;
    case CliMode::none:
      break;
  }
}

void disableCommand(Simulator& sim, const CommandInput& input) {
  if (input.words.size() > 1) {
    invalidInput(sim);
    return;
  }
  enterMode(sim, CliMode::user);
  writeConsoleLine(sim, "");
}

void logoutCommand(Simulator& sim, const CommandInput& input) {
  if (input.words.size() != 1) {
    unknownCommand(sim);
    return;
  }
  endOrCloseSession(sim);
}

void enableCommand(Simulator& sim, const CommandInput& input) {
  if (askEnablePassword(sim)) return;
  // Over Telnet a router without an enable password keeps privileged mode to its console.
  if (inTelnetSession(sim)) return writeConsoleLine(sim, "% No password set");
  if (input.words.size() != 1) {
    invalidInput(sim);
    return;
  }
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
}

void endOfConfiguration(Simulator& sim) {
  const std::string typed = std::string(sim.console.shownInput()) + "^Z";
  // Whether something had been typed is judged against the prompt it was typed after.
  const bool somethingTyped = normalizeCommandLine(typed, sim.router().prompt).size() > 2;
  // An open question or banner entry keeps its mode: leaving it would strand the answer.
  const bool atCommandPrompt = sim.interactionPending() == Interaction::none;
  noteEnteredLine(sim, typed);
  if (isConfigurationMode(sim.router().mode) && atCommandPrompt) {
    enterMode(sim, CliMode::priv);
    writeConsoleLine(sim, typed);
    if (somethingTyped) invalidInput(sim);
    writeConsoleLine(sim, kConfiguredMessage);
  } else if (!sim.router().prompt.empty()) {
    writeConsoleLine(sim, typed);
  }
}

}  // namespace kovrel

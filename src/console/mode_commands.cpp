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

FormOutcome endCommand(Simulator& sim, const Words&) {
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
  return FormOutcome::done;
}

FormOutcome exitCommand(Simulator& sim, const Words&) {
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
  return FormOutcome::done;
}

FormOutcome disableCommand(Simulator& sim, const Words&) {
  enterMode(sim, CliMode::user);
  writeConsoleLine(sim, "");
  return FormOutcome::done;
}

FormOutcome logoutCommand(Simulator& sim, const Words&) {
  endOrCloseSession(sim);
  return FormOutcome::done;
}

FormOutcome enableCommand(Simulator& sim, const Words&) {
  if (askEnablePassword(sim)) return FormOutcome::done;
  // Over Telnet a router without an enable password keeps privileged mode to its console.
  if (inTelnetSession(sim)) {
    writeConsoleLine(sim, "% No password set");
    return FormOutcome::done;
  }
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
  return FormOutcome::done;
}

// "disable" in user mode and "enable" in privileged mode are already where they lead.
FormOutcome stayInMode(Simulator&, const Words&) { return FormOutcome::done; }

constexpr CommandForm kUserForms[] = {
    {"disable", stayInMode},
    {"enable", enableCommand},
    {"exit", exitCommand},
    {"logout", logoutCommand},
};

constexpr CommandForm kPrivForms[] = {
    {"disable", disableCommand},
    {"enable", stayInMode},
    {"exit", exitCommand},
    {"logout", logoutCommand},
};

constexpr CommandForm kConfigurationForms[] = {
    {"end", endCommand},
    {"exit", exitCommand},
};

}  // namespace

std::span<const CommandForm> userModeForms() { return kUserForms; }
std::span<const CommandForm> privModeForms() { return kPrivForms; }
std::span<const CommandForm> configurationModeForms() { return kConfigurationForms; }

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

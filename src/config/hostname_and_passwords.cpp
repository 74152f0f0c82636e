// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/hostname_and_passwords.h"

#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

FormOutcome setHostname(Simulator& sim, const Words& words) {
  sim.running().hostname = words[1];
  sim.router().prompt = modePrompt(sim, CliMode::conf);
  return FormOutcome::done;
}

FormOutcome setEnablePassword(Simulator& sim, const Words& words) {
  sim.running().enablePassword = words[2];
  sim.running().enablePasswordEncrypted = sim.running().passwordEncryption;
  return FormOutcome::done;
}

FormOutcome setEnableSecret(Simulator& sim, const Words& words) {
  sim.running().enableSecret = words[2];
  return FormOutcome::done;
}

constexpr CommandForm kHostnameForms[] = {
    {"hostname variable", setHostname},
};

constexpr CommandForm kEnableForms[] = {
    {"enable password variable", setEnablePassword},
    {"enable secret variable", setEnableSecret},
};

}  // namespace

void hostnameCommand(Simulator& sim, const CommandInput& input) {
  // The dispatcher hands "hostname" over in every mode; only global configuration takes it.
  if (sim.router().mode != CliMode::conf) return unknownCommand(sim);
  runCommandForms(sim, input.words, kHostnameForms);
}

void enableConfigurationCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kEnableForms);
}

}  // namespace kovrel

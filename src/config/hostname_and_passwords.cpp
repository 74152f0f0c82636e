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

constexpr CommandForm kForms[] = {
    {"hostname WORD", setHostname},
    {"enable password WORD", setEnablePassword},
    {"enable secret WORD", setEnableSecret},
};

}  // namespace

std::span<const CommandForm> hostnameAndPasswordForms() { return kForms; }

}  // namespace kovrel

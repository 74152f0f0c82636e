// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/nvram_commands.h"

#include "base/output.h"
#include "config/saved_config.h"
#include "network/show_displays.h"

namespace kovrel {
namespace {

constexpr int kSavePauseMs = 1000;
constexpr std::string_view kEraseQuestion =
    "Erasing the nvram filesystem will remove all configuration files! Continue? [confirm]";

void saveConfiguration(Simulator& sim) {
  writeConsoleLine(sim, "Building configuration...");
  pauseConsole(sim, kSavePauseMs);
  saveRunningConfig(sim, "startup-config");
  writeConsoleLine(sim, "[OK]");
}

void askErase(Simulator& sim) {
  askQuestion(sim, std::string(kEraseQuestion), Interaction::eraseConfirm);
}

FormOutcome save(Simulator& sim, const Words&) {
  saveConfiguration(sim);
  return FormOutcome::done;
}

FormOutcome erase(Simulator& sim, const Words&) {
  askErase(sim);
  return FormOutcome::done;
}

FormOutcome showRunning(Simulator& sim, const Words&) {
  showRunningConfig(sim, {});
  return FormOutcome::done;
}

constexpr CommandForm kNvramForms[] = {
    {"write", save},
    {"write memory", save},
    {"write erase", erase},
    {"write terminal", showRunning},
    {"erase startup-config", erase},
};

}  // namespace

std::span<const CommandForm> nvramForms() { return kNvramForms; }

void answerEraseConfirmation(Simulator& sim, int character) {
  const bool confirmed = character == '\r' || character == 'y' || character == 'Y';
  const bool printable = character >= 32 && character < 127;
  sim.console.appendOutput("\r\n" + sim.console.input() +
                           (printable ? std::string(1, static_cast<char>(character)) : ""));
  sim.setInteraction(Interaction::none);
  sim.router().prompt = sim.router().savedPrompt;
  if (confirmed) {
    // The saved configuration goes back to the factory's; a reload then starts from it.
    resetStartupConfig(sim);
    writeConsoleLine(sim, "[OK]");
    writeConsoleLine(sim, "Erase of nvram: complete");
  }
  resetInput(sim);
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/nvram_commands.h"

#include "base/command_matching.h"
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

// Each word after the command word is taken by any beginning of it: its first letter is already
// unambiguous.
bool isWord(const std::string& typed, std::string_view keyword) {
  return !typed.empty() && keyword.starts_with(typed);
}

}  // namespace

void writeCommand(Simulator& sim, const CommandInput& input) {
  const std::vector<std::string>& words = input.words;
  if (words.size() == 1 || (words.size() == 2 && isWord(words[1], "memory"))) {
    return saveConfiguration(sim);
  }
  if (words.size() == 2 && isWord(words[1], "erase")) return askErase(sim);
  if (words.size() == 2 && isWord(words[1], "terminal")) return showRunningConfig(sim, {});
  markUnmatchedWord(sim, words.size() > 2 ? 2 : 1, words.size());
  invalidInput(sim);
}

void eraseCommand(Simulator& sim, const CommandInput& input) {
  const std::vector<std::string>& words = input.words;
  if (words.size() == 2 && (isWord(words[1], "startup-config") || words[1] == "nvram:")) {
    return askErase(sim);
  }
  if (words.size() == 1) return incompleteCommand(sim);
  markUnmatchedWord(sim, words.size() > 2 ? 2 : 1, words.size());
  invalidInput(sim);
}

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

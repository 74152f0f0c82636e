// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/session.h"

#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/output.h"
#include "config/saved_config.h"
#include "console/access_prompts.h"
#include "console/telnet_session.h"

namespace kovrel {
namespace {

constexpr int kReloadPauseMs = 2000;

void readStartupTexts(Simulator& sim, const std::string& databasePath) {
  sim.database.open(databasePath);
  if (auto boot = sim.database.cmdInfo("bootText")) sim.state.bootText = *boot;
  if (auto welcome = sim.database.misc("welcomeText")) sim.state.welcomeText = *welcome;
}

}  // namespace

void setWelcomeText(Simulator& sim, const std::string& databasePath) {
  trapped(sim, "setWelcomeText", [&] { readStartupTexts(sim, databasePath); });
  if (sim.state.welcomeText.find("Kovrel") == std::string::npos) {
    sim.services.messageBox.show(" Not Able To Access DB. Please Check README.");
  }
}

namespace {

// The router waits for a new session: no mode, no prompt, no question, an empty history.
void closeSession(Simulator& sim) {
  RouterState& router = sim.router();
  sim.setInteraction(Interaction::none);
  router.passwordTries = 0;
  router.currentLine = TerminalLine::none;
  router.mode = CliMode::none;
  router.prompt.clear();
  router.history.clear();
  router.historyIndex = 1;
  sim.state.console.helpListingActive = false;
}

void writeAvailableLines(Simulator& sim) {
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, sim.running().hostname + " con0 is now available");
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, "Press RETURN to get started.");
  sim.console.refresh();
}

}  // namespace

void loadRouter(Simulator& sim) {
  closeSession(sim);
  // A boot announces nothing: the states are taken afresh before the next command.
  sim.router().announcedStates.reset();
  sim.router().arpEntries.clear();
  sim.console.replaceOutput(sim.state.bootText);
  writeAvailableLines(sim);
}

void endSession(Simulator& sim) {
  closeSession(sim);
  writeAvailableLines(sim);
}

void startFreshRouter(Simulator& sim) {
  resetStartupConfig(sim);
  loadStartupConfig(sim);
  loadRouter(sim);
}

void startSession(Simulator& sim) {
  const RouterConfig& config = sim.running();
  const LineConfig& console = config.line(TerminalLine::console);
  if (console.password.empty() || !console.login) {
    writeConsoleLine(sim, config.bannerMotd);
    writeConsoleLine(sim, config.bannerExec);
    enterMode(sim, CliMode::user);
  } else {
    askConsoleLogin(sim);
  }
}

FormOutcome reloadCommand(Simulator& sim, const Words&) {
  askQuestion(sim, "Proceed with reload? [confirm]", Interaction::reloadConfirm);
  return FormOutcome::done;
}

void answerReloadConfirmation(Simulator& sim, int character) {
  sim.console.appendOutput(
      "\r\n" + sim.console.input() +
      (character >= 32 && character < 127 ? std::string(1, char(character)) : std::string()));
  // Enter confirms, as the "[confirm]" says; any other key but y cancels.
  if (character == '\r' || character == 'y' || character == 'Y') {
    writeConsoleLine(sim, ": %SYS-5-RELOAD: Reload requested");
    sim.console.setInput("");
    // A router reloaded over Telnet drops the connection; the console stays where it started.
    if (inTelnetSession(sim)) {
      loadStartupConfig(sim);
      return closeTelnetSession(sim);
    }
    pauseConsole(sim, kReloadPauseMs);
    // A reload boots from the saved configuration: what the student saved survives it.
    loadStartupConfig(sim);
    loadRouter(sim);
    return;
  }
  enterMode(sim, CliMode::priv);
  sim.setInteraction(Interaction::none);
  resetInput(sim);
}

}  // namespace kovrel

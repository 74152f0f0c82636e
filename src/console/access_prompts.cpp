// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/access_prompts.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/output.h"
#include "console/session.h"

namespace kovrel {
namespace {

constexpr int kAllowedTries = 3;

void closeQuestion(Simulator& sim) {
  sim.setInteraction(Interaction::none);
  sim.router().passwordTries = 0;
}

void grantPrivileged(Simulator& sim) {
  enterMode(sim, CliMode::priv);
  writeConsoleLine(sim, "");
  closeQuestion(sim);
}

// Counts a wrong answer; true when it was the last one allowed.
bool tooManyTries(Simulator& sim) { return ++sim.router().passwordTries >= kAllowedTries; }

void refuseEnable(Simulator& sim) {
  closeQuestion(sim);
  sim.router().prompt = modePrompt(sim, CliMode::user);
}

// Passwords keep their case: the answer must be the password exactly, blanks around it aside.
// The first enable question is shown in lower case, so the answer starts after the question's
// length rather than after its text.
bool answerMatches(Simulator& sim, std::string_view line, const std::string& password) {
  const std::size_t questionLength = std::min(sim.router().prompt.size(), line.size());
  return trimBlanks(line.substr(questionLength)) == password;
}

}  // namespace

bool askEnablePassword(Simulator& sim) {
  const RouterConfig& config = sim.running();
  if (config.enableSecret.empty() && config.enablePassword.empty()) return false;
  const bool secret = !config.enableSecret.empty();
  sim.router().savedPrompt = sim.router().prompt;
  sim.router().prompt = std::string(kPasswordQuestion);
  sim.setInteraction(secret ? Interaction::enableSecret : Interaction::enablePassword);
  // The enable password's first question is written in lower case; repeats show the prompt.
  sim.console.setInput(secret ? "Password: " : "password: ");
  return true;
}

void askConsoleLogin(Simulator& sim) {
  const RouterConfig& config = sim.running();
  writeConsoleLine(sim, config.bannerMotd);
  writeConsoleLine(sim, config.bannerLogin);
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, "User Access Verification");
  sim.router().prompt = std::string(kPasswordQuestion);
  sim.router().mode = CliMode::user;
  sim.console.setInput(std::string(kPasswordQuestion));
  sim.setInteraction(Interaction::consoleLogin);
}

void checkEnableSecret(Simulator& sim, std::string_view line) {
  if (answerMatches(sim, line, sim.running().enableSecret)) {
    grantPrivileged(sim);
  } else if (tooManyTries(sim)) {
    writeConsoleLine(sim, "% Bad secrets");
    writeConsoleLine(sim, " ");
    refuseEnable(sim);
  }
}

void checkEnablePassword(Simulator& sim, std::string_view line) {
  if (answerMatches(sim, line, sim.running().enablePassword)) {
    grantPrivileged(sim);
  } else if (tooManyTries(sim)) {
    writeConsoleLine(sim, "% Bad secrets");
    writeConsoleLine(sim, " ");
    refuseEnable(sim);
  }
}

void checkConsoleLogin(Simulator& sim, std::string_view line) {
  if (answerMatches(sim, line, sim.running().line(TerminalLine::console).password)) {
    enterMode(sim, CliMode::user);
    writeConsoleLine(sim, sim.running().bannerExec);
    writeConsoleLine(sim, "");
    closeQuestion(sim);
  } else if (tooManyTries(sim)) {
    closeQuestion(sim);
    writeConsoleLine(sim, "% Bad passwords");
    endSession(sim);
  }
}

}  // namespace kovrel

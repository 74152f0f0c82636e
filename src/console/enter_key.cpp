// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/enter_key.h"

#include <algorithm>

#include "base/output.h"
#include "console/access_prompts.h"
#include "console/configure_command.h"
#include "console/copy_dialog.h"
#include "console/dispatch.h"
#include "console/line_editing.h"
#include "console/session.h"
#include "console/telnet_session.h"
#include "console/terminal_command.h"
#include "network/link_messages.h"

namespace kovrel {
namespace {

// A password answer is echoed as its question alone.
void echoInput(Simulator& sim) {
  const std::string shown(sim.console.shownInput());
  sim.console.appendOutput("\r\n" + shown);
  noteEnteredLine(sim, shown);
}

void commandLine(Simulator& sim) {
  echoInput(sim);
  if (sim.router().prompt.empty()) {
    startSession(sim);
  } else {
    manageHistory(sim);
    dispatchCommand(sim, sim.console.input());
  }
  if (sim.interactionPending() == Interaction::none) resetInput(sim);
}

// Each banner line is kept until the one that holds the delimiter, which ends the banner.
void bannerLine(Simulator& sim) {
  echoInput(sim);
  ConsoleFields& console = sim.state.console;
  const std::string line = sim.console.input();
  const auto delimiter =
      console.bannerDelimiter.empty() ? std::string::npos : line.find(console.bannerDelimiter);
  if (delimiter != std::string::npos) {
    RouterConfig& config = sim.running();
    std::string& banner = console.bannerKind == BannerKind::exec    ? config.bannerExec
                          : console.bannerKind == BannerKind::login ? config.bannerLogin
                                                                    : config.bannerMotd;
    banner = console.bannerText + line.substr(0, delimiter);
    sim.router().prompt = modePrompt(sim, CliMode::conf);
    sim.setInteraction(Interaction::none);
  }
  console.bannerText += line + "\r\n";
  resetInput(sim);
}

// Answers to the configure and copy questions go into the history; passwords never do.
template <typename Answer>
void answerQuestion(Simulator& sim, bool recordInHistory, Answer answer) {
  if (recordInHistory) manageHistory(sim);
  echoInput(sim);
  const std::string line = sim.console.input();
  answer(sim, line);
  resetInput(sim);
}

void enterLine(Simulator& sim) {
  switch (sim.interactionPending()) {
    case Interaction::none:
      return commandLine(sim);
    case Interaction::configureSource:
      return answerQuestion(sim, true, answerConfigureSource);
    case Interaction::enableSecret:
      return answerQuestion(sim, false, checkEnableSecret);
    case Interaction::enablePassword:
      return answerQuestion(sim, false, checkEnablePassword);
    case Interaction::consoleLogin:
      return answerQuestion(sim, false, checkConsoleLogin);
    case Interaction::vtyLogin:
      return answerQuestion(sim, false, checkVtyLogin);
    case Interaction::bannerLine:
      return bannerLine(sim);
    case Interaction::copyDialog:
      return answerQuestion(sim, true, copyDialog);
    case Interaction::reloadConfirm:
    case Interaction::eraseConfirm:
    case Interaction::paging:
      return;
  }
}

}  // namespace

// A line may change an interface's state (shutdown, clock rate, a loaded configuration): the
// router tells of it right after the line.
void handleEnter(Simulator& sim) {
  const std::string& input = sim.console.input();
  const std::size_t typedFrom = std::min(typedTextStart(sim), input.size());
  if (input.find_first_not_of(' ', typedFrom) != std::string::npos) {
    ++sim.state.training.linesEntered;
  }
  noteInterfaceStates(sim);
  enterLine(sim);
  announceLinkChanges(sim);
}

}  // namespace kovrel

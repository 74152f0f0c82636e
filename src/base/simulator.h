// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/console_buffer.h"
#include "base/lesson_database.h"
#include "base/platform.h"
#include "base/progress_store.h"
#include "base/router_records.h"
#include "base/training_state.h"

namespace kovrel {

/// Which question the next entered line answers. `none` is an ordinary command line; any other
/// value means the console is busy (a question, a dialog, banner entry or a paged display).
enum class Interaction {
  none = 0,
  configureSource = 1,
  enableSecret = 2,
  enablePassword = 3,
  consoleLogin = 4,
  bannerLine = 5,
  reloadConfirm = 6,
  copyDialog = 7,
  paging = 8,
  vtyLogin = 9,       // the password of a Telnet session's far end
  eraseConfirm = 10,  // erase startup-config: one key answers, as for reload
};

/// The highest code; a new interaction is added before it or moves it.
inline constexpr Interaction kLastInteraction = Interaction::eraseConfirm;

/// The question of the console login and the enable secret; the enable password's first asking
/// writes it in lower case, with the same length.
inline constexpr std::string_view kPasswordQuestion = "Password: ";

inline bool asksForPassword(Interaction value) {
  return value == Interaction::enableSecret || value == Interaction::enablePassword ||
         value == Interaction::consoleLogin || value == Interaction::vtyLogin;
}

/// The answers of the TFTP copy dialog.
struct TftpRequest {
  std::string host;
  std::string sourceFile;
  std::string destinationFile;
};

/// The entered line that an invalid-input reply points into: the line as echoed, where its typed
/// text starts, and the word that the handler's forms refused (none: no single word was).
struct EnteredLine {
  std::string text;
  std::size_t typedFrom = 0;
  std::optional<std::size_t> unmatchedWord;
};

/// The banner that banner entry fills.
enum class BannerKind { motd, exec, login };

/// Console-wide fields: one set for the program, not per router.
struct ConsoleFields {
  Interaction interactionPending = Interaction::none;
  EnteredLine entered;
  BannerKind bannerKind = BannerKind::motd;
  std::string bannerDelimiter;
  std::string bannerText;
  bool helpListingActive = false;
  // Whether a plain line of the open help listing names an implemented command; set by context
  // help, which knows the catalogue, for the output path, which does not.
  std::function<bool(std::string_view line)> helpEmphasis;
  bool escapePending = false;
  // A paste is being typed: the router's imitated pauses are skipped and " --More--" goes on by
  // itself, so that pasted lines run at the console's own speed and none is taken as an answer.
  bool pasting = false;
  int pageLength = 24;
};

/// A Telnet session from the router at the console to the other router: the console works on
/// the far router's vty line until the session closes.
struct TelnetSession {
  std::string address;  // as typed after "telnet"
  RouterId origin = RouterId::a;
  // The session fields (prompt, mode, history, ...) of the router the session started from, and
  // of the far router's own console, kept aside while the Telnet session uses them.
  RouterState originSession;
  RouterState farSession;
};

/// Everything the router program holds for the whole run: the router at the console, the parked
/// routers, the one saved configuration, the console-wide fields and the training state.
struct SimulatorState {
  RouterState current;
  RouterState parkedA;
  RouterState parkedB;
  bool routerBVisited = false;  // RouterB boots on its first visit
  std::optional<TelnetSession> telnet;
  RouterConfig saved;
  RouterConfig saveScratch;
  RouterId currentRouter = RouterId::a;
  ConsoleFields console;
  TftpRequest tftpRequest;
  TrainingState training;
  std::string bootText;
  std::string welcomeText;
  bool errorLoggedThisRun = false;
  // Per failure (function, error number and description): how often it was logged this run.
  std::map<std::string, int> errorRepeats;

  SimulatorState() { parkedB.config.hostname = "RouterB"; }
};

struct CommandGrammars;

/// The engine: state, console texts, lesson database, the student's progress and the platform
/// services it was given.
/// Engine operations are free functions over a `Simulator&`, grouped by subsystem.
class Simulator {
 public:
  explicit Simulator(Services platform) : services(platform), console(platform.view) {}

  Services services;
  ConsoleBuffer console;
  LessonDatabase database;
  ProgressStore progress;  // in memory only until a front-end opens the student's file
  SimulatorState state;
  /// The command tree of every mode, built from the lesson database's catalogue and the handlers'
  /// forms at the first command, and again after the database changed.
  std::shared_ptr<const CommandGrammars> grammars;
  int grammarsGeneration = -1;

  RouterState& router() { return state.current; }
  RouterConfig& running() { return state.current.config; }
  Interaction interactionPending() const { return state.console.interactionPending; }
  /// Opens or closes a question; while a password is asked, what is typed stays off the screen.
  void setInteraction(Interaction value) {
    state.console.interactionPending = value;
    if (asksForPassword(value)) {
      console.hideInputAfter(kPasswordQuestion.size());
    } else {
      console.showAllInput();
    }
  }
};

}  // namespace kovrel

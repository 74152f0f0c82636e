// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/rich_text.h"
#include "shell/terminal/key_event.h"

namespace kovrel {
class Simulator;
}

namespace kovrel::terminal {

/// What a program command leaves for its front-end: lines to show (the front-end's own voice,
/// not router output) and whether the program should end.
struct ProgramCommandResult {
  std::vector<std::string> lines;
  std::vector<StyledRun> richText;  // lesson text after the lines, drawn as the terminal can
  // Lesson text shown only after a " --More--" pause, so that the reader can stop before it (a
  // troubleshooting solution).
  std::vector<StyledRun> afterPause;
  bool quit = false;
  bool openCardViewer = false;  // the flash cards opened: the next keys are the viewer's
  // A command that would replace work the student could lose asks first: it leaves its question
  // here and does nothing, unless the runner says the student has agreed already.
  std::string question;
  bool replaceAgreed = false;
};

/// A program command's action. `arguments` are the words after the command's name.
using ProgramCommandAction = void (*)(Simulator& sim, std::span<const std::string> arguments,
                                      ProgramCommandResult& result);

/// One row of the program command table: the command's words ("quit", "router a"), the names of
/// its arguments ("N"), a one-line summary, and its action. An argument name in brackets
/// ("[NAME...]") may be left out; one ending in "..." takes the rest of the line, blanks and all.
struct ProgramCommand {
  std::string_view name;
  std::vector<std::string_view> argumentNames;
  std::string_view summary;
  ProgramCommandAction run;
};

/// Every program command, in the order `help` lists them.
std::span<const ProgramCommand> programCommands();

/// Asks the student a yes-or-no question; true for yes.
using AskYesNo = std::function<bool(const std::string& question)>;

/// Runs one program command line (the text typed after Ctrl-]). An unknown or malformed command
/// gives one line saying so and changes nothing; a failure inside a command is trapped and logged.
/// A command that would replace a test or scenario in progress runs only when `ask` says yes;
/// without `ask` it does not run.
ProgramCommandResult runProgramCommand(Simulator& sim, std::string_view line,
                                       const AskYesNo& ask = {});

/// The line typed after Ctrl-], edited apart from the router's input line so that the router
/// console keeps what was typed there. It keeps its own history (Up and Down) and completes
/// command names (and lab keys) with Tab.
class ProgramCommandLine {
 public:
  static constexpr std::string_view kPrompt = "program> ";

  void start();
  bool active() const { return active_; }
  const std::string& text() const { return text_; }
  /// The command names a Tab could not choose between, for the front-end to list; cleared by the
  /// next key.
  const std::vector<std::string>& candidates() const { return candidates_; }
  /// Applies one key; returns the finished line on Enter. Esc or Ctrl-C abandon the line (an empty
  /// result, which runs nothing).
  std::optional<std::string> feed(const KeyEvent& event);

 private:
  void browseHistory(int step);
  void complete();

  bool active_ = false;
  std::string text_;
  std::vector<std::string> history_;
  std::size_t historyIndex_ = 0;  // history_.size() while editing a new line
  std::string draft_;             // the new line, kept while the history is browsed
  std::vector<std::string> candidates_;
};

/// The names of the program commands that begin with `text`, in table order, each once; after
/// "lab " the lines that name a lab by its key.
std::vector<std::string> completionsOf(std::string_view text);

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/interactive_terminal.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/paging.h"
#include "base/simulator.h"
#include "shell/terminal/card_viewer.h"
#include "shell/terminal/key_reader.h"
#include "shell/terminal/line_endings.h"
#include "shell/terminal/pasted_keys.h"
#include "shell/terminal/platform_adapters.h"
#include "shell/terminal/program_commands.h"
#include "shell/terminal/raw_mode.h"
#include "shell/terminal/session_start.h"
#include "shell/terminal/terminal_screen.h"
#include "shell/terminal/text_pager.h"

namespace kovrel::terminal {
namespace {

constexpr const char* kHeader =
    " Kovrel Router Simulator - Ctrl-] then: labs, instructions, cards, help or quit ";

void writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;  // the terminal is gone; nothing more can be shown
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

/// A message box on the terminal: the text in reverse video under the output, then a key press
/// stands for the OK button.
class TerminalMessageBox : public MessageBox {
 public:
  TerminalMessageBox(TerminalScreen& screen, KeyReader& keys) : screen_(screen), keys_(keys) {}

  void show(const std::string& text) override {
    std::vector<std::string> lines;
    std::string line;
    for (const char character : text + "\n") {
      if (character == '\n') {
        lines.push_back(std::exchange(line, {}));
      } else if (character != '\r') {
        line.push_back(character);
      }
    }
    lines.push_back("[press any key]");
    screen_.showNotice(lines, true);
    keys_.waitForAnyKey();
  }

 private:
  TerminalScreen& screen_;
  KeyReader& keys_;
};

/// A " --More--" pause on the terminal: the engine has shown it in the input line already.
class TerminalKeyWaiter : public KeyWaiter {
 public:
  explicit TerminalKeyWaiter(KeyReader& keys) : keys_(keys) {}
  int waitForKey() override { return keys_.answerMore(); }

 private:
  KeyReader& keys_;
};

/// Everything one interactive run holds, in the order it must be built.
class InteractiveSession {
 public:
  InteractiveSession(const Options& options, int inputFd, int outputFd)
      : options_(options),
        outputFd_(outputFd),
        screen_([outputFd](std::string_view text) { writeAll(outputFd, text); }, kHeader),
        input_(
            inputFd, true, [this] { followResize(); }, [this] { screen_.refresh(); },
            RawMode::wakeFd()),
        keys_(input_),
        keyWaiter_(keys_),
        messageBox_(screen_, keys_),
        pauser_([this](int milliseconds) { return keys_.escapeSequenceWithin(milliseconds); }),
        startedClock_(options.clockStart.value_or(std::chrono::system_clock::time_point{}),
                      realTimeSinceNow()),
        random_(options.seed),
        errorLog_(applicationFolder(), stateFolder()),
        sim_(Services{screen_, pauser_, keyWaiter_, messageBox_, clock(), random_, errorLog_}) {}

  void run();

 private:
  void followResize();
  void applySize();
  bool handleKey(const KeyEvent& event);
  bool handleProgramKey(const KeyEvent& event);
  bool typePaste();
  void show(const ProgramCommandResult& result);
  void showCardViewer();
  Clock& clock() { return options_.clockStart ? static_cast<Clock&>(startedClock_) : systemClock_; }

  const Options& options_;
  int outputFd_;
  TerminalScreen screen_;
  FdByteSource input_;
  KeyReader keys_;
  TerminalKeyWaiter keyWaiter_;
  TerminalMessageBox messageBox_;
  SleepingPauser pauser_;
  SystemClock systemClock_;
  StartedClock startedClock_;
  SeededRandom random_;
  FileErrorLog errorLog_;
  Simulator sim_;
  ProgramCommandLine programLine_;
  CardViewer cards_;
};

void InteractiveSession::applySize() {
  const TerminalSize size = terminalSize(outputFd_);
  screen_.resize(size.columns);
  sim_.state.console.pageLength = options_.pageLength.value_or(pageLengthForRows(size.rows));
}

void InteractiveSession::followResize() {
  if (RawMode::takeResize()) applySize();
  if (RawMode::takeRedraw()) {
    // Whatever the shell printed while the run was stopped goes; the console's last screenful
    // comes back.
    const TerminalSize size = terminalSize(outputFd_);
    screen_.outputReplaced(
        std::string(lastLines(sim_.console.output(), static_cast<std::size_t>(size.rows - 2))));
  }
}

// Returns whether the program should end.
bool InteractiveSession::handleProgramKey(const KeyEvent& event) {
  const std::optional<std::string> line = programLine_.feed(event);
  std::string candidates;
  for (const std::string& name : programLine_.candidates()) candidates += "  " + name;
  if (!candidates.empty()) screen_.showNotice({candidates.substr(2)}, false);
  if (!line) {
    screen_.showProgramLine(std::string(ProgramCommandLine::kPrompt) + programLine_.text());
    return false;
  }
  screen_.showProgramLine(std::nullopt);
  const ProgramCommandResult result =
      runProgramCommand(sim_, *line, [this](const std::string& question) {
        screen_.showNotice({question}, true);
        screen_.showProgramLine("(y/n) ");
        const int answer = keys_.answerMore();
        screen_.showProgramLine(std::nullopt);
        return answer == 'y' || answer == 'Y';
      });
  show(result);
  if (result.openCardViewer) cards_.open();
  showCardViewer();
  return result.quit;
}

// Program command replies page like the router's long displays, the pause in the input line.
void InteractiveSession::show(const ProgramCommandResult& result) {
  const std::size_t columns =
      options_.columns ? static_cast<std::size_t>(*options_.columns) : screen_.columns();
  pageText(
      layOut(result, {true, std::min(columns, screen_.columns())}),
      static_cast<std::size_t>(sim_.state.console.pageLength),
      [this](std::span<const std::string> lines) { screen_.showRenderedLines(lines); },
      [this] {
        screen_.showProgramLine(std::string(kMorePrompt));
        const int answer = keys_.answerMore();
        screen_.showProgramLine(std::nullopt);
        return answer;
      });
}

// While the viewer has the keys, the input line says so; when it closes, the prompt comes back.
void InteractiveSession::showCardViewer() {
  screen_.showProgramLine(cards_.active() ? std::optional(CardViewer::statusLine(sim_))
                                          : std::nullopt);
}

// Returns whether the program should end.
bool InteractiveSession::handleKey(const KeyEvent& event) {
  if (programLine_.active()) return handleProgramKey(event);
  if (event.kind == KeyEventKind::programCommand) {
    cards_.close();
    programLine_.start();
    screen_.showProgramLine(std::string(ProgramCommandLine::kPrompt));
  } else if (cards_.active()) {
    show(cards_.feed(sim_, event));
    showCardViewer();
  } else {
    deliverKey(sim_, event);
  }
  return false;
}

// A paste is typed at the console's own speed and drawn a line at a time; Esc or Ctrl-C typed
// meanwhile stops it before its next line. Returns whether the program should end.
bool InteractiveSession::typePaste() {
  bool quit = false;
  screen_.holdDrawing(true);
  const PasteResult result = typePastedKeys(
      sim_, keys_.takePaste(), [this](const KeyEvent& key) { return handleKey(key); },
      [this] {
        screen_.holdDrawing(true);  // draws what the lines before showed
        return keys_.takeCancelKey();
      },
      quit);
  screen_.holdDrawing(false);
  if (result.cancelled() && !quit) screen_.showNotice({pasteCancelledNotice(result)}, false);
  return quit;
}

void InteractiveSession::run() {
  applySize();
  startProgram(sim_, options_);
  while (const std::optional<KeyEvent> event = keys_.next()) {
    const bool quit = event->kind == KeyEventKind::pasteStart ? typePaste() : handleKey(*event);
    if (quit) break;
  }
  screen_.finish();
}

}  // namespace

int pageLengthForRows(int rows) { return std::max(rows - 1, 1); }

int runInteractive(const Options& options, int inputFd, int outputFd) {
  RawMode raw(inputFd, outputFd);
  InteractiveSession session(options, inputFd, outputFd);
  session.run();
  return 0;
}

}  // namespace kovrel::terminal

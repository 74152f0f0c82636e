// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <deque>
#include <string>
#include <vector>

#include "base/platform.h"
#include "base/simulator.h"

namespace kovrel::testing {

/// Records everything the engine asks of the platform, so tests assert behaviour without sleeping
/// or drawing: pauses, message boxes, error-log lines, emphasised output.
class FakePlatform : public ConsoleView,
                     public Pauser,
                     public KeyWaiter,
                     public MessageBox,
                     public Clock,
                     public RandomSource,
                     public ErrorLogSink {
 public:
  // ConsoleView
  void outputAppended(const std::string& text, bool emphasised) override;
  void outputReplaced(const std::string& text) override;
  void inputChanged(const std::string& text, std::size_t caret) override {
    shownInput = text;
    shownCaret = caret;
  }
  void refresh() override { ++refreshes; }
  // Pauser
  void pause(int milliseconds) override { pauses.push_back(milliseconds); }
  // KeyWaiter: answers from `pagingKeys`, then "q".
  int waitForKey() override;
  // MessageBox
  void show(const std::string& text) override { messages.push_back(text); }
  // Clock
  std::chrono::system_clock::time_point now() override { return clockNow; }
  // RandomSource: cycles through `randomValues` (0.5 when empty).
  double nextUnit() override;
  // ErrorLogSink
  std::string write(const std::vector<std::string>& lines, bool truncate) override;

  Services services() { return Services{*this, *this, *this, *this, *this, *this, *this}; }

  std::string shownInput;  // the input line as the window shows it
  std::size_t shownCaret = 0;
  std::vector<int> pauses;
  std::deque<int> pagingKeys;
  int keysWaitedFor = 0;
  std::vector<std::string> messages;
  std::vector<std::string> errorLines;
  std::vector<std::string> emphasised;  // emphasised output texts, in order
  std::string transcript;      // everything appended; a replaced output starts with a form feed
  bool logUnwritable = false;  // every write of the error log fails
  int truncations = 0;
  int refreshes = 0;
  int replacements = 0;
  std::chrono::system_clock::time_point clockNow{std::chrono::seconds(1'800'000'000)};
  std::vector<double> randomValues;
  std::size_t nextRandom = 0;
};

/// A simulator on a fake platform with the lesson database built from data/, booted to
/// "Press RETURN to get started." Helpers type keys and read what was written since the last mark.
class SimulatorFixture {
 public:
  explicit SimulatorFixture(bool withDatabase = true);

  /// Types the text and presses Enter.
  void enter(std::string_view line);
  /// Types characters without Enter ('\r' is Enter, '\t' Tab, '\b' Backspace).
  void type(std::string_view text);
  /// Presses a key with Ctrl held (letter 'A'..'Z').
  void ctrl(char letter);
  /// Output appended since the last call (or since the fixture was made), CR LF as "\n", with
  /// each invalid-input marker that stands under the start of a word of the line above it
  /// written as the blank line it replaced (markers anywhere else stay, and fail the comparison).
  std::string newOutput();
  /// The same with the markers as drawn.
  std::string newOutputWithMarkers();
  /// Boots a session: Return at "Press RETURN to get started.", then `enable` (and `configure
  /// terminal` when `mode` is conf).
  void startSession(CliMode mode = CliMode::user);

  const std::string& input() const { return sim.console.input(); }
  const std::string& prompt() const { return sim.state.current.prompt; }
  CliMode mode() const { return sim.state.current.mode; }
  RouterConfig& running() { return sim.state.current.config; }

  FakePlatform platform;
  Simulator sim;

 private:
  std::size_t mark_ = 0;
  int replacementsSeen_ = 0;
};

}  // namespace kovrel::testing

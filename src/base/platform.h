// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace kovrel {

/// What the engine tells the console window. The engine owns the output text and the input line;
/// a view only renders them, so every front-end shows the same console.
class ConsoleView {
 public:
  virtual ~ConsoleView() = default;
  /// Text was appended at the end of the output (emphasised: shown bold or highlighted).
  virtual void outputAppended(const std::string& text, bool emphasised) = 0;
  /// The whole output was replaced (boot, router switch).
  virtual void outputReplaced(const std::string& text) = 0;
  /// The input line (prompt plus typed text) or its caret changed.
  virtual void inputChanged(const std::string& text, std::size_t caret) = 0;
  /// Repaint now: a pause follows.
  virtual void refresh() = 0;
};

/// Sleeps the one thread for the pauses the router imitates on purpose.
class Pauser {
 public:
  virtual ~Pauser() = default;
  virtual void pause(int milliseconds) = 0;
  /// A pause the student may cut short with the router's escape sequence (Ctrl-^, that is
  /// Ctrl-Shift-6, or Ctrl-C): true when they did, and the key is taken. A front-end that cannot
  /// tell lets the pause run its course.
  virtual bool pauseUnlessEscaped(int milliseconds) {
    pause(milliseconds);
    return false;
  }
};

/// Waits for one key during a " --More--" pause and returns its character code.
class KeyWaiter {
 public:
  virtual ~KeyWaiter() = default;
  virtual int waitForKey() = 0;
};

/// A modal message with an OK button.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void show(const std::string& text) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::system_clock::time_point now() = 0;
};

/// Random numbers for cosmetic values only (timer countdowns, route age, ping times).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  /// A number in [0, 1).
  virtual double nextUnit() = 0;
};

/// Where error reports go. `truncate` is true for the first report of a run.
class ErrorLogSink {
 public:
  virtual ~ErrorLogSink() = default;
  /// Writes the lines and returns the full path of the log for the user's message.
  virtual std::string write(const std::vector<std::string>& lines, bool truncate) = 0;
};

/// The platform services the engine is given. The engine never sleeps, draws or reads the clock
/// on its own, so tests run headless and deterministic.
struct Services {
  ConsoleView& view;
  Pauser& pauser;
  KeyWaiter& keyWaiter;
  MessageBox& messageBox;
  Clock& clock;
  RandomSource& random;
  ErrorLogSink& errorLog;
};

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/terminal/key_event.h"
#include "shell/terminal/program_commands.h"

namespace kovrel::terminal {

/// The flash-card viewer on single keys, as its buttons are on the desktop: after `cards` the
/// front-end hands it every key until Esc, q or Ctrl-C. Space or Enter reveals the answer, n or
/// Right goes to the next card, b or Left back; any other key shows the keys again.
class CardViewer {
 public:
  void open() { active_ = true; }
  void close() { active_ = false; }
  bool active() const { return active_; }

  /// Applies one key and returns what to show; Esc or q closes the viewer.
  ProgramCommandResult feed(Simulator& sim, const KeyEvent& event);

  /// What the input line shows while the viewer has the keys: the card's place and the keys.
  static std::string statusLine(const Simulator& sim);

 private:
  bool active_ = false;
};

}  // namespace kovrel::terminal

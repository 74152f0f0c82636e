// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <termios.h>

namespace kovrel::terminal {

/// Puts a terminal in raw mode with bracketed paste for the life of the object and restores it on
/// every way out: the destructor, and the signals that end the program (the handler restores,
/// then lets the signal take its course). Ctrl-C and Ctrl-Z reach the router as keys, as on the
/// real console; a stop from outside (SIGTSTP) gives the shell its terminal back first, and a
/// continue takes it again and asks for the screen to be drawn anew.
class RawMode {
 public:
  /// `fd` is the terminal's input; the switches of bracketed paste go to `outputFd`.
  RawMode(int fd, int outputFd);
  ~RawMode();
  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;

  bool active() const { return active_; }

  /// Whether the window changed size since the last call; clears the flag.
  static bool takeResize();
  /// Whether the run was continued after a stop since the last call (the screen must be drawn
  /// anew); clears the flag.
  static bool takeRedraw();
  /// A pipe end that becomes readable when a signal asks for a resize or a redraw, so that a wait
  /// for keys ends even when the signal came just before it began; -1 without raw mode.
  static int wakeFd();

 private:
  int fd_;
  int outputFd_;
  bool active_ = false;
};

/// The terminal's size in columns and rows; 80 by 24 when it cannot be asked.
struct TerminalSize {
  int columns = 80;
  int rows = 24;
};
TerminalSize terminalSize(int fd);

}  // namespace kovrel::terminal

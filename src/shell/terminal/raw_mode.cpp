// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/raw_mode.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <utility>

namespace kovrel::terminal {
namespace {

// A signal handler can reach nothing but process-wide storage, so the settings to restore and the
// resize flag live here, written only before the handlers are armed and by the handlers.
struct SavedTerminal {
  int fd = -1;
  int outputFd = -1;
  termios settings{};
  termios raw{};
};
SavedTerminal savedTerminal;
volatile std::sig_atomic_t resizePending = 0;
volatile std::sig_atomic_t redrawPending = 0;
// Written by the handlers that ask for a redraw, read by the wait for keys (`RawMode::wakeFd`).
int wakePipe[2] = {-1, -1};

constexpr std::array<int, 8> kEndingSignals = {SIGTERM, SIGHUP,  SIGINT, SIGQUIT,
                                               SIGABRT, SIGSEGV, SIGBUS, SIGFPE};
// Pasted text arrives between ESC [ 200 ~ and ESC [ 201 ~ while bracketed paste is on, so the
// front-end can tell it from typing. A shell after us must not get the marks, so every way out
// switches it off.
constexpr char kBracketedPasteOn[] = "\x1b[?2004h";
constexpr char kBracketedPasteOff[] = "\x1b[?2004l";
constexpr char kResetAttributes[] = "\x1b[0m\r\n";

void writeRaw(int fd, const char* text, std::size_t size) {
  [[maybe_unused]] const ssize_t ignored = write(fd, text, size);
}

// Only async-signal-safe calls in the handlers below.
void restoreTerminal() {
  tcsetattr(savedTerminal.fd, TCSAFLUSH, &savedTerminal.settings);
  writeRaw(savedTerminal.outputFd, kBracketedPasteOff, sizeof kBracketedPasteOff - 1);
  writeRaw(savedTerminal.outputFd, kResetAttributes, sizeof kResetAttributes - 1);
}

void enterRawMode() {
  tcsetattr(savedTerminal.fd, TCSAFLUSH, &savedTerminal.raw);
  writeRaw(savedTerminal.outputFd, kBracketedPasteOn, sizeof kBracketedPasteOn - 1);
}

void restoreAndReraise(int signalNumber) {
  restoreTerminal();
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
}

void installHandler(int signalNumber, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a blocking wait returns and the screen is redrawn
  sigaction(signalNumber, &action, nullptr);
}

// Continued after any stop, even one that could not be caught (SIGSTOP): the shell has had the
// terminal in its own modes meanwhile, and the screen holds whatever it printed.
void wakeUp() {
  if (wakePipe[1] >= 0) writeRaw(wakePipe[1], "!", 1);
}

void resume(int) {
  enterRawMode();
  redrawPending = 1;
  wakeUp();
}

// Stopped from outside (kill -TSTP, or a shell's suspend): the shell gets its terminal back as it
// left it, and the run stops until it is continued.
void suspend(int) {
  restoreTerminal();
  signal(SIGTSTP, SIG_DFL);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
  raise(SIGTSTP);
  // Continued, or never stopped at all (a process group without a shell ignores the stop): the
  // terminal is taken back either way.
  installHandler(SIGTSTP, suspend);
  resume(SIGCONT);
}

void noteResize(int) {
  resizePending = 1;
  wakeUp();
}

}  // namespace

RawMode::RawMode(int fd, int outputFd) : fd_(fd), outputFd_(outputFd) {
  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) return;
  const termios original = settings;
  settings.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
  settings.c_cflag |= CS8;
  settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  savedTerminal = SavedTerminal{fd_, outputFd_, original, settings};
  if (pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) wakePipe[0] = wakePipe[1] = -1;
  for (const int signalNumber : kEndingSignals) installHandler(signalNumber, restoreAndReraise);
  installHandler(SIGWINCH, noteResize);
  installHandler(SIGTSTP, suspend);
  installHandler(SIGCONT, resume);
  active_ = tcsetattr(fd_, TCSAFLUSH, &settings) == 0;
  if (active_) writeRaw(outputFd_, kBracketedPasteOn, sizeof kBracketedPasteOn - 1);
}

RawMode::~RawMode() {
  if (!active_) return;
  writeRaw(outputFd_, kBracketedPasteOff, sizeof kBracketedPasteOff - 1);
  tcsetattr(fd_, TCSAFLUSH, &savedTerminal.settings);
  for (const int signalNumber : kEndingSignals) signal(signalNumber, SIG_DFL);
  signal(SIGWINCH, SIG_DFL);
  signal(SIGTSTP, SIG_DFL);
  signal(SIGCONT, SIG_DFL);
  for (int& end : wakePipe) close(std::exchange(end, -1));
}

int RawMode::wakeFd() { return wakePipe[0]; }

bool RawMode::takeResize() {
  const bool pending = resizePending != 0;
  resizePending = 0;
  return pending;
}

bool RawMode::takeRedraw() {
  const bool pending = redrawPending != 0;
  redrawPending = 0;
  return pending;
}

TerminalSize terminalSize(int fd) {
  winsize size{};
  TerminalSize result;
  if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
    result.columns = size.ws_col;
    result.rows = size.ws_row;
  }
  return result;
}

}  // namespace kovrel::terminal

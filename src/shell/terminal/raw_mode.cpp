#include "shell/terminal/raw_mode.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace kovrel::terminal {
namespace {

// A signal handler can reach nothing but process-wide storage, so the settings to restore and the
// resize flag live here, written only before the handlers are armed and by the handlers.
struct SavedTerminal {
  int fd = -1;
  int outputFd = -1;
  termios settings{};
};
SavedTerminal savedTerminal;
volatile std::sig_atomic_t resizePending = 0;

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

void restoreAndReraise(int signalNumber) {
  // Only async-signal-safe calls here.
  tcsetattr(savedTerminal.fd, TCSAFLUSH, &savedTerminal.settings);
  writeRaw(savedTerminal.outputFd, kBracketedPasteOff, sizeof kBracketedPasteOff - 1);
  writeRaw(savedTerminal.outputFd, kResetAttributes, sizeof kResetAttributes - 1);
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
}

void noteResize(int) { resizePending = 1; }

void installHandler(int signalNumber, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a blocking wait returns and the screen is redrawn
  sigaction(signalNumber, &action, nullptr);
}

}  // namespace

RawMode::RawMode(int fd, int outputFd) : fd_(fd), outputFd_(outputFd) {
  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) return;
  savedTerminal = SavedTerminal{fd_, outputFd_, settings};
  settings.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
  settings.c_cflag |= CS8;
  settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  for (const int signalNumber : kEndingSignals) installHandler(signalNumber, restoreAndReraise);
  installHandler(SIGWINCH, noteResize);
  active_ = tcsetattr(fd_, TCSAFLUSH, &settings) == 0;
  if (active_) writeRaw(outputFd_, kBracketedPasteOn, sizeof kBracketedPasteOn - 1);
}

RawMode::~RawMode() {
  if (!active_) return;
  writeRaw(outputFd_, kBracketedPasteOff, sizeof kBracketedPasteOff - 1);
  tcsetattr(fd_, TCSAFLUSH, &savedTerminal.settings);
  for (const int signalNumber : kEndingSignals) signal(signalNumber, SIG_DFL);
  signal(SIGWINCH, SIG_DFL);
}

bool RawMode::takeResize() {
  const bool pending = resizePending != 0;
  resizePending = 0;
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

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
  termios settings{};
};
SavedTerminal savedTerminal;
volatile std::sig_atomic_t resizePending = 0;

constexpr std::array<int, 8> kEndingSignals = {SIGTERM, SIGHUP,  SIGINT, SIGQUIT,
                                               SIGABRT, SIGSEGV, SIGBUS, SIGFPE};
constexpr char kResetAttributes[] = "\x1b[0m\r\n";

void restoreAndReraise(int signalNumber) {
  // Only async-signal-safe calls here.
  tcsetattr(savedTerminal.fd, TCSAFLUSH, &savedTerminal.settings);
  [[maybe_unused]] const ssize_t ignored =
      write(STDOUT_FILENO, kResetAttributes, sizeof kResetAttributes - 1);
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

RawMode::RawMode(int fd) : fd_(fd) {
  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) return;
  savedTerminal = SavedTerminal{fd_, settings};
  settings.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
  settings.c_cflag |= CS8;
  settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  for (const int signalNumber : kEndingSignals) installHandler(signalNumber, restoreAndReraise);
  installHandler(SIGWINCH, noteResize);
  active_ = tcsetattr(fd_, TCSAFLUSH, &settings) == 0;
}

RawMode::~RawMode() {
  if (!active_) return;
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

// SPDX-License-Identifier: GPL-3.0-or-later
// kovrel-term on a pseudo-terminal, as a student's terminal runs it: stopped and continued from
// outside, and a long paste cancelled with Ctrl-C.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <utility>

namespace kovrel::testing {
namespace {

constexpr int kWaitMilliseconds = 20000;  // a slow sanitizer build under load, never reached

/// kovrel-term interactive on a pseudo-terminal of 80 by 24; the test types into it and reads
/// what it draws.
class TerminalUnderTest {
 public:
  TerminalUnderTest() {
    winsize size{};
    size.ws_col = 80;
    size.ws_row = 24;
    openpty(&master_, &slave_, nullptr, nullptr, &size);
    child_ = fork();
    if (child_ == 0) {
      // A process group of its own in this session, as a shell starts a job: a stop then stops
      // it (a group without a parent in the session would ignore SIGTSTP).
      setpgid(0, 0);
      for (const int fd : {0, 1, 2}) dup2(slave_, fd);
      close(master_);
      setenv("TERM", "xterm", 1);
      execl(KOVREL_TERM_BINARY, KOVREL_TERM_BINARY, "--db", KOVREL_TRANSCRIPT_DATABASE, nullptr);
      _exit(127);
    }
  }
  ~TerminalUnderTest() {
    if (child_ > 0) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    close(slave_);
    close(master_);
  }

  void type(std::string_view bytes) {
    // Written while reading, so that a long paste never fills both directions at once.
    while (!bytes.empty()) {
      pollfd request[1] = {{master_, POLLIN | POLLOUT, 0}};
      if (poll(request, 1, kWaitMilliseconds) <= 0) return;
      if ((request[0].revents & POLLIN) != 0) readSome();
      if ((request[0].revents & POLLOUT) == 0) continue;
      const ssize_t written =
          write(master_, bytes.data(), std::min<std::size_t>(bytes.size(), 512));
      if (written > 0) bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  /// Reads until the output since the last call holds `text`; the output from there on, or
  /// nothing when the program stopped drawing.
  std::string waitFor(std::string_view text) {
    for (std::size_t found; (found = shown_.find(text)) == std::string::npos;) {
      pollfd request{master_, POLLIN, 0};
      if (poll(&request, 1, kWaitMilliseconds) <= 0 || !readSome()) return {};
    }
    shown_.erase(0, shown_.find(text));
    std::string from = shown_;
    shown_.erase(0, text.size());
    return from;
  }

  /// Whether the terminal is in the shell's line mode (canonical input, echo) rather than raw.
  bool lineMode() const {
    termios settings{};
    tcgetattr(slave_, &settings);
    return (settings.c_lflag & ICANON) != 0 && (settings.c_lflag & ECHO) != 0;
  }

  pid_t child() const { return child_; }
  /// Waits for the program to end; its exit status, or -1 when a signal ended it.
  int exitStatus() {
    int status = 0;
    waitpid(std::exchange(child_, -1), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  bool readSome() {
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got <= 0) return false;
    shown_.append(buffer, static_cast<std::size_t>(got));
    return true;
  }

  pid_t child_ = -1;
  int master_ = -1;
  int slave_ = -1;
  std::string shown_;
};

TEST(PseudoTerminal, StopAndContinueGiveTheTerminalBackAndTakeItAgain) {
  TerminalUnderTest term;
  ASSERT_FALSE(term.waitFor("Press RETURN to get started").empty());
  EXPECT_FALSE(term.lineMode());
  kill(term.child(), SIGTSTP);
  int status = 0;
  ASSERT_EQ(waitpid(term.child(), &status, WUNTRACED), term.child());
  EXPECT_TRUE(WIFSTOPPED(status));
  EXPECT_FALSE(term.waitFor("\x1b[?2004l").empty()) << "bracketed paste off for the shell";
  EXPECT_TRUE(term.lineMode());
  kill(term.child(), SIGCONT);
  // The screen is drawn anew, raw mode and bracketed paste are back, and keys reach the router
  // at once, each shown once.
  EXPECT_FALSE(term.waitFor("\x1b[?2004h").empty());
  EXPECT_FALSE(term.waitFor("\x1b[2J").empty());
  EXPECT_FALSE(term.waitFor("Press RETURN to get started").empty());
  EXPECT_FALSE(term.lineMode());
  term.type("\renable\r");
  EXPECT_FALSE(term.waitFor("Router#").empty());
}

// Ctrl-C after a paste stops it before its next line; the lines typed stay and the rest are
// counted.
TEST(PseudoTerminal, CtrlCCancelsALongPaste) {
  TerminalUnderTest term;
  ASSERT_FALSE(term.waitFor("Press RETURN to get started").empty());
  term.type("\renable\r");
  ASSERT_FALSE(term.waitFor("Router#").empty());
  std::string paste = "\x1b[200~configure terminal\r";
  for (int line = 1; line < 2000; ++line) paste += "hostname H" + std::to_string(line) + "\r";
  term.type(paste + "\x1b[201~\x03");
  const std::string cancelled = term.waitFor("Paste cancelled: ");
  ASSERT_FALSE(cancelled.empty());
  int untyped = 0;
  int typed = 0;
  ASSERT_EQ(std::sscanf(cancelled.c_str(), "Paste cancelled: %d", &untyped), 1) << cancelled;
  ASSERT_EQ(std::sscanf(cancelled.c_str() + cancelled.find('('), "(%d", &typed), 1) << cancelled;
  EXPECT_EQ(untyped + typed, 2000);
  term.type("\x1dquit\r");
  EXPECT_EQ(term.exitStatus(), 0);
}

}  // namespace
}  // namespace kovrel::testing

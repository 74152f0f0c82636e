// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/terminal/byte_decoder.h"

namespace kovrel::terminal {

/// Where key bytes come from: a pipe, a file or the terminal.
class ByteSource {
 public:
  enum class Status { data, timedOut, ended };

  virtual ~ByteSource() = default;
  /// Reads up to `size` bytes into `buffer`. With `briefly` set, gives up after a short wait
  /// (used to tell Esc pressed alone from the start of a sequence); otherwise waits for input.
  virtual Status read(char* buffer, std::size_t size, std::size_t& count, bool briefly) = 0;
  /// Whether a read would find bytes (or the end of input) at once.
  virtual bool ready() = 0;
  /// Waits up to `milliseconds` for input; true when some is there (or the source cannot wait).
  virtual bool waitForInput(int /*milliseconds*/) { return true; }
};

/// Reads a file descriptor. A source that `waitsBriefly` (a terminal) answers `timedOut` when no
/// byte comes within the Esc delay; otherwise every read blocks, so a piped run decodes the same
/// way however fast its bytes arrive. `onInterrupted` runs when a signal interrupts the wait or
/// writes to `wakeFd` (a pipe the signal handlers write to), and `beforeWaiting` before a read
/// that will wait for the user (what is drawn must show by then).
class FdByteSource : public ByteSource {
 public:
  FdByteSource(int fd, bool waitsBriefly, std::function<void()> onInterrupted = {},
               std::function<void()> beforeWaiting = {}, int wakeFd = -1)
      : fd_(fd),
        waitsBriefly_(waitsBriefly),
        onInterrupted_(std::move(onInterrupted)),
        beforeWaiting_(std::move(beforeWaiting)),
        wakeFd_(wakeFd) {}

  Status read(char* buffer, std::size_t size, std::size_t& count, bool briefly) override;
  bool ready() override;
  bool waitForInput(int milliseconds) override;

 private:
  bool waitForByte(bool briefly);

  int fd_;
  bool waitsBriefly_;
  std::function<void()> onInterrupted_;
  std::function<void()> beforeWaiting_;
  int wakeFd_;
};

/// Reads a fixed string, for tests.
class StringByteSource : public ByteSource {
 public:
  explicit StringByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
  Status read(char* buffer, std::size_t size, std::size_t& count, bool briefly) override;
  bool ready() override { return true; }

 private:
  std::string bytes_;
  std::size_t position_ = 0;
};

/// The one queue of key events that both the main loop and a " --More--" pause take from, so
/// keys typed ahead are never lost or read twice. Pasted text (between the marks of bracketed
/// paste) is gathered whole: the front-end types it line by line, and keys typed meanwhile come
/// after it, where Esc or Ctrl-C can be seen while the paste is still being typed.
class KeyReader {
 public:
  explicit KeyReader(ByteSource& source) : source_(source) {}

  /// The next key event, or nothing once input has ended. A paste comes as one `pasteStart`
  /// event; its keys are then taken with `takePaste`.
  std::optional<KeyEvent> next();
  bool ended() const { return ended_ && queue_.empty() && !heldBack_; }
  /// The keys of the paste that `next` announced last, its marks left out.
  std::vector<KeyEvent> takePaste() { return std::exchange(paste_, {}); }

  /// The answer to a " --More--" pause, as a character code: the next key's, or 'q' once input
  /// has ended. Ctrl-] ends the display ('q') and stays for the program line; a paste answers
  /// Space and stays for the console, so it loses none of its letters.
  int answerMore();
  /// Waits for any key (the OK of a message box); a paste is not taken as one and stays.
  void waitForAnyKey();
  /// Reads what input has arrived, without waiting, and takes out an Esc or Ctrl-C typed before
  /// the next paste: whether one was there. Every other key stays queued.
  bool takeCancelKey();

  /// Takes the next key when it is the router's escape sequence (Ctrl-^ or Ctrl-C) and says
  /// whether it was; any other key stays queued for the console.
  bool takeEscapeSequence();
  /// Waits up to `milliseconds` for the escape sequence and takes it from among the keys typed;
  /// false when the time ran out or input ended first. The other keys stay queued.
  bool escapeSequenceWithin(int milliseconds);

 private:
  std::optional<KeyEvent> nextEvent();
  void decode(ByteSource::Status status, const char* buffer, std::size_t count);
  void readArrived();  // decodes what input has arrived, without waiting
  bool takeQueuedEscape();
  void gatherPaste();

  ByteSource& source_;
  ByteDecoder decoder_;
  std::deque<KeyEvent> queue_;
  std::optional<KeyEvent> heldBack_;  // a paste or Ctrl-], returned by the next `next`
  std::vector<KeyEvent> paste_;
  bool ended_ = false;
};

}  // namespace kovrel::terminal

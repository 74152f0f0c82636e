#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>

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
};

/// Reads a file descriptor. A source that `waitsBriefly` (a terminal) answers `timedOut` when no
/// byte comes within the Esc delay; otherwise every read blocks, so a piped run decodes the same
/// way however fast its bytes arrive. `onInterrupted` runs when a signal interrupts the wait.
class FdByteSource : public ByteSource {
 public:
  FdByteSource(int fd, bool waitsBriefly, std::function<void()> onInterrupted = {})
      : fd_(fd), waitsBriefly_(waitsBriefly), onInterrupted_(std::move(onInterrupted)) {}

  Status read(char* buffer, std::size_t size, std::size_t& count, bool briefly) override;

 private:
  bool waitForByte(bool briefly);

  int fd_;
  bool waitsBriefly_;
  std::function<void()> onInterrupted_;
};

/// Reads a fixed string, for tests.
class StringByteSource : public ByteSource {
 public:
  explicit StringByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
  Status read(char* buffer, std::size_t size, std::size_t& count, bool briefly) override;

 private:
  std::string bytes_;
  std::size_t position_ = 0;
};

/// The one queue of key events that both the main loop and a " --More--" pause take from, so
/// keys typed ahead are never lost or read twice. The marks around pasted text are taken here:
/// they are no keys, but they tell whether the keys come from a paste.
class KeyReader {
 public:
  explicit KeyReader(ByteSource& source) : source_(source) {}

  /// The next key event, or nothing once input has ended.
  std::optional<KeyEvent> next();
  bool ended() const { return ended_ && queue_.empty(); }
  /// Whether the last key came from pasted text whose end has not been read yet.
  bool pasting() const { return pasting_; }

  /// The answer to a " --More--" pause, as a character code: the next key's, or 'q' once input
  /// has ended. Ctrl-] ends the display ('q') and stays queued for the program line. A pause that
  /// opens while pasted text is still arriving is answered with Space, and the pasted keys stay
  /// queued for the console, so the paste loses none of its letters.
  int answerMore();

 private:
  std::optional<KeyEvent> nextEvent();

  ByteSource& source_;
  ByteDecoder decoder_;
  std::deque<KeyEvent> queue_;
  bool ended_ = false;
  bool pasting_ = false;
};

}  // namespace kovrel::terminal

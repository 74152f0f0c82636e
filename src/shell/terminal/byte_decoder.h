// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/terminal/key_event.h"

namespace kovrel::terminal {

/// The desktop key code of a printable character on a US keyboard: letters give their upper-case
/// letter, digits themselves, Space 32, punctuation the code of the key that carries it. Keeping
/// punctuation off the ASCII codes matters: "." is 46, the code of Delete.
int keyCodeFor(char character);

/// Turns the bytes a VT100/xterm terminal sends into key events, one byte at a time, so the same
/// decoder serves a pipe and a raw terminal. CR, LF and CR LF are one Enter; an Esc sequence
/// waits for its next bytes, and `flush` settles it when no more input comes.
class ByteDecoder {
 public:
  /// Appends the events that `byte` completes.
  void feed(unsigned char byte, std::vector<KeyEvent>& events);
  /// Input ended or paused: a waiting ESC is Esc pressed on its own, and the bytes of an
  /// unfinished sequence are typed as they are.
  void flush(std::vector<KeyEvent>& events);
  /// Whether bytes of an unfinished Esc sequence are waiting.
  bool pending() const { return state_ != State::ground; }

 private:
  enum class State { ground, escape, controlSequence, singleShift };

  void feedGround(unsigned char byte, std::vector<KeyEvent>& events);
  void feedEscape(unsigned char byte, std::vector<KeyEvent>& events);
  void feedControlSequence(unsigned char byte, std::vector<KeyEvent>& events);
  void feedSingleShift(unsigned char byte, std::vector<KeyEvent>& events);
  void finishSequence(std::vector<KeyEvent>& events);

  State state_ = State::ground;
  std::string sequence_;           // the bytes after ESC of the sequence being read
  bool sequenceOverlong_ = false;  // the sequence being read outgrew `sequence_` and is dropped
  bool afterCarriageReturn_ = false;
};

/// Decodes a whole byte string, as if input ended after it.
std::vector<KeyEvent> decodeBytes(std::string_view bytes);

}  // namespace kovrel::terminal

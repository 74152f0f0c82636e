// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/byte_decoder.h"

#include <array>
#include <cctype>
#include <utility>

#include "console/keyboard.h"

namespace kovrel::terminal {
namespace {

// The desktop's key codes of the punctuation keys; a shifted character shares its key's code.
constexpr std::array<std::pair<std::string_view, int>, 13> kPunctuationKeys = {{
    {")!@#$%^&*(", -1},  // the digit row: the code of the digit under the character
    {";:", 186},
    {"=+", 187},
    {",<", 188},
    {"-_", 189},
    {".>", 190},
    {"/?", 191},
    {"`~", 192},
    {"[{", 219},
    {"\\|", 220},
    {"]}", 221},
    {"'\"", 222},
    {" ", key::kSpace},
}};

// The ends of the sequences a terminal sends for the editing keys, after "ESC [" or "ESC O".
struct SequenceKey {
  std::string_view sequence;
  int keyCode;
};
constexpr std::array<SequenceKey, 16> kSequenceKeys = {{
    {"[A", key::kUp},
    {"[B", key::kDown},
    {"[C", key::kRight},
    {"[D", key::kLeft},
    {"OA", key::kUp},
    {"OB", key::kDown},
    {"OC", key::kRight},
    {"OD", key::kLeft},
    {"[H", key::kHome},
    {"OH", key::kHome},
    {"[1~", key::kHome},
    {"[7~", key::kHome},
    {"[F", key::kEnd},
    {"OF", key::kEnd},
    {"[4~", key::kEnd},
    {"[3~", key::kDelete},
}};

constexpr std::size_t kLongestSequence = 16;

bool isParameterByte(unsigned char byte) { return byte >= 0x20 && byte <= 0x3F; }
bool isFinalByte(unsigned char byte) { return byte >= 0x40 && byte <= 0x7E; }

KeyEvent typed(unsigned char byte) {
  const char character = static_cast<char>(byte);
  return pressOf(keyCodeFor(character), false, character);
}

}  // namespace

int keyCodeFor(char character) {
  const auto byte = static_cast<unsigned char>(character);
  if (std::isalpha(byte)) return std::toupper(byte);
  if (std::isdigit(byte)) return byte;
  for (const auto& [characters, code] : kPunctuationKeys) {
    const std::size_t at = characters.find(character);
    if (at == std::string_view::npos) continue;
    return code >= 0 ? code : static_cast<int>('0' + at);
  }
  return 0;
}

void ByteDecoder::feed(unsigned char byte, std::vector<KeyEvent>& events) {
  switch (state_) {
    case State::ground:
      feedGround(byte, events);
      return;
    case State::escape:
      feedEscape(byte, events);
      return;
    case State::controlSequence:
      feedControlSequence(byte, events);
      return;
    case State::singleShift:
      feedSingleShift(byte, events);
      return;
  }
}

void ByteDecoder::feedGround(unsigned char byte, std::vector<KeyEvent>& events) {
  const bool lineFeedAfterReturn = byte == '\n' && afterCarriageReturn_;
  afterCarriageReturn_ = byte == '\r';
  if (lineFeedAfterReturn) return;  // CR LF is one Enter
  if (byte == '\r' || byte == '\n') {
    events.push_back(pressOf(key::kEnter, false, key::kEnter));
  } else if (byte == '\t') {
    events.push_back(pressOf(key::kTab, false, key::kTab));
  } else if (byte == 0x08 || byte == 0x7F) {
    events.push_back(pressOf(key::kBackspace, false, key::kBackspace));
  } else if (byte >= 0x01 && byte <= 0x1A) {
    events.push_back(pressOf('A' + byte - 1, true, 0));
  } else if (byte == 0x1B) {
    state_ = State::escape;
    sequence_.clear();
  } else if (byte == 0x1D) {
    events.push_back(programCommandKey());
  } else if (byte == 0x1E) {
    events.push_back(pressOf('6', true, 0));  // Ctrl-^, typed as Ctrl-Shift-6
  } else if (byte >= 0x20 && byte < 0x7F) {
    events.push_back(typed(byte));
  }
  // NUL, the other control bytes and anything beyond ASCII cannot be typed at the router.
}

void ByteDecoder::feedEscape(unsigned char byte, std::vector<KeyEvent>& events) {
  if (byte == '[' || byte == 'O') {
    sequence_.push_back(static_cast<char>(byte));
    state_ = byte == '[' ? State::controlSequence : State::singleShift;
    return;
  }
  state_ = State::ground;
  if (byte == 'f' || byte == 'F' || byte == 'b' || byte == 'B') {
    events.push_back(escapeChordOf(static_cast<char>(byte)));
    return;
  }
  events.push_back(pressOf(key::kEscape, false, key::kEscape));
  feedGround(byte, events);
}

void ByteDecoder::feedControlSequence(unsigned char byte, std::vector<KeyEvent>& events) {
  if (isFinalByte(byte)) {
    sequence_.push_back(static_cast<char>(byte));
    finishSequence(events);
  } else if (!isParameterByte(byte)) {
    // Not a sequence after all: Esc, then the bytes as typed.
    flush(events);
    feedGround(byte, events);
  } else if (sequence_.size() < kLongestSequence) {
    sequence_.push_back(static_cast<char>(byte));
  } else {
    // No key sends a sequence this long; it is read to its end and dropped, holding no more
    // than the longest known one, however long it runs.
    sequenceOverlong_ = true;
  }
}

void ByteDecoder::feedSingleShift(unsigned char byte, std::vector<KeyEvent>& events) {
  sequence_.push_back(static_cast<char>(byte));
  if (isFinalByte(byte)) {
    finishSequence(events);
    return;
  }
  sequence_.pop_back();
  flush(events);
  feedGround(byte, events);
}

void ByteDecoder::finishSequence(std::vector<KeyEvent>& events) {
  state_ = State::ground;
  if (std::exchange(sequenceOverlong_, false)) return;
  if (sequence_ == "[200~" || sequence_ == "[201~") {
    events.push_back(pasteMark(sequence_ == "[200~"));
    return;
  }
  for (const SequenceKey& entry : kSequenceKeys) {
    if (entry.sequence == sequence_) {
      events.push_back(pressOf(entry.keyCode, false, 0));
      return;
    }
  }
  // A complete sequence of a key the router does not have (Insert, F1, Ctrl-Left, ...) is
  // dropped whole rather than typed as stray characters.
}

void ByteDecoder::flush(std::vector<KeyEvent>& events) {
  if (state_ == State::ground) return;
  state_ = State::ground;
  events.push_back(pressOf(key::kEscape, false, key::kEscape));
  const std::string rest = std::exchange(sequence_, {});
  // An overlong sequence lost its middle; what is left of it is no text anyone typed.
  if (std::exchange(sequenceOverlong_, false)) return;
  for (const char character : rest) feedGround(static_cast<unsigned char>(character), events);
}

std::vector<KeyEvent> decodeBytes(std::string_view bytes) {
  ByteDecoder decoder;
  std::vector<KeyEvent> events;
  for (const char byte : bytes) decoder.feed(static_cast<unsigned char>(byte), events);
  decoder.flush(events);
  return events;
}

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/byte_decoder.h"

#include <gtest/gtest.h>

#include "console/keyboard.h"
#include "shell/terminal/key_event.h"

namespace kovrel::terminal {
namespace {

const KeyEvent kEnter = pressOf(key::kEnter, false, 13);
const KeyEvent kEscape = pressOf(key::kEscape, false, 27);

KeyEvent plain(int keyCode) { return pressOf(keyCode, false, 0); }
KeyEvent typed(char character, int keyCode) { return pressOf(keyCode, false, character); }

std::string describeAll(const std::vector<KeyEvent>& events) {
  std::string text;
  for (const KeyEvent& event : events) text += "[" + describeKey(event) + "]";
  return text;
}

// The keys the transcripts type (Enter, Tab, BS, DEL, Ctrl-Z, Up, Down, Left, ESC [ H, Esc-b,
// Ctrl-]) are checked there; these are the rest of the batch contract and its edge cases.
TEST(ByteDecoder, DecodesTerminalBytesIntoKeyEvents) {
  const std::vector<std::pair<std::string, std::vector<KeyEvent>>> cases = {
      {"\n\r\r\r\n\rx\n", {kEnter, kEnter, kEnter, kEnter, kEnter, typed('x', 'X'), kEnter}},
      {std::string("\x01\x03", 2), {pressOf('A', true, 0), pressOf('C', true, 0)}},
      {"aZ9 ?",
       {typed('a', 'A'), typed('Z', 'Z'), typed('9', '9'), typed(' ', key::kSpace),
        typed('?', 191)}},
      // Punctuation whose character code is the code of an editing key must not act as one.
      {".%&'(#$",
       {typed('.', 190), typed('%', '5'), typed('&', '7'), typed('\'', 222), typed('(', '9'),
        typed('#', '3'), typed('$', '4')}},
      {"\x1b[C\x1bOA\x1bOH\x1b[1~\x1b[F\x1bOF\x1b[4~\x1b[3~",
       {plain(key::kRight), plain(key::kUp), plain(key::kHome), plain(key::kHome), plain(key::kEnd),
        plain(key::kEnd), plain(key::kEnd), plain(key::kDelete)}},
      {"\033F\033B\033x\033\033f\033\r",
       {escapeChordOf('F'), escapeChordOf('B'), kEscape, typed('x', 'X'), kEscape,
        escapeChordOf('f'), kEscape, kEnter}},
      {"\x1b", {kEscape}},
      {"\x1b[2~\x1b[1;5C\x1bOPa", {typed('a', 'A')}},  // unknown sequences are dropped
      {"\x1b[1\r", {kEscape, typed('[', 219), typed('1', '1'), kEnter}},  // a broken one is typed
      {std::string("\x00\x1c\x1f\xc3\xa9", 5), {}},
      {"\x1e", {pressOf('6', true, 0)}},  // Ctrl-^, the router's escape sequence
      // However long a complete sequence runs, none of it is typed.
      {"\x1b[" + std::string(30, '1') + "~a", {typed('a', 'A')}},
      {"\x1b[" + std::string(100000, ';') + "Ab", {typed('b', 'B')}},
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(describeAll(decodeBytes(bytes)), describeAll(expected));
    EXPECT_EQ(decodeBytes(bytes), expected) << describeAll(expected);
  }
}

TEST(ByteDecoder, KeepsStateAcrossPieces) {
  // A pipe may split a CR LF or an Esc sequence between two reads.
  ByteDecoder decoder;
  std::vector<KeyEvent> events;
  for (const char byte : std::string("a\r\n\x1b"))
    decoder.feed(static_cast<unsigned char>(byte), events);
  EXPECT_TRUE(decoder.pending());
  decoder.feed('[', events);
  decoder.feed('A', events);
  EXPECT_FALSE(decoder.pending());
  EXPECT_EQ(events, (std::vector<KeyEvent>{typed('a', 'A'), kEnter, plain(key::kUp)}));
}

// Space, Enter and q at " --More--" are in the transcript paging.txt.
TEST(PagingCode, GivesThePagerTheCharacterOfEachKey) {
  EXPECT_EQ(pagingCode(pressOf('C', true, 0)), 3);
  EXPECT_EQ(pagingCode(escapeChordOf('f')), 'f');
  // Keys that type nothing must not pass for Space or Enter.
  for (const int keyCode :
       {key::kUp, key::kDown, key::kLeft, key::kRight, key::kHome, key::kEnd, key::kDelete}) {
    EXPECT_NE(pagingCode(plain(keyCode)), 32);
    EXPECT_NE(pagingCode(plain(keyCode)), 13);
  }
}

}  // namespace
}  // namespace kovrel::terminal

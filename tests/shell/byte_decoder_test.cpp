#include "shell/terminal/byte_decoder.h"

#include <gtest/gtest.h>

#include "console/keyboard.h"
#include "shell/terminal/key_reader.h"

namespace kovrel::terminal {
namespace {

const KeyEvent kEnter = pressOf(key::kEnter, false, 13);
const KeyEvent kTab = pressOf(key::kTab, false, 9);
const KeyEvent kBackspace = pressOf(key::kBackspace, false, 8);
const KeyEvent kEscape = pressOf(key::kEscape, false, 27);

KeyEvent ctrl(char letter) { return pressOf(letter, true, 0); }
KeyEvent plain(int keyCode) { return pressOf(keyCode, false, 0); }
KeyEvent typed(char character, int keyCode) { return pressOf(keyCode, false, character); }

std::string describeAll(const std::vector<KeyEvent>& events) {
  std::string text;
  for (const KeyEvent& event : events) text += "[" + describeKey(event) + "]";
  return text;
}

struct DecodeCase {
  std::string_view name;
  std::string bytes;
  std::vector<KeyEvent> expected;
};

TEST(ByteDecoder, DecodesTerminalBytesIntoKeyEvents) {
  const std::vector<DecodeCase> cases = {
      {"CR is Enter", "\r", {kEnter}},
      {"LF is Enter", "\n", {kEnter}},
      {"CR LF is one Enter", "\r\n", {kEnter}},
      {"LF CR is two", "\n\r", {kEnter, kEnter}},
      {"CR CR LF is two", "\r\r\n", {kEnter, kEnter}},
      {"CR x LF is two", "\rx\n", {kEnter, typed('x', 'X'), kEnter}},
      {"tab", "\t", {kTab}},
      {"BS and DEL are Backspace", "\x08\x7f", {kBackspace, kBackspace}},
      {"Ctrl letters",
       std::string("\x01\x05\x1a\x03", 4),
       {ctrl('A'), ctrl('E'), ctrl('Z'), ctrl('C')}},
      {"letters carry their upper-case key", "aZ", {typed('a', 'A'), typed('Z', 'Z')}},
      {"digits", "09", {typed('0', '0'), typed('9', '9')}},
      {"space", " ", {typed(' ', key::kSpace)}},
      {"punctuation keeps off the editing keys",
       ".%&'(#$",
       {typed('.', 190), typed('%', '5'), typed('&', '7'), typed('\'', 222), typed('(', '9'),
        typed('#', '3'), typed('$', '4')}},
      {"question mark", "?", {typed('?', 191)}},
      {"arrows",
       "\x1b[A\x1b[B\x1b[C\x1b[D",
       {plain(key::kUp), plain(key::kDown), plain(key::kRight), plain(key::kLeft)}},
      {"application-mode arrows", "\x1bOA\x1bOD", {plain(key::kUp), plain(key::kLeft)}},
      {"Home variants",
       "\x1b[H\x1bOH\x1b[1~",
       {plain(key::kHome), plain(key::kHome), plain(key::kHome)}},
      {"End variants",
       "\x1b[F\x1bOF\x1b[4~",
       {plain(key::kEnd), plain(key::kEnd), plain(key::kEnd)}},
      {"Delete", "\x1b[3~", {plain(key::kDelete)}},
      {"Esc with word keys",
       "\x1b"
       "f\x1b"
       "F\x1b"
       "b\x1b"
       "B",
       {escapeChordOf('f'), escapeChordOf('F'), escapeChordOf('b'), escapeChordOf('B')}},
      {"lone Esc at the end", "\x1b", {kEscape}},
      {"Esc then another letter", "\x1bx", {kEscape, typed('x', 'X')}},
      {"Esc Esc f",
       "\x1b\x1b"
       "f",
       {kEscape, escapeChordOf('f')}},
      {"Esc then Enter", "\x1b\r", {kEscape, kEnter}},
      {"unknown complete sequences are dropped", "\x1b[2~\x1b[1;5C\x1bOPa", {typed('a', 'A')}},
      {"an unfinished sequence is typed", "\x1b[", {kEscape, typed('[', 219)}},
      {"a broken sequence", "\x1b[1\r", {kEscape, typed('[', 219), typed('1', '1'), kEnter}},
      {"Ctrl-] starts a program command",
       "\x1dquit\r",
       {programCommandKey(), typed('q', 'Q'), typed('u', 'U'), typed('i', 'I'), typed('t', 'T'),
        kEnter}},
      {"bytes that type nothing", std::string("\x00\x1c\x1e\x1f\xc3\xa9", 6), {}},
  };
  for (const DecodeCase& entry : cases) {
    EXPECT_EQ(describeAll(decodeBytes(entry.bytes)), describeAll(entry.expected)) << entry.name;
    EXPECT_EQ(decodeBytes(entry.bytes), entry.expected) << entry.name;
  }
}

TEST(ByteDecoder, KeepsStateAcrossPieces) {
  // A pipe may split a CR LF or an Esc sequence between two reads.
  ByteDecoder decoder;
  std::vector<KeyEvent> events;
  for (const char byte : std::string("a\r")) decoder.feed(static_cast<unsigned char>(byte), events);
  decoder.feed('\n', events);
  decoder.feed(0x1b, events);
  EXPECT_TRUE(decoder.pending());
  decoder.feed('[', events);
  decoder.feed('A', events);
  EXPECT_FALSE(decoder.pending());
  EXPECT_EQ(events, (std::vector<KeyEvent>{typed('a', 'A'), kEnter, plain(key::kUp)}));
}

TEST(KeyReader, SharesOneQueueAndEndsOnce) {
  StringByteSource source("ab\x1b");
  KeyReader reader(source);
  EXPECT_EQ(reader.next(), typed('a', 'A'));
  EXPECT_EQ(reader.next(), typed('b', 'B'));
  EXPECT_EQ(reader.next(), kEscape);
  EXPECT_EQ(reader.next(), std::nullopt);
  EXPECT_TRUE(reader.ended());
  EXPECT_EQ(reader.next(), std::nullopt);
}

TEST(PagingCode, GivesThePagerTheCharacterOfEachKey) {
  EXPECT_EQ(pagingCode(typed(' ', key::kSpace)), 32);
  EXPECT_EQ(pagingCode(kEnter), 13);
  EXPECT_EQ(pagingCode(typed('q', 'Q')), 'q');
  EXPECT_EQ(pagingCode(ctrl('C')), 3);
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

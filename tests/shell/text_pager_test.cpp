// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/text_pager.h"

#include <gtest/gtest.h>

#include "shell/terminal/key_reader.h"

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;

// The answers at each pause, and what was shown, "|" marking a pause.
std::string paged(const PagedText& text, std::size_t pageLength, std::string answers) {
  std::string shown;
  pageText(
      text, pageLength,
      [&](std::span<const std::string> lines) {
        for (const std::string& line : lines) shown += line;
      },
      [&] {
        shown += "|";
        const char answer = answers.empty() ? 'q' : answers.front();
        if (!answers.empty()) answers.erase(0, 1);
        return answer == 'E' ? 13 : answer;
      });
  return shown;
}

TEST(TextPager, PagesAsTheConsoleDoesAndStopsWhereTheTextAsks) {
  const PagedText text{{"1", "2", "3", "4", "5"}, {}};
  EXPECT_EQ(paged(text, 5, ""), "12345");
  EXPECT_EQ(paged(text, 2, "  "), "12|34|5");
  EXPECT_EQ(paged(text, 2, "E "), "12|3|45");
  EXPECT_EQ(paged(text, 2, "x"), "12|");
  EXPECT_EQ(paged({{"1", "2", "3"}, {0}}, 9, " "), "1|23");
  EXPECT_EQ(paged({{"1", "2"}, {1}}, 9, ""), "12");  // nothing follows the last line
}

// A paste comes whole, after the keys typed before it; a pause that opens before it is answered
// with Space and the paste stays for the console, as Ctrl-] stays for the program line. Esc or
// Ctrl-C typed after a paste cancels it; other keys stay queued in order.
TEST(KeyReader, GathersPastesAndFindsTheKeysThatCancelThem) {
  StringByteSource source("c\x1b[200~a\rb\x1b[201~x\x03y\x1b[200~\x1b\x1b[201~\x1d");
  KeyReader keys(source);
  EXPECT_EQ(keys.answerMore(), 'c');
  EXPECT_EQ(keys.answerMore(), ' ');
  EXPECT_EQ(keys.next()->kind, KeyEventKind::pasteStart);
  EXPECT_EQ(keys.takePaste(), decodeBytes("a\rb"));
  EXPECT_TRUE(keys.takeCancelKey());   // the Ctrl-C after "x"
  EXPECT_FALSE(keys.takeCancelKey());  // the Esc inside the next paste is pasted text
  EXPECT_EQ(keys.next()->character, 'x');
  EXPECT_EQ(keys.next()->character, 'y');
  keys.waitForAnyKey();  // a message box's OK is no paste
  EXPECT_EQ(keys.next()->kind, KeyEventKind::pasteStart);
  EXPECT_EQ(keys.takePaste().size(), 1U);
  EXPECT_EQ(keys.answerMore(), 'q');  // Ctrl-] ends the display and opens the program line
  EXPECT_EQ(keys.next()->kind, KeyEventKind::programCommand);
  EXPECT_EQ(keys.answerMore(), 'q');
  EXPECT_TRUE(keys.ended());
}

}  // namespace
}  // namespace kovrel::terminal

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

// A pause that opens while pasted keys are still queued is answered by the reader, and the
// pasted keys stay for the console; so does Ctrl-] for the program line.
TEST(KeyReader, AnswersAPauseInsideAPasteAndKeepsThePastedKeys) {
  StringByteSource source("\x1b[200~ab\x1b[201~c\x1b[200~xy\x1b[201~\x1d");
  KeyReader keys(source);
  EXPECT_EQ(keys.next()->character, 'a');
  EXPECT_EQ(keys.answerMore(), ' ');
  EXPECT_EQ(keys.next()->character, 'b');
  EXPECT_EQ(keys.answerMore(), 'c');  // the paste has ended: the next key answers
  EXPECT_EQ(keys.answerMore(), ' ');  // a paste began during the pause
  EXPECT_EQ(keys.next()->character, 'x');
  EXPECT_EQ(keys.next()->character, 'y');
  EXPECT_EQ(keys.answerMore(), 'q');  // Ctrl-] ends the display and opens the program line
  EXPECT_EQ(keys.next()->kind, KeyEventKind::programCommand);
  EXPECT_EQ(keys.answerMore(), 'q');
}

}  // namespace
}  // namespace kovrel::terminal

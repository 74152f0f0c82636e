#include "shell/terminal/rich_text_renderer.h"

#include <gtest/gtest.h>

#include "training/answer_text.h"
#include "training/instructions.h"

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;

TEST(RichTextRenderer, PlainTextCentresTitlesAndDropsTrailingBlanks) {
  const auto runs = renderInstructions("Title\r\nType 'enable' now.   \r\n\r\nStep: Go", true);
  EXPECT_EQ(renderRichTextLines(runs, {false, 21}),
            (Lines{"        Title", "Type enable now.", "", "Step1: Go"}));
}

TEST(RichTextRenderer, AParagraphIsAlignedByItsFirstVisibleText) {
  // A later title lands in the paragraph a blank line opened in body style.
  const auto runs = renderAnswerText("Report\r\n\r\nbody\r\n  \r\nSolution To Test 1");
  EXPECT_EQ(renderRichTextLines(runs, {false, 24}),
            (Lines{"         Report", "", "body", "   Solution To Test 1"}));
}

TEST(RichTextRenderer, LongTitlesAreNotPaddedAndControlCharactersCannotSteerTheTerminal) {
  const std::vector<StyledRun> runs{{"A long title", kTitleStyle}, {"\nx\x1b[2Jy\tz", kBodyStyle}};
  EXPECT_EQ(renderRichTextLines(runs, {true, 5}),
            (Lines{"\x1b[1mA long title\x1b[0m", "x?[2Jy z"}));
  EXPECT_TRUE(renderRichTextLines({}, {}).empty());
}

}  // namespace
}  // namespace kovrel::terminal

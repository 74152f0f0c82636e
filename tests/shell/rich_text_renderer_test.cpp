// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(RichTextRenderer, WrapsAtBlanksKeepingIndentAndStylesAndCutsOnlyOverlongWords) {
  TextStyle bold;
  bold.bold = true;
  const std::vector<StyledRun> runs{{"A long title", kTitleStyle},
                                    {"\nType ", kBodyStyle},
                                    {"show version", bold},
                                    {" now\n   3a> Setting timeout\nabcdefghijkl", kBodyStyle}};
  EXPECT_EQ(renderRichTextLines(runs, {true, 10}),
            (Lines{"  \x1b[1mA long\x1b[0m", "  \x1b[1mtitle\x1b[0m", "Type \x1b[1mshow\x1b[0m",
                   "\x1b[1mversion\x1b[0m", "now", "   3a>", "   Setting", "   timeout",
                   "abcdefghij", "kl"}));
}

TEST(RichTextRenderer, ControlCharactersCannotSteerTheTerminalAndUtf8TakesOneColumn) {
  const std::vector<StyledRun> runs{{"x\x1b[2Jy\tz", kBodyStyle}};
  EXPECT_EQ(renderRichTextLines(runs, {true, 80}), (Lines{"x^[[2Jy z"}));
  // A diagram line of box-drawing characters fits the width it was drawn for.
  EXPECT_EQ(renderRichTextLines({{"\u250c\u2500\u2500 x", kBodyStyle}}, {false, 5}),
            (Lines{"\u250c\u2500\u2500 x"}));
  EXPECT_TRUE(renderRichTextLines({}, {}).empty());
}

}  // namespace
}  // namespace kovrel::terminal

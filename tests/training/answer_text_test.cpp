// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/answer_text.h"

#include <gtest/gtest.h>

#include "support/recording_rich_text.h"
#include "training/instructions.h"

namespace kovrel {
namespace {

using Runs = std::vector<StyledRun>;

// Verdict and grade styles are pinned by the styled training transcript.
TEST(RenderAnswerText, SolutionLinesAreTitlesAndRestartTheStepNumbers) {
  const std::string report =
      "Report\r\nStep: one\r\n   \r\nSolution To Test 1\r\n  \r\nStep: a\r\nStep: b\r\n"
      "Solution again";
  EXPECT_EQ(plainText(renderAnswerText(report)),
            "Report\nStep1: one \nSolution To Test 1\n\nStep1: a \nStep2: b \nSolution again");
  const Runs runs = renderAnswerText(report);
  // A title right after a text line gets a paragraph of its own.
  EXPECT_EQ(runs.back(), (StyledRun{"\nSolution again", kTitleStyle}));
  EXPECT_EQ(runs[3], (StyledRun{"Solution To Test 1", kTitleStyle}));
}

TEST(RenderAnswerText, SecondLineIsCentredWhenItHoldsTextAndABlankFirstLineIsSkipped) {
  const Runs runs = renderAnswerText("Report\r\nsubtitle\r\nbody");
  TextStyle centred = kBodyStyle;
  centred.alignment = TextAlignment::centre;
  EXPECT_EQ(runs[1], (StyledRun{"\nsubtitle ", centred}));
  EXPECT_EQ(runs[2], (StyledRun{"\nbody ", kBodyStyle}));
  EXPECT_EQ(plainText(renderAnswerText("  \r\nReport")), "\nReport ");
}

TEST(RenderAnswerText, PassIsGreenAndFailRed) {
  for (const auto& [grade, colour] :
       {std::pair{"Pass!", TextColour::green}, std::pair{"Fail!", TextColour::red}}) {
    const Runs runs = renderAnswerText(std::string("Report\r\n\r\nYour Grade: ") + grade);
    TextStyle style = kBodyStyle;
    style.colour = colour;
    EXPECT_EQ(runs.back(), (StyledRun{std::string(grade) + " ", style})) << grade;
  }
}

}  // namespace
}  // namespace kovrel

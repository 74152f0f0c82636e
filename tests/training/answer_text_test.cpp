#include "training/answer_text.h"

#include <gtest/gtest.h>

#include "support/recording_rich_text.h"
#include "training/instructions.h"

namespace kovrel {
namespace {

using Runs = std::vector<StyledRun>;

TextStyle with(void (*change)(TextStyle&)) {
  TextStyle style = kBodyStyle;
  change(style);
  return style;
}
const TextStyle kBold = with([](TextStyle& s) { s.bold = true; });
const TextStyle kItalic = with([](TextStyle& s) { s.italic = true; });
const TextStyle kRed = with([](TextStyle& s) { s.colour = TextColour::red; });

TEST(RenderAnswerText, MarksVerdictsAndGradesWordByWord) {
  const std::string report =
      "Test 1 Report\r\n\r\n'Diagnostic Report': \r\nPart1> History: Correct\r\n"
      "   3a> Timeout: Incorrect\r\n   \r\nYour Grade: Pass!";
  const Runs expected{{"Test 1 Report", kTitleStyle},
                      {"\n\n", kBodyStyle},
                      {"Diagnostic Report", kBold},
                      {":  \nPart1> History: Correct \n   3a> Timeout: ", kBodyStyle},
                      {"Incorrect ", kItalic},
                      {"\n\nYour Grade: ", kBodyStyle},
                      {"Pass! ", kRed}};
  EXPECT_EQ(renderAnswerText(report), expected);
}

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

TEST(RenderAnswerText, SecondLineIsCentredWhenItHoldsText) {
  const Runs runs = renderAnswerText("Report\r\nsubtitle\r\nbody");
  TextStyle centred = kBodyStyle;
  centred.alignment = TextAlignment::centre;
  EXPECT_EQ(runs[1], (StyledRun{"\nsubtitle ", centred}));
  EXPECT_EQ(runs[2], (StyledRun{"\nbody ", kBodyStyle}));
}

TEST(RenderAnswerText, BlankFirstLineIsSkipped) {
  EXPECT_EQ(plainText(renderAnswerText("  \r\nReport")), "\nReport ");
}

}  // namespace
}  // namespace kovrel

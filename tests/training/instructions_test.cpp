// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/instructions.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_rich_text.h"

namespace kovrel {
namespace {

using testing::RecordingRichText;
using testing::SimulatorFixture;
using Runs = std::vector<StyledRun>;

TextStyle bold(TextStyle style = kBodyStyle) {
  style.bold = true;
  return style;
}
TextStyle step(TextStyle style = kBodyStyle) {
  style.underline = true;
  return style;
}

TEST(RenderInstructions, TextWithoutStepsIsWholeInBothModes) {
  const std::string text = "Banners\r\nA banner greets users.\r\nType 'banner motd #' now.";
  const Runs expected{{"Banners", kTitleStyle},
                      {"\nA banner greets users.\nType ", kBodyStyle},
                      {"banner motd #", bold()},
                      {" now.", kBodyStyle}};
  EXPECT_EQ(renderInstructions(text, true), expected);
  EXPECT_EQ(renderInstructions(text, false), expected);
}

TEST(RenderInstructions, PlainTextOfHeadingsAndLines) {
  struct Case {
    const char* text;
    bool learnMode;
    const char* plain;
  };
  const char* lab =
      "Lab\r\nIntroduction.\r\n\r\nStep: First\r\nDetail 'show'.\r\n\r\nStep: Second\r\nMore.";
  const Case cases[] = {
      // Test Mode keeps the introduction and the numbered headings only.
      {lab, false, "Lab\nIntroduction.\n\nStep1: First\n\nStep2: Second"},
      {lab, true, "Lab\nIntroduction.\n\nStep1: First\nDetail show.\n\nStep2: Second\nMore."},
      // Headings are numbered without a blank, even a second "Step:" inside a heading.
      {"T\r\nStep: a\r\nStep: b\r\n  Step: c then Step: again 'x'\r\nSteps: d", true,
       "T\nStep1: a\nStep2: b\nStep3: c then Step3: again x\nSteps: d"},
      // "step" in lower case or later in the line is an ordinary detail line, hidden in Test
      // Mode only once a real heading was seen.
      {"T\r\nstep: not a heading\r\nThe next Step: neither\r\nStep: yes", false,
       "T\nstep: not a heading\nThe next Step: neither\nStep1: yes"},
      {"T\nOne\r\nTwo", true, "T\nOne\nTwo"},  // a lone line feed breaks the line too
      {"  The 'show' Command  \r\n   indented   ", true, "The show Command\nindented"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plainText(renderInstructions(c.text, c.learnMode)), c.plain) << c.text;
  }
  EXPECT_EQ(renderInstructions("T\r\nStep: type 'enable'", true).back(),
            (StyledRun{"enable", bold(step())}));
  EXPECT_EQ(renderInstructions("The 'show' Command", true),
            (Runs{{"The show Command", kTitleStyle}}));
  EXPECT_EQ(renderInstructions("T\r\n#  The console \r\n#no", true),
            (Runs{{"T", kTitleStyle}, {"\nThe console", kSectionStyle}, {"\n#no", kBodyStyle}}));
}

TEST(RenderInstructions, OddNumberOfQuotesLeavesTheLastSegmentBold) {
  const Runs expected{{"T", kTitleStyle},
                      {"\nType ", kBodyStyle},
                      {"enable", bold()},
                      {" then ", kBodyStyle},
                      {"configure to the end", bold()}};
  EXPECT_EQ(renderInstructions("T\r\nType 'enable' then 'configure to the end", true), expected);
}

TEST(RenderInstructions, BlankFirstLineIsNeitherOutputNorTitle) {
  const Runs expected{{"\nIntroduction\n", kBodyStyle}, {"\nStep1: Go", step()}};
  EXPECT_EQ(renderInstructions("   \r\nIntroduction\r\n\r\nStep: Go", true), expected);
  EXPECT_TRUE(renderInstructions("", true).empty());
}

class DisplayInstructionsTest : public ::testing::Test {
 protected:
  DisplayInstructionsTest() {
    training().panes.instructions = &pane;
    training().panes.information = &information;
    training().instructionText = "Lab\r\nIntro\r\n\r\nStep: One\r\nDetail";
    training().solutionText = "Solution\r\n\r\nStep: Fix\r\nHow";
  }
  TrainingState& training() { return fixture.sim.state.training; }

  SimulatorFixture fixture;
  RecordingRichText pane;
  RecordingRichText information;
};

TEST_F(DisplayInstructionsTest, RendersIntoAClearedPaneAndReturnsToTheTop) {
  pane.insert("old", kBodyStyle);
  pane.operations.clear();
  displayInstructions(fixture.sim, false);
  EXPECT_EQ(pane.text(), "Lab\nIntro\n\nStep1: One\nDetail");
  EXPECT_EQ(pane.operations.front(), "clear");
  EXPECT_EQ(pane.operations.back(), "start");
  EXPECT_TRUE(information.operations.empty());
}

// The study modes' effect on the pane is in the study_mode_and_cards transcript.
TEST_F(DisplayInstructionsTest, AnEmptySolutionOrNoPaneIsNoFault) {
  training().currentActivity = Activity::troubleshooting;
  training().solutionText.clear();
  displayInstructions(fixture.sim, false);
  displayInstructions(fixture.sim, true);  // the solution part appends nothing
  EXPECT_EQ(pane.text(), "Lab\nIntro\n\nStep1: One\nDetail");
  pane.operations.clear();
  training().panes = {};
  displayInstructions(fixture.sim, true);
  EXPECT_TRUE(pane.operations.empty());
}

}  // namespace
}  // namespace kovrel

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

TEST(RenderInstructions, TestModeKeepsIntroductionAndNumberedHeadingsOnly) {
  const std::string text =
      "Lab\r\nIntroduction.\r\n\r\nStep: First\r\nDetail 'show'.\r\n\r\nStep: Second\r\nMore.";
  const Runs testMode{{"Lab", kTitleStyle},
                      {"\nIntroduction.\n", kBodyStyle},
                      {"\nStep1: First", step()},
                      {"\n", kBodyStyle},
                      {"\nStep2: Second", step()}};
  EXPECT_EQ(renderInstructions(text, false), testMode);
  const Runs learnMode{{"Lab", kTitleStyle},
                       {"\nIntroduction.\n", kBodyStyle},
                       {"\nStep1: First", step()},
                       {"\nDetail ", kBodyStyle},
                       {"show", bold()},
                       {".\n", kBodyStyle},
                       {"\nStep2: Second", step()},
                       {"\nMore.", kBodyStyle}};
  EXPECT_EQ(renderInstructions(text, true), learnMode);
}

TEST(RenderInstructions, StepHeadingsAreNumberedWithoutBlankAndKeepTheirQuotes) {
  const std::string text = "T\r\nStep: a\r\nStep: b\r\n  Step: c then Step: again 'x'\r\nSteps: d";
  EXPECT_EQ(plainText(renderInstructions(text, true)),
            "T\nStep1: a\nStep2: b\nStep3: c then Step3: again x\nSteps: d");
  const Runs runs = renderInstructions("T\r\nStep: type 'enable'", true);
  EXPECT_EQ(runs.back(), (StyledRun{"enable", bold(step())}));
}

TEST(RenderInstructions, FirstWordMustContainStepCaseSensitively) {
  // "step" in lower case or later in the line is an ordinary detail line, hidden in Test Mode
  // only once a real heading was seen.
  const std::string text = "T\r\nstep: not a heading\r\nThe next Step: neither\r\nStep: yes";
  EXPECT_EQ(plainText(renderInstructions(text, false)),
            "T\nstep: not a heading\nThe next Step: neither\nStep1: yes");
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

TEST(RenderInstructions, TitleStaysBoldAroundQuotesAndLinesAreTrimmed) {
  EXPECT_EQ(renderInstructions("  The 'show' Command  ", true),
            (Runs{{"The show Command", kTitleStyle}}));
  const Runs body = renderInstructions("T\r\n   indented   ", true);
  EXPECT_EQ(body.back(), (StyledRun{"\nindented", kBodyStyle}));
}

TEST(RenderInstructions, LoneLineFeedsCountAsLineBreaks) {
  EXPECT_EQ(renderInstructions("T\nOne\r\nTwo", true), renderInstructions("T\r\nOne\r\nTwo", true));
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

TEST_F(DisplayInstructionsTest, TroubleshootingLearnModeAppendsTheSolutionAsANewTitle) {
  training().currentActivity = Activity::troubleshooting;
  selectStudyMode(fixture.sim, true);
  EXPECT_EQ(pane.text(), "Lab\nIntro\n\nStep1: One\nDetail\n\nSolution\n\nStep1: Fix\nHow");
  EXPECT_EQ(pane.clears, 1);
  const Runs expected = instructionPaneRuns(training());
  EXPECT_EQ(pane.runs, expected);
  EXPECT_EQ(expected[4], (StyledRun{"Solution", kTitleStyle}));
}

TEST_F(DisplayInstructionsTest, TestModeAndOtherActivitiesShowNoSolution) {
  training().currentActivity = Activity::troubleshooting;
  selectStudyMode(fixture.sim, false);
  EXPECT_EQ(pane.text(), "Lab\nIntro\n\nStep1: One");
  EXPECT_FALSE(training().learnMode);
  training().currentActivity = Activity::lab;
  selectStudyMode(fixture.sim, true);
  EXPECT_EQ(pane.text(), "Lab\nIntro\n\nStep1: One\nDetail");
}

TEST_F(DisplayInstructionsTest, AnEmptySolutionAppendsNothing) {
  training().solutionText.clear();
  displayInstructions(fixture.sim, false);
  const auto before = pane.operations.size();
  displayInstructions(fixture.sim, true);
  EXPECT_EQ(pane.operations.size(), before);
}

TEST_F(DisplayInstructionsTest, NoPaneIsNoFault) {
  training().panes = {};
  displayInstructions(fixture.sim, false);
  displayInstructions(fixture.sim, true);
  EXPECT_TRUE(pane.operations.empty());
}

}  // namespace
}  // namespace kovrel

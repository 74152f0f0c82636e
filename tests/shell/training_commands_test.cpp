// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/training_commands.h"

#include <gtest/gtest.h>

#include "shell/terminal/rich_text_renderer.h"
#include "support/fake_platform.h"

namespace kovrel::terminal {
namespace {

using Lines = std::vector<std::string>;

// The transcript training_commands.txt covers Test Mode, a one-card deck and the report.
class TrainingCommandsTest : public ::testing::Test {
 protected:
  Lines text(std::string_view line) {
    const ProgramCommandResult result = runProgramCommand(fixture.sim, line);
    Lines lines = result.lines;
    for (std::string& rendered : renderRichTextLines(result.richText, {false, 10})) {
      lines.push_back(std::move(rendered));
    }
    return lines;
  }
  TrainingState& training() { return fixture.sim.state.training; }

  testing::SimulatorFixture fixture;
};

TEST_F(TrainingCommandsTest, InstructionsRenderInTheStudyModeOrSayThereAreNone) {
  training().instructionText = "Lab\r\nIntro\r\nStep: One\r\nDetail";
  text("mode test");
  // The buttons the texts name follow as this terminal's commands (wrapped at 10 columns here).
  const Lines shown = text("instructions");
  ASSERT_GT(shown.size(), 4u);
  EXPECT_EQ(Lines(shown.begin(), shown.begin() + 4),
            (Lines{"   Lab", "Intro", "Step1: One", "Buttons"}));
  training().instructionText.clear();
  EXPECT_EQ(text("instructions"), (Lines{"There are no instructions to show."}));
}

TEST_F(TrainingCommandsTest, FlashCardButtonsSayWhenTheyAreDisabled) {
  EXPECT_EQ(text("card next"),
            (Lines{"The flash cards are not open; the command 'cards' opens them."}));
  ASSERT_EQ(text("cards").at(2), "Question: ");
  // The shuffled deck replaced by two known cards, the first answer spanning two lines.
  training().flashCards.cards = {{"q1", "a1\r\nmore"}, {"q2", "a2"}};
  EXPECT_EQ(text("card back"), (Lines{"The back button is disabled: this is the first card."}));
  EXPECT_EQ(text("card answer"),
            (Lines{"card 1 of 2", "Question: ", "", "q1", "Answer: ", "", "a1", "more"}));
  EXPECT_EQ(text("card next"), (Lines{"card 2 of 2", "Question: ", "", "q2", "Answer: "}));
  EXPECT_EQ(text("card back"), (Lines{"card 1 of 2", "Question: ", "", "q1", "Answer: "}));
  testing::SimulatorFixture noDatabase(false);
  EXPECT_EQ(runProgramCommand(noDatabase.sim, "cards").lines,
            (Lines{"There are no flash cards to show."}));
  EXPECT_EQ(runProgramCommand(noDatabase.sim, "card answer").lines,
            (Lines{"The Show Answer button is disabled: there are no flash cards."}));
}

}  // namespace
}  // namespace kovrel::terminal

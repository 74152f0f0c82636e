// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/flash_cards.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

class FlashCardsTest : public ::testing::Test {
 protected:
  FlashCardDeck& deck() { return fixture.sim.state.training.flashCards; }
  void useCards(int count) {
    deck() = FlashCardDeck{};
    for (int i = 1; i <= count; ++i) {
      deck().cards.push_back({"q" + std::to_string(i), "a" + std::to_string(i)});
    }
  }

  testing::SimulatorFixture fixture;
};

TEST_F(FlashCardsTest, OpeningReadsTheWholeDeckShuffledAndShowsTheFirstQuestion) {
  fixture.sim.state.training.currentActivity = Activity::lab;
  const FlashCardView view = openFlashCards(fixture.sim);
  EXPECT_EQ(fixture.sim.state.training.currentActivity, Activity::flashCards);
  ASSERT_GE(deck().cards.size(), 40u);
  EXPECT_EQ(view.questionBox, "Question: \r\n\r\n" + deck().cards[0].question);
  EXPECT_EQ(view.answerBox, "Answer: ");
  EXPECT_FALSE(view.backEnabled);
  EXPECT_TRUE(view.forwardEnabled);
  EXPECT_TRUE(view.showAnswerEnabled);

  // A second opening reads the deck afresh and starts again at its first card.
  const auto size = deck().cards.size();
  flashCardForward(fixture.sim);
  openFlashCards(fixture.sim);
  EXPECT_EQ(deck().position, 0u);
  EXPECT_EQ(deck().cards.size(), size);
}

// The order comes from the injected random source (--seed), and is new at each opening.
TEST_F(FlashCardsTest, TheShuffleFollowsTheRandomSource) {
  const auto questions = [this] {
    std::string text;
    for (const FlashCard& card : deck().cards) text += card.question;
    return text;
  };
  fixture.platform.randomValues = {0.3, 0.9, 0.1, 0.6, 0.5};
  openFlashCards(fixture.sim);
  const std::string first = questions();
  fixture.platform.nextRandom = 0;
  openFlashCards(fixture.sim);
  EXPECT_EQ(questions(), first);
  fixture.platform.randomValues = {0.7};
  openFlashCards(fixture.sim);
  EXPECT_NE(questions(), first);
}

TEST_F(FlashCardsTest, ADeckOfOneCardOffersNeitherDirection) {
  useCards(1);
  const FlashCardView view = flashCardView(deck());
  EXPECT_FALSE(view.backEnabled || view.forwardEnabled);
  EXPECT_EQ(flashCardBack(fixture.sim).questionBox, "Question: \r\n\r\nq1");
}

TEST_F(FlashCardsTest, ButtonsStopAtBothEnds) {
  useCards(3);
  FlashCardView view = flashCardForward(fixture.sim);
  EXPECT_TRUE(view.backEnabled);
  EXPECT_TRUE(view.forwardEnabled);
  view = flashCardForward(fixture.sim);
  EXPECT_EQ(view.questionBox, "Question: \r\n\r\nq3");
  EXPECT_TRUE(view.backEnabled);
  EXPECT_FALSE(view.forwardEnabled);
  view = flashCardForward(fixture.sim);  // disabled: nothing moves
  EXPECT_EQ(view.questionBox, "Question: \r\n\r\nq3");
  flashCardBack(fixture.sim);
  view = flashCardBack(fixture.sim);
  EXPECT_EQ(view.questionBox, "Question: \r\n\r\nq1");
  EXPECT_TRUE(view.forwardEnabled);
  EXPECT_FALSE(view.backEnabled);
  view = flashCardBack(fixture.sim);
  EXPECT_EQ(deck().position, 0u);
}

TEST_F(FlashCardsTest, MovingHidesARevealedAnswer) {
  useCards(2);
  EXPECT_EQ(flashCardShowAnswer(fixture.sim).answerBox, "Answer: \r\n\r\na1");
  EXPECT_EQ(flashCardForward(fixture.sim).answerBox, "Answer: ");
  EXPECT_EQ(flashCardShowAnswer(fixture.sim).answerBox, "Answer: \r\n\r\na2");
  EXPECT_EQ(flashCardBack(fixture.sim).answerBox, "Answer: ");
  // A disabled button leaves the revealed answer alone.
  flashCardShowAnswer(fixture.sim);
  EXPECT_EQ(flashCardBack(fixture.sim).answerBox, "Answer: \r\n\r\na1");
}

TEST_F(FlashCardsTest, AnEmptyDeckShowsNothingAndOffersNoButton) {
  testing::SimulatorFixture noDatabase(false);
  const FlashCardView view = openFlashCards(noDatabase.sim);
  EXPECT_EQ(view.questionBox, "");
  EXPECT_FALSE(view.showAnswerEnabled || view.backEnabled || view.forwardEnabled);
  EXPECT_EQ(flashCardForward(noDatabase.sim).questionBox, "");
  EXPECT_EQ(flashCardShowAnswer(noDatabase.sim).answerBox, "");
}

}  // namespace
}  // namespace kovrel

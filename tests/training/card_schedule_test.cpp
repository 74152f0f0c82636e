// SPDX-License-Identifier: GPL-3.0-or-later
// The Leitner schedule with an injected clock: boxes, due dates, the order of study and topics.

#include "training/card_schedule.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/flash_cards.h"

namespace kovrel {
namespace {

constexpr StoredTime kDay = kSecondsPerDay;

TEST(LeitnerSchedule, KnewItMovesUpABoxAndNotYetStartsAgain) {
  const struct {
    std::vector<bool> ratings;
    int box;
    StoredTime dueAfter;  // after the last rating
  } cases[] = {
      {{false}, 1, 0},
      {{true}, 2, 1 * kDay},
      {{true, true}, 3, 3 * kDay},
      {{true, true, true}, 4, 7 * kDay},
      {{true, true, true, true}, 5, 14 * kDay},
      {{true, true, true, true, true, true}, 5, 14 * kDay},  // box 5 is the last
      {{true, true, true, false}, 1, 0},
  };
  for (const auto& c : cases) {
    std::optional<CardRecord> record;
    StoredTime now = 1000;
    for (const bool knew : c.ratings) {
      now += 10;
      record = rateCard(record, knew, now);
    }
    EXPECT_EQ(record->box, c.box) << c.ratings.size();
    EXPECT_EQ(record->due - now, c.dueAfter) << c.ratings.size();
  }
}

TEST(LeitnerSchedule, DueCardsComeFirstThenNewOnesThenTheRest) {
  const std::vector<FlashCard> cards{{"q1", "a", 1, "CDP"},
                                     {"q2", "a", 2, "Routing"},
                                     {"q3", "a", 3, "Routing"},
                                     {"q4", "a", 4, "Routing"},
                                     {"q5", "a", 5, "CDP"}};
  const std::map<int, CardRecord> records{{1, {2, 50}}, {3, {1, 10}}, {4, {4, 900}}};
  const auto ids = [](const std::vector<FlashCard>& deck) {
    std::vector<int> found;
    for (const FlashCard& card : deck) found.push_back(card.id);
    return found;
  };
  EXPECT_EQ(ids(scheduledDeck(cards, records, 100)), (std::vector<int>{3, 1, 2, 5, 4}));
  EXPECT_EQ(ids(scheduledDeck(cards, records, 100, "Routing")), (std::vector<int>{3, 2, 4}));
  EXPECT_EQ(cardsDue(cards, records, 100), 2);
  EXPECT_EQ(cardsDue(cards, records, 1000), 3);
  EXPECT_EQ(cardTopics(cards), (std::vector<std::string>{"CDP", "Routing"}));
}

TEST(LeitnerSchedule, RatingARevealedCardKeepsItAndMovesOn) {
  testing::SimulatorFixture f;
  openFlashCards(f.sim);
  FlashCardDeck& deck = f.sim.state.training.flashCards;
  const int first = deck.cards[0].id;
  rateFlashCard(f.sim, true);  // hidden answer: nothing happens
  EXPECT_EQ(deck.position, 0u);
  flashCardShowAnswer(f.sim);
  rateFlashCard(f.sim, true);
  EXPECT_EQ(deck.position, 1u);
  EXPECT_FALSE(deck.answerShown);
  EXPECT_EQ(f.sim.progress.progress().cards.at(first).box, 2);

  // A day later the card is due again and opens the deck; one topic limits it.
  f.platform.clockNow += std::chrono::hours(25);
  openFlashCards(f.sim);
  EXPECT_EQ(deck.cards[0].id, first);
  const std::vector<std::string> topics = flashCardTopics(f.sim);
  ASSERT_GE(topics.size(), 10u);
  chooseCardTopic(f.sim, "CDP");
  ASSERT_FALSE(deck.cards.empty());
  for (const FlashCard& card : deck.cards) EXPECT_EQ(card.topic, "CDP") << card.question;
}

}  // namespace
}  // namespace kovrel

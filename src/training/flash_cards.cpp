// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/flash_cards.h"

#include <algorithm>

#include "base/error_log.h"
#include "base/simulator.h"
#include "training/card_schedule.h"

namespace kovrel {
namespace {

constexpr std::string_view kBoxBreak = "\r\n\r\n";

// The buttons follow the probes of the viewer: `back` can be pressed while a card lies before the
// one shown, `forward` while one lies after it. Probing both ways at opening leaves a deck of one
// card with neither.
bool hasPrevious(const FlashCardDeck& deck) { return deck.position > 0; }
bool hasNext(const FlashCardDeck& deck) { return deck.position + 1 < deck.cards.size(); }

FlashCardDeck& deckOf(Simulator& sim) { return sim.state.training.flashCards; }

// Shuffled at each opening with the injected random source, so that a run with a fixed seed shows
// the cards in the same order every time.
void shuffle(std::vector<FlashCard>& cards, RandomSource& random) {
  for (std::size_t i = cards.size(); i > 1; --i) {
    const auto drawn = static_cast<std::size_t>(random.nextUnit() * static_cast<double>(i));
    std::swap(cards[i - 1], cards[std::min(drawn, i - 1)]);
  }
}

}  // namespace

FlashCardView flashCardView(const FlashCardDeck& deck) {
  FlashCardView view;
  if (deck.position >= deck.cards.size()) return view;
  const FlashCard& card = deck.cards[deck.position];
  view.questionBox = "Question: " + std::string(kBoxBreak) + card.question;
  view.answerBox = "Answer: ";
  if (deck.answerShown) view.answerBox += std::string(kBoxBreak) + card.answer;
  view.backEnabled = hasPrevious(deck);
  view.forwardEnabled = hasNext(deck);
  view.showAnswerEnabled = true;
  view.rateEnabled = deck.answerShown;
  return view;
}

FlashCardView openFlashCards(Simulator& sim) {
  sim.state.training.currentActivity = Activity::flashCards;
  FlashCardDeck& deck = deckOf(sim);
  const std::string topic = deck.topic;
  deck = FlashCardDeck{};
  deck.topic = topic;
  std::vector<FlashCard> cards = trapped(
      sim, "loadFlashCards", [&] { return sim.database.flashCards(); }, std::vector<FlashCard>());
  shuffle(cards, sim.services.random);
  deck.cards = scheduledDeck(cards, sim.progress.progress().cards,
                             storedTime(sim.services.clock.now()), topic);
  return flashCardView(deck);
}

FlashCardView rateFlashCard(Simulator& sim, bool knewIt) {
  FlashCardDeck& deck = deckOf(sim);
  if (deck.position >= deck.cards.size() || !deck.answerShown) return flashCardView(deck);
  const int id = deck.cards[deck.position].id;
  const auto& records = sim.progress.progress().cards;
  const auto found = records.find(id);
  const std::optional<CardRecord> current =
      found == records.end() ? std::nullopt : std::optional<CardRecord>(found->second);
  sim.progress.recordCard(id, rateCard(current, knewIt, storedTime(sim.services.clock.now())));
  if (auto notice = sim.progress.takeNotice()) sim.services.messageBox.show(*notice);
  deck.answerShown = false;
  if (hasNext(deck)) ++deck.position;
  return flashCardView(deck);
}

FlashCardView chooseCardTopic(Simulator& sim, const std::string& topic) {
  deckOf(sim).topic = topic;
  return openFlashCards(sim);
}

std::vector<std::string> flashCardTopics(Simulator& sim) {
  return cardTopics(trapped(
      sim, "loadFlashCards", [&] { return sim.database.flashCards(); }, std::vector<FlashCard>()));
}

FlashCardView flashCardForward(Simulator& sim) {
  FlashCardDeck& deck = deckOf(sim);
  if (hasNext(deck)) {
    ++deck.position;
    deck.answerShown = false;
  }
  return flashCardView(deck);
}

FlashCardView flashCardBack(Simulator& sim) {
  FlashCardDeck& deck = deckOf(sim);
  if (hasPrevious(deck) && deck.position < deck.cards.size()) {
    --deck.position;
    deck.answerShown = false;
  }
  return flashCardView(deck);
}

FlashCardView flashCardShowAnswer(Simulator& sim) {
  FlashCardDeck& deck = deckOf(sim);
  if (deck.position < deck.cards.size()) deck.answerShown = true;
  return flashCardView(deck);
}

}  // namespace kovrel

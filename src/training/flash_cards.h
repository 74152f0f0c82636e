// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "base/flash_card_deck.h"

namespace kovrel {

class Simulator;

/// What the flash-card viewer shows: its two text boxes and which of its buttons can be pressed.
struct FlashCardView {
  std::string questionBox;
  std::string answerBox;
  bool backEnabled = false;
  bool forwardEnabled = false;
  bool showAnswerEnabled = false;
  bool rateEnabled = false;  // "knew it" and "not yet" once the answer is shown
};

/// The viewer's boxes and buttons for the deck as it stands. An empty deck shows nothing and
/// offers no button.
FlashCardView flashCardView(const FlashCardDeck& deck);

/// "Load Flash Cards": the current activity becomes the flash cards and the deck is read once,
/// shuffled, then ordered by the Leitner schedule (due cards, new cards, the rest), limited to the
/// chosen topic, starting at its first card with the answer hidden.
FlashCardView openFlashCards(Simulator& sim);

// The viewer's buttons. A button that is disabled changes nothing.
FlashCardView flashCardForward(Simulator& sim);
FlashCardView flashCardBack(Simulator& sim);
FlashCardView flashCardShowAnswer(Simulator& sim);

/// Rates the revealed card ("knew it" or "not yet") in the Leitner schedule, keeps the rating in
/// the progress store and moves on to the next card. Changes nothing while the answer is hidden.
FlashCardView rateFlashCard(Simulator& sim, bool knewIt);

/// Limits the deck to one topic (empty: every card) and opens it afresh.
FlashCardView chooseCardTopic(Simulator& sim, const std::string& topic);

/// The topics of the lesson database's cards, in the order they first appear.
std::vector<std::string> flashCardTopics(Simulator& sim);

}  // namespace kovrel

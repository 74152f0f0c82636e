#pragma once

#include <string>

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
};

/// The viewer's boxes and buttons for the deck as it stands. An empty deck shows nothing and
/// offers no button.
FlashCardView flashCardView(const FlashCardDeck& deck);

/// "Load Flash Cards": the current activity becomes the flash cards and the deck is read once, in
/// a fresh order shuffled by the database, starting at its first card with the answer hidden.
FlashCardView openFlashCards(Simulator& sim);

// The viewer's buttons. A button that is disabled changes nothing.
FlashCardView flashCardForward(Simulator& sim);
FlashCardView flashCardBack(Simulator& sim);
FlashCardView flashCardShowAnswer(Simulator& sim);

}  // namespace kovrel

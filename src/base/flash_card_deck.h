#pragma once

#include <cstddef>
#include <vector>

#include "base/lesson_database.h"

namespace kovrel {

/// The flash-card viewer's deck: the cards in the order the database shuffled them when the viewer
/// opened, the card shown, and whether its answer is revealed. The deck scrolls both ways.
struct FlashCardDeck {
  std::vector<FlashCard> cards;
  std::size_t position = 0;
  bool answerShown = false;
};

}  // namespace kovrel

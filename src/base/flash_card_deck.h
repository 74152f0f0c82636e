// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/lesson_database.h"

namespace kovrel {

/// The flash-card viewer's deck: the cards in the order the database shuffled them when the viewer
/// opened, the card shown, whether its answer is revealed, and the topic it is limited to. The
/// deck scrolls both ways.
struct FlashCardDeck {
  std::vector<FlashCard> cards;
  std::size_t position = 0;
  bool answerShown = false;
  std::string topic;  // the topic the deck is limited to; empty: every card
};

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "base/lesson_database.h"
#include "base/progress_store.h"

namespace kovrel {

/// The Leitner boxes: a card the student knew moves up a box and comes back later; a card not
/// yet known goes back to box 1. Days until a card of box 1 to 5 is due again.
inline constexpr std::array<int, 5> kBoxIntervalDays{0, 1, 3, 7, 14};
inline constexpr StoredTime kSecondsPerDay = 24 * 60 * 60;

/// The card's place after a rating: "knew it" one box up (at most 5), "not yet" box 1; due again
/// after the new box's interval. A card never rated counts as box 1.
CardRecord rateCard(const std::optional<CardRecord>& current, bool knewIt, StoredTime now);

/// The order of study: cards due now first (longest overdue first), then cards never rated (in
/// the order given), then the rest by due date. With a topic, only that topic's cards.
std::vector<FlashCard> scheduledDeck(const std::vector<FlashCard>& cards,
                                     const std::map<int, CardRecord>& records, StoredTime now,
                                     std::string_view topic = {});

/// How many of the cards are due now: rated cards whose time has come (cards never rated are new,
/// not due).
int cardsDue(const std::vector<FlashCard>& cards, const std::map<int, CardRecord>& records,
             StoredTime now);

/// The topics of the cards, each once, in the order they first appear.
std::vector<std::string> cardTopics(const std::vector<FlashCard>& cards);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/card_schedule.h"

#include <algorithm>

namespace kovrel {

CardRecord rateCard(const std::optional<CardRecord>& current, bool knewIt, StoredTime now) {
  const int box = current ? std::clamp(current->box, 1, 5) : 1;
  CardRecord next;
  next.box = knewIt ? std::min(box + 1, 5) : 1;
  next.due = now + kBoxIntervalDays[static_cast<std::size_t>(next.box - 1)] * kSecondsPerDay;
  return next;
}

std::vector<FlashCard> scheduledDeck(const std::vector<FlashCard>& cards,
                                     const std::map<int, CardRecord>& records, StoredTime now,
                                     std::string_view topic) {
  std::vector<std::pair<StoredTime, FlashCard>> due;
  std::vector<FlashCard> fresh;
  std::vector<std::pair<StoredTime, FlashCard>> later;
  for (const FlashCard& card : cards) {
    if (!topic.empty() && card.topic != topic) continue;
    const auto record = records.find(card.id);
    if (record == records.end()) {
      fresh.push_back(card);
    } else {
      (record->second.due <= now ? due : later).emplace_back(record->second.due, card);
    }
  }
  const auto byDue = [](const auto& a, const auto& b) { return a.first < b.first; };
  std::stable_sort(due.begin(), due.end(), byDue);
  std::stable_sort(later.begin(), later.end(), byDue);
  std::vector<FlashCard> deck;
  for (auto& [time, card] : due) deck.push_back(std::move(card));
  for (FlashCard& card : fresh) deck.push_back(std::move(card));
  for (auto& [time, card] : later) deck.push_back(std::move(card));
  return deck;
}

int cardsDue(const std::vector<FlashCard>& cards, const std::map<int, CardRecord>& records,
             StoredTime now) {
  return static_cast<int>(std::count_if(cards.begin(), cards.end(), [&](const FlashCard& card) {
    const auto record = records.find(card.id);
    return record != records.end() && record->second.due <= now;
  }));
}

std::vector<std::string> cardTopics(const std::vector<FlashCard>& cards) {
  std::vector<std::string> topics;
  for (const FlashCard& card : cards) {
    if (!card.topic.empty() &&
        std::find(topics.begin(), topics.end(), card.topic) == topics.end()) {
      topics.push_back(card.topic);
    }
  }
  return topics;
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/activity_search.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "base/lesson_database.h"
#include "training/activity_menu.h"

namespace kovrel {
namespace {

std::string folded(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return result;
}

std::vector<std::string> words(std::string_view query) {
  std::vector<std::string> found;
  std::string word;
  for (const char c : std::string(query) + ' ') {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!word.empty()) found.push_back(folded(word));
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  return found;
}

bool holdsAll(std::string_view text, const std::vector<std::string>& wanted) {
  return std::all_of(wanted.begin(), wanted.end(),
                     [&](const std::string& word) { return text.find(word) != text.npos; });
}

// A lookup that fails leaves the entry with its title alone.
template <typename Read>
std::string taskText(Read read) {
  try {
    return read().value_or("");
  } catch (const DatabaseError&) {
    return {};
  }
}

void add(std::vector<SearchEntry>& entries, SearchKind kind, std::string key, std::string title,
         const std::string& text) {
  SearchEntry entry{kind, std::move(key), std::move(title), {}, {}};
  entry.foldedTitle = folded(entry.title);
  entry.foldedText = entry.foldedTitle + "\n" + folded(text);
  entries.push_back(std::move(entry));
}

}  // namespace

ActivitySearch::ActivitySearch(LessonDatabase& database) {
  for (const ActivityMenuItem& item : labMenu()) {
    add(entries_, SearchKind::lab, std::string(item.key), std::string(item.caption),
        taskText([&] { return database.labText(item.key); }));
  }
  for (const ActivityMenuItem& item : testMenu()) {
    add(entries_, SearchKind::test, std::string(item.key), std::string(item.caption),
        taskText([&] { return database.testText(item.key); }));
  }
  for (const ActivityMenuItem& item : troubleshootingMenu()) {
    add(entries_, SearchKind::troubleshooting, std::string(item.key), std::string(item.caption),
        taskText([&]() -> std::optional<std::string> {
          const auto texts = database.troubleshooting(item.key);
          return texts ? std::optional(texts->troubleshootingText) : std::nullopt;
        }));
  }
  std::vector<FlashCard> cards;
  try {
    cards = database.flashCards();
  } catch (const DatabaseError&) {
  }
  for (const FlashCard& card : cards) {
    add(entries_, SearchKind::flashCard, "", card.question, card.answer);
  }
}

std::vector<const SearchEntry*> ActivitySearch::find(std::string_view query,
                                                     std::size_t limit) const {
  const std::vector<std::string> wanted = words(query);
  std::vector<const SearchEntry*> inTitle, inText, cards;
  if (wanted.empty()) return inTitle;
  for (const SearchEntry& entry : entries_) {
    const bool titleHolds = holdsAll(entry.foldedTitle, wanted);
    if (!titleHolds && !holdsAll(entry.foldedText, wanted)) continue;
    if (entry.kind == SearchKind::flashCard) {
      cards.push_back(&entry);
    } else {
      (titleHolds ? inTitle : inText).push_back(&entry);
    }
  }
  inTitle.insert(inTitle.end(), inText.begin(), inText.end());
  inTitle.insert(inTitle.end(), cards.begin(), cards.end());
  if (inTitle.size() > limit) inTitle.resize(limit);
  return inTitle;
}

}  // namespace kovrel

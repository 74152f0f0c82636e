// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

class LessonDatabase;

/// What a search result opens.
enum class SearchKind { lab, test, troubleshooting, flashCard };

/// One thing a student can open from the search box: a lab, test or troubleshooting scenario
/// (by its launcher's key) or a flash card, with the title a result list shows.
struct SearchEntry {
  SearchKind kind = SearchKind::lab;
  std::string key;    // the launcher's key; empty for a flash card
  std::string title;  // the menu caption, or the card's question
  std::string foldedTitle;
  std::string foldedText;  // the title and the task, in lower case
};

/// The titles and task texts of every activity and flash card, read once from the lesson
/// database, and the search through them by words. Solutions are left out, so that a search
/// never gives an answer away.
class ActivitySearch {
 public:
  /// Reads the texts; a database that cannot be read leaves the activities with their titles.
  explicit ActivitySearch(LessonDatabase& database);

  /// The entries that hold every word of `query` (letter case ignored): those with every word
  /// in the title first, each group in menu order, flash cards last. Nothing for a query without
  /// words; at most `limit` entries.
  std::vector<const SearchEntry*> find(std::string_view query, std::size_t limit = 60) const;
  std::size_t size() const { return entries_.size(); }

 private:
  std::vector<SearchEntry> entries_;
};

}  // namespace kovrel

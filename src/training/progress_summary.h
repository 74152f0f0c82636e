// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/lesson_database.h"
#include "base/progress_store.h"

namespace kovrel {

class Simulator;

/// One topic of the lab menu: how many of its labs the student has completed.
struct LabGroupProgress {
  std::string group;
  int done = 0;
  int total = 0;
  bool operator==(const LabGroupProgress&) const = default;
};

/// One test of the menu with every submission of it, oldest first; best and last are empty until
/// it was taken.
struct TestProgress {
  int number = 0;
  std::string caption;
  std::vector<TestAttempt> attempts;
  std::optional<TestAttempt> best;  // the highest score, the earliest of equal ones
  std::optional<TestAttempt> last;
};

/// A troubleshooting scenario the student has solved, and when.
struct SolvedScenario {
  int number = 0;
  std::string caption;
  StoredTime solvedAt = 0;
};

/// Where the student stands, as every front-end shows it: labs completed by topic, the tests'
/// scores, the scenarios solved and the flash cards due.
struct ProgressSummary {
  int labsDone = 0;
  int labsTotal = 0;
  std::vector<LabGroupProgress> labGroups;  // in menu order
  std::vector<TestProgress> tests;          // in menu order
  std::vector<SolvedScenario> solved;       // in menu order
  int scenarioCount = 0;
  int cardsDue = 0;
  int cardsStudied = 0;  // cards rated at least once
  int cardsTotal = 0;
  bool saved = true;  // false: the progress file could not be used, and this run keeps nothing
};

/// The summary of `progress`. A lab counts when it has step checks (`labsWithChecks` holds their
/// keys; the introduction to the labs has none); cards are due as the Leitner schedule says at
/// `now`.
ProgressSummary summarizeProgress(const Progress& progress,
                                  const std::vector<std::string>& labsWithChecks,
                                  const std::vector<FlashCard>& cards, StoredTime now);

/// The summary of the student's progress in this run, the lesson database telling which labs have
/// checks and which cards there are.
ProgressSummary progressSummary(Simulator& sim);

/// The summary as lines of text, for a terminal and for a saved summary.
std::vector<std::string> progressSummaryLines(const ProgressSummary& summary);

/// Whether the lab `key` has been completed at some time.
bool labCompleted(const Progress& progress, std::string_view key);

/// The best score of test `number`; nothing when it was never submitted.
std::optional<int> bestScore(const Progress& progress, int number);

/// The day of `time` in local time, as "2026-12-07".
std::string storedDate(StoredTime time);

}  // namespace kovrel

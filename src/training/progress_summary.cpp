// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/progress_summary.h"

#include <algorithm>
#include <ctime>

#include "base/error_log.h"
#include "base/simulator.h"
#include "training/activity_menu.h"
#include "training/card_schedule.h"

namespace kovrel {
namespace {

void summarizeLabs(const Progress& progress, const std::vector<std::string>& labsWithChecks,
                   ProgressSummary& summary) {
  for (const ActivityMenuItem& lab : labMenu()) {
    const std::string key(lab.key);
    if (std::find(labsWithChecks.begin(), labsWithChecks.end(), key) == labsWithChecks.end())
      continue;
    // A topic the menu lists again further down keeps its one line.
    auto group =
        std::find_if(summary.labGroups.begin(), summary.labGroups.end(),
                     [&](const LabGroupProgress& known) { return known.group == lab.group; });
    if (group == summary.labGroups.end()) {
      summary.labGroups.push_back({std::string(lab.group), 0, 0});
      group = summary.labGroups.end() - 1;
    }
    const bool done = labCompleted(progress, key);
    ++group->total;
    group->done += done;
    ++summary.labsTotal;
    summary.labsDone += done;
  }
}

void summarizeTests(const Progress& progress, ProgressSummary& summary) {
  int number = 0;
  for (const ActivityMenuItem& test : testMenu()) {
    TestProgress entry{++number, std::string(test.caption), {}, std::nullopt, std::nullopt};
    for (const TestAttempt& attempt : progress.tests) {
      if (attempt.test != number) continue;
      entry.attempts.push_back(attempt);
      if (!entry.best || attempt.score > entry.best->score) entry.best = attempt;
      entry.last = attempt;
    }
    summary.tests.push_back(std::move(entry));
  }
}

void summarizeScenarios(const Progress& progress, ProgressSummary& summary) {
  int number = 0;
  for (const ActivityMenuItem& scenario : troubleshootingMenu()) {
    ++number;
    if (const auto found = progress.solved.find(number); found != progress.solved.end()) {
      summary.solved.push_back({number, std::string(scenario.caption), found->second});
    }
  }
  summary.scenarioCount = number;
}

std::string scoreAndDate(const TestAttempt& attempt) {
  return std::to_string(attempt.score) + " (" + storedDate(attempt.takenAt) + ")";
}

}  // namespace

ProgressSummary summarizeProgress(const Progress& progress,
                                  const std::vector<std::string>& labsWithChecks,
                                  const std::vector<FlashCard>& cards, StoredTime now) {
  ProgressSummary summary;
  summarizeLabs(progress, labsWithChecks, summary);
  summarizeTests(progress, summary);
  summarizeScenarios(progress, summary);
  summary.cardsDue = cardsDue(cards, progress.cards, now);
  summary.cardsTotal = static_cast<int>(cards.size());
  summary.cardsStudied =
      static_cast<int>(std::count_if(cards.begin(), cards.end(), [&](const FlashCard& card) {
        return progress.cards.contains(card.id);
      }));
  return summary;
}

ProgressSummary progressSummary(Simulator& sim) {
  std::vector<std::string> labsWithChecks;
  std::vector<FlashCard> cards;
  trapped(sim, "progressSummary", [&] {
    for (const ActivityMenuItem& lab : labMenu()) {
      if (!sim.database.labChecks(lab.key).empty()) labsWithChecks.emplace_back(lab.key);
    }
    cards = sim.database.flashCards();
  });
  ProgressSummary summary = summarizeProgress(sim.progress.progress(), labsWithChecks, cards,
                                              storedTime(sim.services.clock.now()));
  summary.saved = sim.progress.saving();
  return summary;
}

std::vector<std::string> progressSummaryLines(const ProgressSummary& summary) {
  std::vector<std::string> lines;
  lines.push_back("Labs done: " + std::to_string(summary.labsDone) + " of " +
                  std::to_string(summary.labsTotal));
  for (const LabGroupProgress& group : summary.labGroups) {
    lines.push_back("  " + group.group + ": " + std::to_string(group.done) + " of " +
                    std::to_string(group.total));
  }
  lines.emplace_back("Tests:");
  for (const TestProgress& test : summary.tests) {
    lines.push_back("  " + test.caption + ": " +
                    (test.best
                         ? "best " + scoreAndDate(*test.best) + ", last " + scoreAndDate(*test.last)
                         : std::string("not taken")));
  }
  lines.push_back("Troubleshooting solved: " + std::to_string(summary.solved.size()) + " of " +
                  std::to_string(summary.scenarioCount));
  for (const SolvedScenario& scenario : summary.solved) {
    lines.push_back("  " + scenario.caption + " (" + storedDate(scenario.solvedAt) + ")");
  }
  lines.push_back("Flash cards due today: " + std::to_string(summary.cardsDue) + " (" +
                  std::to_string(summary.cardsStudied) + " of " +
                  std::to_string(summary.cardsTotal) + " studied)");
  if (!summary.saved) lines.emplace_back("This run's progress is not saved.");
  return lines;
}

bool labCompleted(const Progress& progress, std::string_view key) {
  const auto found = progress.labs.find(std::string(key));
  return found != progress.labs.end() && found->second.completedAt.has_value();
}

std::optional<int> bestScore(const Progress& progress, int number) {
  std::optional<int> best;
  for (const TestAttempt& attempt : progress.tests) {
    if (attempt.test == number && (!best || attempt.score > *best)) best = attempt.score;
  }
  return best;
}

std::string storedDate(StoredTime time) {
  const auto seconds = static_cast<std::time_t>(time);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
  return std::string(text, length);
}

}  // namespace kovrel

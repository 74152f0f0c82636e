// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/feedback_commands.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "base/command_matching.h"
#include "base/simulator.h"
#include "shell/terminal/scenario_commands.h"
#include "shell/terminal/training_commands.h"
#include "training/activity_menu.h"
#include "training/card_schedule.h"
#include "training/flash_cards.h"
#include "training/step_tracker.h"

namespace kovrel::terminal {
namespace {

using Arguments = std::span<const std::string>;

std::string date(StoredTime time) {
  const std::time_t seconds = static_cast<std::time_t>(time);
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
  return text;
}

void labProgress(const Progress& progress, ProgramCommandResult& result) {
  int completed = 0;
  int total = 0;
  std::string group;
  std::vector<std::string> lines;
  int groupDone = 0;
  int groupTotal = 0;
  const auto closeGroup = [&] {
    if (!group.empty()) {
      lines.push_back("  " + group + ": " + std::to_string(groupDone) + " of " +
                      std::to_string(groupTotal));
    }
  };
  for (const ActivityMenuItem& lab : labMenu()) {
    if (lab.key == "aboutTheLabs") continue;
    if (lab.group != group) {
      closeGroup();
      group = lab.group;
      groupDone = groupTotal = 0;
    }
    const auto found = progress.labs.find(std::string(lab.key));
    const bool done = found != progress.labs.end() && found->second.completedAt.has_value();
    completed += done;
    groupDone += done;
    ++total;
    ++groupTotal;
  }
  closeGroup();
  result.lines.push_back("Labs done: " + std::to_string(completed) + " of " +
                         std::to_string(total));
  result.lines.insert(result.lines.end(), lines.begin(), lines.end());
}

void testProgress(const Progress& progress, ProgramCommandResult& result) {
  result.lines.push_back("Tests:");
  for (const ActivityMenuItem& test : testMenu()) {
    const int number = test.key.back() - '0';
    const TestAttempt* best = nullptr;
    const TestAttempt* last = nullptr;
    for (const TestAttempt& attempt : progress.tests) {
      if (attempt.test != number) continue;
      if (best == nullptr || attempt.score > best->score) best = &attempt;
      last = &attempt;
    }
    std::string line = "  " + std::string(test.caption) + ": ";
    line += best == nullptr
                ? "not taken"
                : "best " + std::to_string(best->score) + " (" + date(best->takenAt) + "), last " +
                      std::to_string(last->score) + " (" + date(last->takenAt) + ")";
    result.lines.push_back(line);
  }
}

}  // namespace

std::string_view tickMark(bool done) {
  static const bool utf8 =
      localeIsUtf8(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG"));
  if (utf8) return done ? "\u2713" : "\u2717";
  return done ? "[x]" : "[ ]";
}

void checkCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  const std::vector<StepStatus> steps = stepChecklist(sim);
  if (steps.empty()) {
    result.lines.push_back(
        "There are no steps to check here; start a lab or a troubleshooting "
        "scenario.");
    return;
  }
  const TrainingState& training = sim.state.training;
  if (training.currentActivity == Activity::troubleshooting) {
    const std::string name = "Troubleshooting " + std::to_string(training.currentTroubleshooting);
    result.lines.push_back(allStepsDone(sim) ? name + " solved."
                                             : name + " is still open: the goal's ping fails.");
    return;
  }
  int done = 0;
  for (const StepStatus& step : steps) {
    result.lines.push_back(std::string(tickMark(step.done)) + " " + step.heading);
    done += step.done;
  }
  result.lines.push_back(std::to_string(done) + " of " + std::to_string(steps.size()) +
                         " steps done.");
}

void resetCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (!resetActivity(sim)) {
    result.lines.push_back("There is no lab, test or troubleshooting scenario to reset.");
    return;
  }
  result.lines.push_back("The activity starts afresh from a clean router.");
}

void progressCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  const Progress& progress = sim.progress.progress();
  labProgress(progress, result);
  testProgress(progress, result);
  std::string solved;
  for (const auto& [scenario, when] : progress.solved) {
    solved += (solved.empty() ? "" : ", ") + std::to_string(scenario);
  }
  result.lines.push_back("Troubleshooting solved: " + (solved.empty() ? "none" : solved));
  const auto cards = sim.database.flashCards();
  const int due = cardsDue(cards, progress.cards, storedTime(sim.services.clock.now()));
  result.lines.push_back("Flash cards due today: " + std::to_string(due) + " (" +
                         std::to_string(progress.cards.size()) + " of " +
                         std::to_string(cards.size()) + " studied)");
  if (!sim.progress.saving()) result.lines.push_back("(This run's progress is not saved.)");
}

void topicCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  const std::vector<std::string> topics = flashCardTopics(sim);
  std::string wanted;
  for (const std::string& word : arguments) wanted += (wanted.empty() ? "" : " ") + word;
  if (wanted.empty()) {
    result.lines.push_back("Topics: " + [&] {
      std::string all;
      for (const std::string& topic : topics) all += (all.empty() ? "" : ", ") + topic;
      return all;
    }());
    return;
  }
  const bool every = wanted == "all";
  const auto found = std::find_if(topics.begin(), topics.end(), [&](const std::string& topic) {
    return toLower(topic) == toLower(wanted);
  });
  if (!every && found == topics.end()) {
    result.lines.push_back("No topic '" + wanted + "'; type topic for the list.");
    return;
  }
  chooseCardTopic(sim, every ? std::string() : *found);
  result.openCardViewer = true;
  addFlashCard(sim, result);
}

}  // namespace kovrel::terminal

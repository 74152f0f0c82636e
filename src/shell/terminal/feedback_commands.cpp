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
#include "training/hints.h"
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

void addRuns(ProgramCommandResult& result, const std::vector<StyledRun>& runs,
             std::vector<StyledRun> ProgramCommandResult::*target) {
  for (const StyledRun& run : runs) appendRun(result.*target, run.text, run.style);
}

// Why the solution stays hidden: the study mode hides it, or there is none to give.
bool hintRefused(const Simulator& sim, const SolutionHints& hints, ProgramCommandResult& result) {
  switch (hints.state) {
    case HintState::offered:
    case HintState::allRevealed:
      return false;
    case HintState::testMode:
      result.lines.emplace_back(
          "Test Mode keeps the solution hidden; mode learn gives hints and the solution.");
      return true;
    case HintState::none:
      break;
  }
  result.lines.emplace_back(sim.state.training.currentActivity == Activity::troubleshooting
                                ? "This scenario has no solution to reveal."
                                : "Hints come with troubleshooting scenarios; in a lab, step N "
                                  "shows a step.");
  return true;
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
  const Activity activity = sim.state.training.currentActivity;
  if (activity == Activity::test || activity == Activity::testReport) {
    result.lines.emplace_back("A test is checked when you hand it in: report grades it.");
    return;
  }
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
  // What the student typed since the start is lost, so a reset after any typing asks first.
  if (!result.replaceAgreed && sim.state.training.linesEntered > 0 && canResetActivity(sim)) {
    result.question = "Start again from a clean router? What you typed since the start is lost.";
    return;
  }
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

void hintCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  const SolutionHints before = solutionHints(sim.state.training);
  if (hintRefused(sim, before, result)) return;
  if (before.state == HintState::allRevealed) {
    result.lines.emplace_back("The whole solution is shown already; solution shows it again.");
    return;
  }
  result.lines.push_back("Hint " + std::to_string(before.revealed + 1) + " of " +
                         std::to_string(before.steps) + ":");
  addRuns(result, revealHint(sim), &ProgramCommandResult::richText);
  const SolutionHints after = solutionHints(sim.state.training);
  appendRun(result.richText,
            after.state == HintState::offered ? "\n" + hintOffer(after)
                                              : std::string("\nThat was the last step."),
            {});
}

void solutionCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  if (hintRefused(sim, solutionHints(sim.state.training), result)) return;
  // The solution waits behind a pause, so that the student can still keep it hidden.
  result.lines.emplace_back("The whole solution follows (q at --More-- keeps it hidden).");
  addRuns(result, revealSolution(sim), &ProgramCommandResult::afterPause);
}

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/information.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/error_log.h"
#include "base/simulator.h"
#include "training/activity_menu.h"
#include "training/instructions.h"

namespace kovrel {
namespace {

// The texts name the number of labs, tests and scenarios by placeholders, so that the numbers
// follow the menus instead of going stale when an activity is added.
std::string withActivityCounts(std::string text) {
  // The introduction that opens the lab menu is no exercise.
  const auto exercises = std::count_if(
      labMenu().begin(), labMenu().end(),
      [](const ActivityMenuItem& lab) { return lab.key != std::string_view("aboutTheLabs"); });
  const std::pair<std::string_view, std::size_t> counts[] = {
      {"{labs}", static_cast<std::size_t>(exercises)},
      {"{tests}", testMenu().size()},
      {"{scenarios}", troubleshootingMenu().size()}};
  for (const auto& [placeholder, count] : counts) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at)) {
      text.replace(at, placeholder.size(), std::to_string(count));
    }
  }
  return text;
}

}  // namespace

std::vector<StyledRun> displayWelcomeText(Simulator& sim) {
  const TrainingState& training = sim.state.training;
  std::vector<StyledRun> runs =
      renderInstructions(withActivityCounts(training.informationText), training.learnMode);
  showRuns(training.panes.information, runs, true);
  return runs;
}

std::vector<StyledRun> setText(Simulator& sim, std::string_view id) {
  const std::optional<std::string> contents = trapped(
      sim, "setText", [&] { return sim.database.misc(id); }, std::optional<std::string>());
  if (contents) sim.state.training.informationText = *contents;
  return displayWelcomeText(sim);
}

std::vector<StyledRun> openInformation(Simulator& sim, std::string_view id) {
  sim.state.training.currentActivity = Activity::information;
  // The welcome text was read once at start-up; the database is not asked for it again.
  if (id != "welcomeText") return setText(sim, id);
  if (!sim.state.welcomeText.empty()) sim.state.training.informationText = sim.state.welcomeText;
  return displayWelcomeText(sim);
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/information.h"

#include <string>

#include "base/error_log.h"
#include "base/simulator.h"
#include "training/instructions.h"

namespace kovrel {

std::vector<StyledRun> displayWelcomeText(Simulator& sim) {
  const TrainingState& training = sim.state.training;
  std::vector<StyledRun> runs = renderInstructions(training.informationText, training.learnMode);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/session_start.h"

#include <cstdlib>

#include "base/error_log.h"
#include "base/simulator.h"
#include "console/session.h"
#include "shell/terminal/platform_adapters.h"
#include "shell/terminal/scenario_commands.h"

namespace kovrel::terminal {

std::string databasePathFor(const Options& options) {
  if (!options.databasePath.empty()) return options.databasePath;
  return (findDataFolder(applicationFolder()) / kDatabaseName).string();
}

std::string progressPathFor(const Options& options, const char* dataHome, const char* home) {
  if (!options.progressPath.empty()) return options.progressPath;
  if (options.batch) return {};
  if (dataHome != nullptr && *dataHome == '/') return std::string(dataHome) + "/kovrel/progress.db";
  if (home != nullptr && *home != '\0')
    return std::string(home) + "/.local/share/kovrel/progress.db";
  return {};
}

void startProgram(Simulator& sim, const Options& options) {
  const std::string progress =
      progressPathFor(options, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!progress.empty() && !sim.progress.open(progress)) {
    if (auto notice = sim.progress.takeNotice()) sim.services.messageBox.show(*notice);
  }
  trapped(sim, "setWelcomeText", [&] { setWelcomeText(sim, databasePathFor(options)); });
  trapped(sim, "startFirstActivity", [&] { startFirstActivity(sim, options); });
}

}  // namespace kovrel::terminal

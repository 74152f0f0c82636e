// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/session_start.h"

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

void startProgram(Simulator& sim, const Options& options) {
  trapped(sim, "setWelcomeText", [&] { setWelcomeText(sim, databasePathFor(options)); });
  trapped(sim, "startFirstActivity", [&] { startFirstActivity(sim, options); });
}

}  // namespace kovrel::terminal

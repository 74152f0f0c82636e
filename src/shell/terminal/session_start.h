// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/terminal/options.h"

namespace kovrel {
class Simulator;
}

namespace kovrel::terminal {

/// The lesson database named by the options, else DataStore.db in the application folder.
std::string databasePathFor(const Options& options);

/// Start-up as the desktop program does it: the lesson database with its boot and welcome texts
/// (and the message when it cannot be reached), then the first activity.
void startProgram(Simulator& sim, const Options& options);

}  // namespace kovrel::terminal

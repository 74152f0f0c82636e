// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "base/lesson_database.h"
#include "base/simulator.h"

namespace kovrel {

/// The one-word catalogue of a command mode; none outside a session.
std::optional<CatalogueTable> oneWordTable(CliMode mode);
/// The extended (whole line) catalogue of a mode; line configuration mode has none.
std::optional<CatalogueTable> extendedTable(CliMode mode);

/// Whether an implemented catalogue row of the current mode begins with the command text of
/// `line` (an input line with its prompt). Decides only the emphasis of help listings; whether a
/// line is executed is for the handlers alone.
bool checkIfCommandImplemented(Simulator& sim, std::string_view line);

}  // namespace kovrel

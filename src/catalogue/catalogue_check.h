// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "base/lesson_database.h"
#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// The one-word catalogue of a command mode; none outside a session.
std::optional<CatalogueTable> oneWordTable(CliMode mode);
/// The extended (whole line) catalogue of a mode; line configuration mode has none.
std::optional<CatalogueTable> extendedTable(CliMode mode);

/// Whether the typed words (keywords by any unique prefix) lead to a command, or the beginning
/// of commands, that the simulator carries out. Decides the emphasis of help listings.
bool checkIfCommandImplemented(const GrammarScope& scope, std::string_view typed);

}  // namespace kovrel

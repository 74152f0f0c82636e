// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// Asks for the enable secret (or, without one, the enable password); false when neither is set.
bool askEnablePassword(Simulator& sim);
/// Asks for the console line password at the start of a session.
void askConsoleLogin(Simulator& sim);

// The checks of the answers; `line` is the whole input line, question included. Three wrong
// answers close the question.
void checkEnableSecret(Simulator& sim, std::string_view line);
void checkEnablePassword(Simulator& sim, std::string_view line);
void checkConsoleLogin(Simulator& sim, std::string_view line);

}  // namespace kovrel

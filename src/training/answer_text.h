// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "base/rich_text.h"

namespace kovrel {

class Simulator;

/// Formats one line of a test report (`DisplayLine_AnswerText`): numbered step headings and
/// quoted bold text as in the instructions, then word by word with the verdicts marked: a word
/// containing "Incorrect" in italics, a word containing "Fail" or "Pass" in red.
void appendAnswerLine(std::vector<StyledRun>& runs, std::string_view line, bool centred,
                      int& stepCounter);

/// Renders a report: its first line and every line that names the "Solution" are titles, blank
/// lines stay blank, and the second line is centred when it holds text.
std::vector<StyledRun> renderAnswerText(std::string_view report);

/// Shows the report in a cleared test report window.
void displayAnswerText(Simulator& sim, std::string_view report);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/rich_text.h"

namespace kovrel {

class Simulator;
struct TrainingState;

/// The style of an ordinary lesson line: 12 points, plain, left-aligned.
inline constexpr TextStyle kBodyStyle{};
/// The style of a title line: 14 points, bold, centred.
inline constexpr TextStyle kTitleStyle{
    14, true, false, false, TextColour::standard, TextAlignment::centre};

/// The style of a section heading (a line written "# Heading"): 13 points, bold, left-aligned.
inline constexpr TextStyle kSectionStyle{
    13, true, false, false, TextColour::standard, TextAlignment::left};

/// Splits a lesson text into its lines (CR LF between lines; a lone LF counts as a line break too).
std::vector<std::string> splitLessonLines(std::string_view text);

/// The first blank-separated word of the line with its blanks trimmed.
std::string_view firstWord(std::string_view line);
/// Whether the line is a step heading: its first word contains "Step" (case-sensitive).
bool isStepHeading(std::string_view line);
/// Numbers a step heading: every "Step:" becomes "Step" + the number + ":".
std::string numberStep(std::string_view line, int stepNumber);

/// Formats one lesson line (`DisplayLine`): a title is centred, bold and 14 points and restarts
/// the step numbering; a step heading is numbered and underlined; a line opening with "# " is a
/// section heading, shown without its mark; text between single quotes is
/// bold and the quotes are not shown. Every line but a title starts a new paragraph.
void appendDisplayLine(std::vector<StyledRun>& runs, std::string_view line, bool isTitle,
                       int& stepCounter);

/// Renders a lesson text: the first line is the title, blank lines stay blank. Outside Learn Mode
/// everything after the first step heading is reduced to the step headings themselves.
std::vector<StyledRun> renderInstructions(std::string_view text, bool learnMode);

/// The troubleshooting solution as far as the student asked to see it (`hints.h`), as it follows
/// the instructions: two line breaks, then that part rendered like a lesson text. Nothing while
/// no step is revealed.
std::vector<StyledRun> solutionRuns(const TrainingState& training);

/// What the instruction pane shows once a study mode is chosen: the instructions, followed in a
/// troubleshooting scenario in Learn Mode by the part of the solution revealed so far.
std::vector<StyledRun> instructionPaneRuns(const TrainingState& training);

/// Shows the current scenario's instruction text in a cleared instruction pane, or, with
/// `appendSolution`, the troubleshooting solution after what the pane holds.
void displayInstructions(Simulator& sim, bool appendSolution);

/// The side panel's "Learn Mode" / "Test Mode" options: selects the study mode and shows the
/// instructions again (in a troubleshooting scenario Learn Mode adds the revealed solution).
void selectStudyMode(Simulator& sim, bool learnMode);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/rich_text.h"

namespace kovrel {

/// One step of a lesson text: its number, its heading as the instruction pane numbers it
/// ("Step3: ..."), and the detail lines under it up to the next heading, blank lines at the end
/// left out.
struct LessonStep {
  int number = 0;
  std::string heading;
  std::vector<std::string> details;
};

/// The steps of a lesson text, numbered as the instruction pane numbers them. A text without step
/// headings has none.
std::vector<LessonStep> lessonSteps(std::string_view text);

/// One step as the instruction pane would show it: the underlined heading and, in Learn Mode,
/// its detail lines with the quoted commands in bold. The first paragraph is the heading itself.
std::vector<StyledRun> stepRuns(const LessonStep& step, bool learnMode);

/// "Learn Mode" or "Test Mode", the captions of the study-mode options.
std::string_view studyModeName(bool learnMode);

}  // namespace kovrel

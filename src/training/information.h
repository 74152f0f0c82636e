// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "base/rich_text.h"

namespace kovrel {

class Simulator;

/// Renders the information text into the information window (`displayWelcomeText`) with the
/// conventions of the instructions, and returns what it shows.
std::vector<StyledRun> displayWelcomeText(Simulator& sim);

/// Reads the `Misc` text `id` ("studyPlan", "disclaimer") into the information window and shows
/// it. An id without a row keeps the previous text, which is shown again.
std::vector<StyledRun> setText(Simulator& sim, std::string_view id);

/// Opens the information window: the current activity becomes the information text, and the text
/// `id` is shown ("welcomeText" shows the welcome text read at start-up).
std::vector<StyledRun> openInformation(Simulator& sim, std::string_view id);

}  // namespace kovrel

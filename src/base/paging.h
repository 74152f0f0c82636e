// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// Pauses of a paged display: a short one after every line so long displays scroll visibly.
inline constexpr int kPagedLinePauseMs = 100;
/// What the input line shows while a paged display waits for a key.
inline constexpr std::string_view kMorePrompt = " --More--";

/// Writes a long display page by page. `text` is the whole display, lines joined by CR LF; each
/// line is appended as `writeConsoleLine` would append it (`helpLine` as there). After every
/// `pageLength` lines the display waits at " --More--": Space shows the next page, Enter one more
/// line, any other key ends it. The console is busy (`Interaction::paging`) until the display is
/// complete or abandoned; then the prompt is shown again.
void writePaged(Simulator& sim, std::string_view text, bool helpLine = false);

}  // namespace kovrel

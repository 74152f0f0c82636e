// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/rich_text.h"

namespace kovrel::terminal {

/// How styled lesson text is drawn on a terminal: with ANSI attributes (bold, italic, underline,
/// red) or as plain text, and how wide a line is for centring titles.
struct RichTextRendering {
  bool ansi = false;
  std::size_t columns = 80;
};

/// The runs as terminal lines: one line per paragraph, centred paragraphs padded with blanks,
/// trailing blanks dropped. Font sizes have no terminal form; a title is bold anyway.
std::vector<std::string> renderRichTextLines(const std::vector<StyledRun>& runs,
                                             const RichTextRendering& rendering);

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "shell/terminal/program_commands.h"
#include "shell/terminal/rich_text_renderer.h"

namespace kovrel::terminal {

/// Lines of the front-end's own text (a lesson, a list) ready to show, and the places where the
/// reader must be asked before reading on (after the line with that index), whatever the page.
struct PagedText {
  std::vector<std::string> lines;
  std::vector<std::size_t> stopsAfter;
};

/// A program command's reply as terminal lines: its own lines, then its lesson text, both wrapped
/// at word boundaries to the width; a pause before the text that waits for one.
PagedText layOut(const ProgramCommandResult& result, const RichTextRendering& rendering);

/// Shows `text` as the console pages its long displays: `pageLength` lines, then a " --More--"
/// pause whose answer `askForMore` returns as a character code. Space shows the next page, Enter
/// one more line, any other key ends the text. `write` receives the lines in pieces.
void pageText(const PagedText& text, std::size_t pageLength,
              const std::function<void(std::span<const std::string>)>& write,
              const std::function<int()>& askForMore);

}  // namespace kovrel::terminal

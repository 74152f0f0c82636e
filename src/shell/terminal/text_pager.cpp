// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/text_pager.h"

#include <algorithm>

#include "console/keyboard.h"

namespace kovrel::terminal {
namespace {

void addLines(std::vector<std::string>& lines, std::vector<std::string> more) {
  lines.insert(lines.end(), std::make_move_iterator(more.begin()),
               std::make_move_iterator(more.end()));
}

}  // namespace

PagedText layOut(const ProgramCommandResult& result, const RichTextRendering& rendering) {
  PagedText text;
  // The front-end's own lines are wrapped like lesson text, and like it cannot steer the terminal.
  for (const std::string& line : result.lines) {
    if (line.empty()) {
      text.lines.emplace_back();
    } else {
      addLines(text.lines, renderRichTextLines({StyledRun{line, {}}}, rendering));
    }
  }
  addLines(text.lines, renderRichTextLines(result.richText, rendering));
  if (!result.afterPause.empty() && !text.lines.empty()) {
    text.stopsAfter.push_back(text.lines.size() - 1);
  }
  addLines(text.lines, renderRichTextLines(result.afterPause, rendering));
  return text;
}

void pageText(const PagedText& text, std::size_t pageLength,
              const std::function<void(std::span<const std::string>)>& write,
              const std::function<int()>& askForMore) {
  const std::span<const std::string> lines = text.lines;
  std::size_t linesToPause = std::max<std::size_t>(pageLength, 1);
  std::size_t start = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool last = i + 1 == lines.size();
    const bool stop =
        std::find(text.stopsAfter.begin(), text.stopsAfter.end(), i) != text.stopsAfter.end();
    if (last || (--linesToPause > 0 && !stop)) continue;
    write(lines.subspan(start, i + 1 - start));
    start = i + 1;
    const int answer = askForMore();
    if (answer == key::kSpace) {
      linesToPause = std::max<std::size_t>(pageLength, 1);
    } else if (answer == key::kEnter) {
      linesToPause = 1;
    } else {
      return;
    }
  }
  if (start < lines.size()) write(lines.subspan(start));
}

}  // namespace kovrel::terminal

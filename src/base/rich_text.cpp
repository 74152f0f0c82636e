// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/rich_text.h"

namespace kovrel {

void appendRun(std::vector<StyledRun>& runs, std::string_view text, const TextStyle& style) {
  if (text.empty()) return;
  if (!runs.empty() && runs.back().style == style) {
    runs.back().text += text;
  } else {
    runs.push_back(StyledRun{std::string(text), style});
  }
}

void showRuns(RichTextTarget* pane, const std::vector<StyledRun>& runs, bool clearFirst) {
  if (pane == nullptr) return;
  if (clearFirst) pane->clear();
  pane->moveToEnd();
  for (const StyledRun& run : runs) pane->insert(run.text, run.style);
  pane->moveToStart();
}

std::string plainText(const std::vector<StyledRun>& runs) {
  std::string text;
  for (const StyledRun& run : runs) text += run.text;
  return text;
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/rich_text.h"

namespace kovrel::web {

/// The styled runs of a lesson pane as HTML for the page: one <p> per paragraph, aligned as its
/// first visible text says, spans for size, bold, underline, italic and red. Every character of
/// the lesson text is escaped, so no lesson can put markup or script into the page.
std::string runsToHtml(const std::vector<StyledRun>& runs);

/// `text` as a JSON string literal, quotes included; bytes that are not valid UTF-8 become U+FFFD
/// so that the page always receives well-formed JSON.
std::string jsonString(std::string_view text);

/// A rich-text pane of the page: collects what the engine inserts and remembers whether the page
/// has seen it yet.
class HtmlPane : public RichTextTarget {
 public:
  void clear() override;
  void moveToEnd() override {}
  void moveToStart() override {}
  void insert(std::string_view text, const TextStyle& style) override;

  const std::vector<StyledRun>& runs() const { return runs_; }
  /// Whether the text changed since the last call.
  bool takeChanged();

 private:
  std::vector<StyledRun> runs_;
  bool changed_ = false;
};

}  // namespace kovrel::web

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/rich_text.h"

namespace kovrel {

/// Readable test failures: the run's text and the styles that differ from plain body text.
inline void PrintTo(const StyledRun& run, std::ostream* out) {
  const TextStyle& s = run.style;
  *out << '"' << run.text << "\" " << s.pointSize << "pt" << (s.bold ? " bold" : "")
       << (s.underline ? " underline" : "") << (s.italic ? " italic" : "")
       << (s.colour == TextColour::red ? " red" : "")
       << (s.colour == TextColour::green ? " green" : "")
       << (s.alignment == TextAlignment::centre ? " centre" : "");
}

}  // namespace kovrel

namespace kovrel::testing {

/// A rich-text pane that records what the engine does to it: every clear, every move of the
/// insertion point, and the styled runs of the text it holds.
class RecordingRichText : public RichTextTarget {
 public:
  void clear() override;
  void moveToEnd() override { operations.push_back("end"); }
  void moveToStart() override { operations.push_back("start"); }
  void insert(std::string_view text, const TextStyle& style) override;

  /// The text the pane holds, without styles.
  std::string text() const { return plainText(runs); }

  std::vector<StyledRun> runs;          // adjacent inserts of one style joined
  std::vector<std::string> operations;  // "clear", "end", "start", "insert"
  int clears = 0;
};

}  // namespace kovrel::testing

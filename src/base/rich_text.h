// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

/// Paragraph alignment. A paragraph is aligned as the first visible text inserted into it says.
enum class TextAlignment { left, centre };

/// The colours lesson texts use: the pane's own text colour, and the grade of a report: red for a
/// fail, green for a pass.
enum class TextColour { standard, red, green };

/// The character style and paragraph alignment of inserted text.
struct TextStyle {
  int pointSize = 12;
  bool bold = false;
  bool underline = false;
  bool italic = false;  // the emphasis of an "Incorrect" verdict
  TextColour colour = TextColour::standard;
  TextAlignment alignment = TextAlignment::left;

  bool operator==(const TextStyle&) const = default;
};

/// A piece of text in one style. "\n" inside the text starts a new paragraph.
struct StyledRun {
  std::string text;
  TextStyle style;

  bool operator==(const StyledRun&) const = default;
};

/// A rich-text pane of a training window (instructions, information text, test report). The
/// engine renders into it without knowing whether it is a widget, a document or a terminal.
class RichTextTarget {
 public:
  virtual ~RichTextTarget() = default;
  /// Removes all text and formatting.
  virtual void clear() = 0;
  virtual void moveToEnd() = 0;
  /// Moves the insertion point (and with it the view) back to the top.
  virtual void moveToStart() = 0;
  /// Inserts the text at the insertion point in the given style.
  virtual void insert(std::string_view text, const TextStyle& style) = 0;
};

/// The panes the front-end gives the engine. A window the front-end does not have is left null and
/// is simply not drawn.
struct RichTextPanes {
  RichTextTarget* instructions = nullptr;  // beside the console of the topology window
  RichTextTarget* information = nullptr;   // the information window
  RichTextTarget* report = nullptr;        // the test report window
};

/// Appends the text in the style, joining it to the last run when the style is the same, so that
/// equal renderings always yield equal run lists.
void appendRun(std::vector<StyledRun>& runs, std::string_view text, const TextStyle& style);

/// Writes the runs at the end of the pane (after clearing it when `clearFirst`), then moves back to
/// the top. Nothing happens for a null pane.
void showRuns(RichTextTarget* pane, const std::vector<StyledRun>& runs, bool clearFirst);

/// The runs' text without styles.
std::string plainText(const std::vector<StyledRun>& runs);

}  // namespace kovrel

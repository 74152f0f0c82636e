// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/rich_text_renderer.h"

#include <algorithm>
#include <string_view>

#include "shell/terminal/line_endings.h"

namespace kovrel::terminal {
namespace {

/// One character of a paragraph (the bytes of one UTF-8 character, one terminal column) and the
/// style it is drawn in.
struct Cell {
  std::string character;
  const TextStyle* style;
};

/// One paragraph of styled text, character by character; it is aligned as its first visible text
/// says.
struct Paragraph {
  std::vector<Cell> cells;
  bool alignmentKnown = false;
  TextAlignment alignment = TextAlignment::left;
};

std::vector<Paragraph> splitParagraphs(const std::vector<StyledRun>& runs) {
  std::vector<Paragraph> paragraphs(1);
  for (const StyledRun& run : runs) {
    for (const char character : run.text) {
      if (character == '\n') {
        paragraphs.emplace_back();
        continue;
      }
      Paragraph& paragraph = paragraphs.back();
      if (!paragraph.alignmentKnown) paragraph.alignment = run.style.alignment;
      paragraph.alignmentKnown = true;
      const bool continuation = (static_cast<unsigned char>(character) & 0xC0) == 0x80;
      if (continuation && !paragraph.cells.empty()) {
        paragraph.cells.back().character.push_back(character);
      } else {
        // The text is the lesson's; only the attributes added here may steer the terminal, so a
        // control character shows as ^X, a cell for each of its two characters.
        const char tabless = character == '\t' ? ' ' : character;
        for (const char shown : showControlCharacters(std::string_view(&tabless, 1))) {
          paragraph.cells.push_back({std::string(1, shown), &run.style});
        }
      }
    }
  }
  return paragraphs;
}

std::string attributes(const TextStyle& style) {
  std::string codes;
  auto add = [&codes](std::string_view code) {
    codes += codes.empty() ? "" : ";";
    codes += code;
  };
  if (style.bold) add("1");
  if (style.italic) add("3");
  if (style.underline) add("4");
  if (style.colour == TextColour::red) add("31");
  if (style.colour == TextColour::green) add("32");
  return codes;
}

using CellRange = std::pair<std::size_t, std::size_t>;

// Where the rows of a paragraph begin and end: each row ends at the last blank that lets it fit,
// and only a word longer than a whole row is cut. Blanks at a break are shown on neither row.
std::vector<CellRange> wrapRows(const std::vector<Cell>& cells, std::size_t columns,
                                std::size_t indent) {
  auto isBlank = [&cells](std::size_t i) { return cells[i].character == " "; };
  std::vector<CellRange> rows;
  std::size_t start = 0;
  std::size_t width = columns;
  while (cells.size() - start > width) {
    std::size_t text = start;  // a row's own leading blanks are no place to break
    while (isBlank(text)) ++text;
    std::size_t end = start + width;
    while (end > text && !isBlank(end)) --end;
    if (end == text) end = start + width;
    std::size_t rowEnd = end;
    while (rowEnd > start && isBlank(rowEnd - 1)) --rowEnd;
    rows.emplace_back(start, rowEnd);
    start = end;
    while (start < cells.size() && isBlank(start)) ++start;
    width = columns - indent;  // continuation rows keep the paragraph's own indentation
  }
  rows.emplace_back(start, cells.size());
  return rows;
}

std::string drawRow(const std::vector<Cell>& cells, CellRange row, std::string line, bool ansi) {
  for (std::size_t i = row.first; i < row.second;) {
    const TextStyle* style = cells[i].style;
    std::string text;
    for (; i < row.second && *cells[i].style == *style; ++i) text += cells[i].character;
    const std::string codes = ansi ? attributes(*style) : std::string();
    line += codes.empty() ? text : "\x1b[" + codes + "m" + text + "\x1b[0m";
  }
  return line;
}

void renderParagraph(const Paragraph& paragraph, const RichTextRendering& rendering,
                     std::vector<std::string>& lines) {
  const std::vector<Cell>& cells = paragraph.cells;
  std::size_t end = cells.size();
  while (end > 0 && cells[end - 1].character == " ") --end;
  const std::vector<Cell> shown(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(end));
  const std::size_t columns = std::max<std::size_t>(rendering.columns, 1);
  std::size_t indent = 0;
  while (indent < shown.size() && shown[indent].character == " ") ++indent;
  if (indent * 2 > columns) indent = 0;
  const std::vector<CellRange> rows = wrapRows(shown, columns, indent);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::size_t width = rows[r].second - rows[r].first;
    std::string line;
    if (paragraph.alignment == TextAlignment::centre) {
      line.assign((columns - std::min(width, columns)) / 2, ' ');
    } else if (r > 0) {
      line.assign(indent, ' ');
    }
    lines.push_back(drawRow(shown, rows[r], std::move(line), rendering.ansi));
  }
}

}  // namespace

std::vector<std::string> renderRichTextLines(const std::vector<StyledRun>& runs,
                                             const RichTextRendering& rendering) {
  std::vector<std::string> lines;
  if (runs.empty()) return lines;
  for (const Paragraph& paragraph : splitParagraphs(runs)) {
    renderParagraph(paragraph, rendering, lines);
  }
  return lines;
}

}  // namespace kovrel::terminal

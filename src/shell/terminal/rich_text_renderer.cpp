#include "shell/terminal/rich_text_renderer.h"

#include <string_view>

namespace kovrel::terminal {
namespace {

/// One paragraph of styled text; it is aligned as its first visible text says.
struct Paragraph {
  std::vector<StyledRun> pieces;
  bool alignmentKnown = false;
  TextAlignment alignment = TextAlignment::left;
};

std::vector<Paragraph> splitParagraphs(const std::vector<StyledRun>& runs) {
  std::vector<Paragraph> paragraphs(1);
  for (const StyledRun& run : runs) {
    std::string_view text = run.text;
    while (true) {
      const auto lineBreak = text.find('\n');
      const std::string_view piece = text.substr(0, lineBreak);
      Paragraph& paragraph = paragraphs.back();
      if (!piece.empty()) {
        if (!paragraph.alignmentKnown) paragraph.alignment = run.style.alignment;
        paragraph.alignmentKnown = true;
        paragraph.pieces.push_back(StyledRun{std::string(piece), run.style});
      }
      if (lineBreak == std::string_view::npos) break;
      paragraphs.emplace_back();
      text.remove_prefix(lineBreak + 1);
    }
  }
  return paragraphs;
}

void dropTrailingBlanks(std::vector<StyledRun>& pieces) {
  while (!pieces.empty()) {
    std::string& text = pieces.back().text;
    const auto last = text.find_last_not_of(' ');
    if (last != std::string::npos) {
      text.erase(last + 1);
      return;
    }
    pieces.pop_back();
  }
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
  return codes;
}

std::string renderParagraph(Paragraph paragraph, const RichTextRendering& rendering) {
  dropTrailingBlanks(paragraph.pieces);
  std::size_t width = 0;
  for (const StyledRun& piece : paragraph.pieces) width += piece.text.size();
  std::string line;
  if (paragraph.alignment == TextAlignment::centre && width < rendering.columns) {
    line.assign((rendering.columns - width) / 2, ' ');
  }
  for (StyledRun& piece : paragraph.pieces) {
    // The text is the lesson's; only the attributes added here may steer the terminal.
    for (char& character : piece.text) {
      const auto byte = static_cast<unsigned char>(character);
      if (byte < 0x20 || byte == 0x7F) character = character == '\t' ? ' ' : '?';
    }
    const std::string codes = rendering.ansi ? attributes(piece.style) : std::string();
    line += codes.empty() ? piece.text : "\x1b[" + codes + "m" + piece.text + "\x1b[0m";
  }
  return line;
}

}  // namespace

std::vector<std::string> renderRichTextLines(const std::vector<StyledRun>& runs,
                                             const RichTextRendering& rendering) {
  std::vector<std::string> lines;
  if (runs.empty()) return lines;
  for (const Paragraph& paragraph : splitParagraphs(runs)) {
    lines.push_back(renderParagraph(paragraph, rendering));
  }
  return lines;
}

}  // namespace kovrel::terminal

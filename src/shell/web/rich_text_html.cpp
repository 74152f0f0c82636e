// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/web/rich_text_html.h"

#include <cstdio>
#include <utility>

namespace kovrel::web {
namespace {

void appendEscaped(std::string& html, std::string_view text) {
  for (const char character : text) {
    switch (character) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html.push_back(character);
    }
  }
}

std::string openSpan(const TextStyle& style) {
  std::string classes;
  if (style.bold) classes += " bold";
  if (style.underline) classes += " underline";
  if (style.italic) classes += " italic";
  if (style.colour == TextColour::red) classes += " red";
  if (style.colour == TextColour::green) classes += " green";
  // Sizes are relative to the pane's 12-point text, so that the page's zoom scales them all.
  char size[48];
  std::snprintf(size, sizeof size, "font-size:%.3gem", style.pointSize / 12.0);
  return "<span style=\"" + std::string(size) + "\"" +
         (classes.empty() ? "" : " class=\"" + classes.substr(1) + "\"") + ">";
}

/// Builds the paragraphs one run piece at a time.
class ParagraphWriter {
 public:
  void add(std::string_view text, const TextStyle& style) {
    if (!text.empty() && !open_) {
      html_ += style.alignment == TextAlignment::centre ? "<p class=\"centre\">" : "<p>";
      open_ = true;
    }
    if (text.empty()) return;
    html_ += openSpan(style);
    appendEscaped(html_, text);
    html_ += "</span>";
  }

  void endParagraph() {
    html_ += open_ ? "</p>" : "<p>&nbsp;</p>";
    open_ = false;
  }

  std::string finish() {
    if (open_) html_ += "</p>";
    return std::move(html_);
  }

 private:
  std::string html_;
  bool open_ = false;
};

}  // namespace

std::string runsToHtml(const std::vector<StyledRun>& runs) {
  ParagraphWriter writer;
  for (const StyledRun& run : runs) {
    // Lesson texts end their lines with CR LF; the paragraph ends at the LF.
    std::string withoutReturns = run.text;
    std::erase(withoutReturns, '\r');
    std::string_view text = withoutReturns;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
      writer.add(text.substr(0, end), run.style);
      writer.endParagraph();
      text.remove_prefix(end + 1);
    }
    writer.add(text, run.style);
  }
  return writer.finish();
}

namespace {

// The length of the UTF-8 sequence starting at `text[at]`, or 0 when it is not a valid one.
std::size_t utf8Length(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
  if (length == 0 || at + length > text.size() || (length == 2 && lead < 0xc2)) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xc0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string json = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = utf8Length(text, at);
    if (length == 0) {
      json += "\\ufffd";
      ++at;
    } else if (byte == '"' || byte == '\\') {
      json += {'\\', static_cast<char>(byte)};
      ++at;
    } else if (byte < 0x20 || byte == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
      ++at;
    } else {
      json.append(text.substr(at, length));
      at += length;
    }
  }
  return json + "\"";
}

void HtmlPane::clear() {
  runs_.clear();
  changed_ = true;
}

void HtmlPane::insert(std::string_view text, const TextStyle& style) {
  appendRun(runs_, text, style);
  changed_ = true;
}

bool HtmlPane::takeChanged() { return std::exchange(changed_, false); }

}  // namespace kovrel::web

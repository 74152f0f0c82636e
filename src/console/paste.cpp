// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/paste.h"

#include <utility>
#include <vector>

#include "console/keyboard.h"

namespace kovrel {
namespace {

/// Marks the console as taking a paste for as long as it lives, on every way out.
class PastingScope {
 public:
  explicit PastingScope(Simulator& sim)
      : flag_(sim.state.console.pasting), before_(std::exchange(flag_, true)) {}
  ~PastingScope() { flag_ = before_; }
  PastingScope(const PastingScope&) = delete;
  PastingScope& operator=(const PastingScope&) = delete;

 private:
  bool& flag_;
  bool before_;
};

// The pasted lines, each with its line break as an Enter ('\n'); a last line without one stays
// in the input line, as typed.
std::vector<std::string> pastedLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char character = text[i];
    if (static_cast<unsigned char>(character) >= 0x80) continue;
    if (character == '\r' || character == '\n') {
      if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.back().push_back('\n');
      lines.emplace_back();
      continue;
    }
    lines.back().push_back(character);
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace

PasteResult typePastedLines(Simulator& sim, std::size_t lineCount,
                            const std::function<void(std::size_t line)>& typeLine,
                            const std::function<bool()>& cancelRequested) {
  PasteResult result;
  for (std::size_t line = 0; line < lineCount; ++line) {
    if (cancelRequested()) {
      result.untypedLines = lineCount - line;
      break;
    }
    if (line + 1 == lineCount) {
      typeLine(line);
    } else {
      const PastingScope pasting(sim);
      typeLine(line);
    }
    ++result.typedLines;
  }
  return result;
}

PasteResult typePaste(Simulator& sim, std::string_view text,
                      const std::function<bool()>& cancelRequested) {
  const std::vector<std::string> lines = pastedLines(text);
  return typePastedLines(
      sim, lines.size(), [&](std::size_t line) { typeText(sim, lines[line]); }, cancelRequested);
}

std::string pasteCancelledNotice(const PasteResult& result) {
  const std::size_t untyped = result.untypedLines;
  return "Paste cancelled: " + std::to_string(untyped) + (untyped == 1 ? " line" : " lines") +
         " not typed (" + std::to_string(result.typedLines) + " typed).";
}

}  // namespace kovrel

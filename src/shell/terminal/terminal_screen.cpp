// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/terminal_screen.h"

#include <algorithm>
#include <utility>

#include "shell/terminal/line_endings.h"

namespace kovrel::terminal {
namespace {

constexpr std::string_view kBoldOn = "\x1b[1m";
constexpr std::string_view kReverseOn = "\x1b[7m";
constexpr std::string_view kAttributesOff = "\x1b[0m";
constexpr std::string_view kClearScreen = "\x1b[H\x1b[2J";
constexpr std::string_view kClearToEnd = "\r\x1b[J";
constexpr std::size_t kTabWidth = 8;

std::string cursorUp(std::size_t rows) { return "\x1b[" + std::to_string(rows) + "A"; }
std::string cursorToColumn(std::size_t column) {
  return "\x1b[" + std::to_string(column + 1) + "G";
}

// One character cell per character, so caret positions stay true.
std::string sanitized(std::string_view text) {
  std::string result(text);
  for (char& character : result) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte < 0x20 || byte == 0x7F) character = '?';
  }
  return result;
}

}  // namespace

std::string expandForTerminal(std::string_view text, std::size_t& column) {
  std::string result;
  result.reserve(text.size());
  for (const char character : text) {
    if (character == '\t') {
      const std::size_t blanks = kTabWidth - column % kTabWidth;
      result.append(blanks, ' ');
      column += blanks;
      continue;
    }
    const std::string shown = showControlCharacters(std::string_view(&character, 1));
    result += shown;
    column += shown.size();
  }
  return result;
}

void TerminalScreen::outputAppended(const std::string& text, bool emphasised) {
  const std::string converted = lineEndings_.convert(text);
  std::string_view rest = converted;
  std::string out = clearInput();
  out += moveToOutputEnd(rest);
  out += renderOutput(rest, emphasised);
  out += "\r\n";
  out += drawInput();
  emit(out);
}

void TerminalScreen::outputReplaced(const std::string& text) {
  lineEndings_.reset();
  const std::string converted = lineEndings_.convert(text);
  lastOutputLine_.clear();
  cursorRow_ = 0;
  std::string out(kClearScreen);
  // The header keeps to one row, so the output below it starts where this view expects.
  out += std::string(kReverseOn) + sanitized(header_).substr(0, columns_ - 1);
  out += std::string(kAttributesOff) + "\r\n";
  detached_ = converted.empty();
  if (!detached_) out += renderOutput(converted, false) + "\r\n";
  out += drawInput();
  emit(out);
}

void TerminalScreen::inputChanged(const std::string& text, std::size_t caret) {
  input_ = text;
  caret_ = caret;
  if (!programLine_) redrawInput();
}

void TerminalScreen::resize(int columns) {
  columns_ = static_cast<std::size_t>(std::max(columns, 1));
  redrawInput();
}

void TerminalScreen::showProgramLine(std::optional<std::string> line) {
  std::string out = clearInput();
  programLine_ = std::move(line);
  out += drawInput();
  emit(out);
}

void TerminalScreen::showNotice(const std::vector<std::string>& lines, bool highlighted) {
  std::string out = clearInput();
  for (const std::string& line : lines) {
    if (highlighted) out += kReverseOn;
    out += sanitized(line);
    if (highlighted) out += kAttributesOff;
    out += "\r\n";
  }
  detached_ = true;
  out += drawInput();
  emit(out);
}

void TerminalScreen::showRenderedLines(std::span<const std::string> lines) {
  std::string out = clearInput();
  for (const std::string& line : lines) out += line + "\r\n";
  detached_ = true;
  out += drawInput();
  emit(out);
}

void TerminalScreen::finish() {
  std::string out = clearInput();
  out += sanitized(programLine_.value_or(input_)) + "\r\n";
  emit(out);
}

void TerminalScreen::holdDrawing(bool hold) {
  held_ = hold;
  refresh();
}

void TerminalScreen::refresh() {
  if (!heldText_.empty()) write_(std::exchange(heldText_, {}));
}

void TerminalScreen::emit(const std::string& text) {
  if (held_) {
    heldText_ += text;
  } else {
    write_(text);
  }
}

void TerminalScreen::redrawInput() {
  // Erasing must see the rows of the line drawn before, so it runs before the new drawing.
  std::string out = clearInput();
  out += drawInput();
  emit(out);
}

std::string TerminalScreen::clearInput() {
  std::string out = cursorRow_ > 0 ? cursorUp(cursorRow_) : "";
  cursorRow_ = 0;
  return out + std::string(kClearToEnd);
}

std::string TerminalScreen::drawInput() {
  const std::string text = sanitized(programLine_.value_or(input_));
  const std::size_t caret = programLine_ ? text.size() : std::min(caret_, text.size());
  const std::size_t length = text.size();
  cursorRow_ = 0;
  if (length == 0) return text;
  const std::size_t endRow = (length - 1) / columns_;
  if (caret == length) {
    // A line that fills its last row leaves the cursor waiting to wrap; start the next row.
    const bool rowFull = length % columns_ == 0;
    cursorRow_ = rowFull ? endRow + 1 : endRow;
    return rowFull ? text + "\r\n" : text;
  }
  cursorRow_ = caret / columns_;
  const std::size_t rowsUp = endRow - cursorRow_;
  return text + (rowsUp > 0 ? cursorUp(rowsUp) : "") + cursorToColumn(caret % columns_);
}

std::string TerminalScreen::moveToOutputEnd(std::string_view& text) {
  const bool startsLine = !text.empty() && text.front() == '\n';
  const std::size_t column = lastOutputLine_.size();
  const bool wrapsHere = column > 0 && column % columns_ == 0;
  if (!detached_ && !wrapsHere) return cursorUp(1) + cursorToColumn(column % columns_);
  // The cursor already stands at the start of a fresh row under the output: a new line begins
  // right here, and a continued line is shown again in full when something came between.
  const bool continuesAfterNotice = detached_ && !startsLine;
  detached_ = false;
  if (continuesAfterNotice) return lastOutputLine_;
  if (startsLine) {
    text.remove_prefix(1);
    lastOutputLine_.clear();
  }
  return "";
}

std::string TerminalScreen::renderOutput(std::string_view text, bool emphasised) {
  std::string out;
  const auto [breaks, body] = splitLeadingBreaks(text);
  for (std::size_t i = 0; i < breaks.size(); ++i) {
    out += "\r\n";
    lastOutputLine_.clear();
  }
  if (body.empty()) return out;
  if (emphasised) out += kBoldOn;
  for (std::size_t start = 0;;) {
    const std::size_t lineFeed = body.find('\n', start);
    std::size_t column = lastOutputLine_.size();
    const std::string piece = expandForTerminal(body.substr(start, lineFeed - start), column);
    lastOutputLine_ += piece;
    out += piece;
    if (lineFeed == std::string_view::npos) break;
    out += "\r\n";
    lastOutputLine_.clear();
    start = lineFeed + 1;
  }
  if (emphasised) out += kAttributesOff;
  return out;
}

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/console_buffer.h"

#include <algorithm>
#include <utility>

namespace kovrel {

void ConsoleBuffer::appendOutput(std::string_view text, bool emphasised) {
  if (text.empty()) return;
  output_.append(text);
  written_ += text.size();
  outputBreaks_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  dropOldestLines();
  view_.outputAppended(std::string(text), emphasised);
}

void ConsoleBuffer::replaceOutput(std::string text) {
  output_ = std::move(text);
  start_ = 0;
  written_ += output_.size();
  outputBreaks_ = static_cast<std::size_t>(std::count(output_.begin(), output_.end(), '\n'));
  dropOldestLines();
  output_.erase(0, std::exchange(start_, 0));
  view_.outputReplaced(output_);
}

std::string_view ConsoleBuffer::outputSince(std::size_t mark) const {
  const std::string_view shown = output();
  const std::size_t count = std::min(written_ - std::min(mark, written_), shown.size());
  return shown.substr(shown.size() - count);
}

void ConsoleBuffer::dropOldestLines() {
  if (outputBreaks_ < kScrollbackLines) return;
  for (std::size_t excess = outputBreaks_ - (kScrollbackLines - 1); excess > 0; --excess) {
    start_ = output_.find('\n', start_) + 1;
    --outputBreaks_;
  }
  // The lines dropped are erased once they take as much room as the lines kept.
  if (start_ > output_.size() - start_) {
    output_.erase(0, start_);
    start_ = 0;
  }
}

void ConsoleBuffer::setInput(std::string text) {
  caret_ = text.size();
  input_ = std::move(text);
  inputChanged();
}

void ConsoleBuffer::setInput(std::string text, std::size_t caret) {
  input_ = std::move(text);
  caret_ = std::min(caret, input_.size());
  inputChanged();
}

void ConsoleBuffer::setCaret(std::size_t caret) {
  caret_ = std::min(caret, input_.size());
  inputChanged();
}

void ConsoleBuffer::insertAtCaret(char character) {
  input_.insert(caret_, 1, character);
  ++caret_;
  inputChanged();
}

void ConsoleBuffer::deleteBeforeCaret() {
  if (caret_ == 0) return;
  input_.erase(caret_ - 1, 1);
  --caret_;
  inputChanged();
}

void ConsoleBuffer::deleteAfterCaret() {
  if (caret_ >= input_.size()) return;
  input_.erase(caret_, 1);
  inputChanged();
}

std::string_view ConsoleBuffer::shownInput() const {
  return std::string_view(input_).substr(0, std::min(shownLength_, input_.size()));
}

void ConsoleBuffer::hideInputAfter(std::size_t shownLength) {
  shownLength_ = shownLength;
  inputChanged();
}

void ConsoleBuffer::showAllInput() {
  if (shownLength_ == std::string::npos) return;
  shownLength_ = std::string::npos;
  inputChanged();
}

void ConsoleBuffer::inputChanged() {
  const std::string_view shown = shownInput();
  view_.inputChanged(std::string(shown), std::min(caret_, shown.size()));
}

void ConsoleBuffer::moveCaretLeft() {
  if (caret_ > 0) setCaret(caret_ - 1);
}

void ConsoleBuffer::moveCaretRight() { setCaret(caret_ + 1); }

}  // namespace kovrel

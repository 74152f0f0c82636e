#include "shell/screen_emulator.h"

#include <algorithm>
#include <string>

namespace kovrel::testing {
namespace {

std::string trimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

ScreenEmulator::ScreenEmulator(int columns, int rows)
    : columns_(columns), rowCount_(rows), grid_(rows, std::string(columns, ' ')) {}

void ScreenEmulator::write(std::string_view bytes) {
  for (const char character : bytes) {
    if (!escape_.empty()) {
      escape_.push_back(character);
      if (escape_.size() >= 3 && character >= 0x40 && character <= 0x7E) {
        control(std::string_view(escape_).substr(2, escape_.size() - 3), character);
        escape_.clear();
      }
    } else if (character == '\x1b') {
      escape_.push_back(character);  // empty here: a new sequence starts
    } else if (character == '\r') {
      column_ = 0;
      pendingWrap_ = false;
    } else if (character == '\n') {
      lineFeed();
    } else {
      put(character);
    }
  }
}

void ScreenEmulator::put(char character) {
  if (pendingWrap_) {
    column_ = 0;
    lineFeed();
  }
  grid_[row_][column_] = character;
  if (column_ + 1 < columns_) {
    ++column_;
  } else {
    pendingWrap_ = true;
  }
}

void ScreenEmulator::lineFeed() {
  pendingWrap_ = false;
  if (row_ + 1 < rowCount_) {
    ++row_;
    return;
  }
  scrolledOff_.push_back(trimmed(grid_.front()));
  grid_.erase(grid_.begin());
  grid_.push_back(std::string(columns_, ' '));
}

void ScreenEmulator::control(std::string_view parameters, char final) {
  const int number = parameters.empty() ? 0 : std::stoi(std::string(parameters));
  pendingWrap_ = false;
  switch (final) {
    case 'A':
      row_ = std::max(0, row_ - std::max(number, 1));
      break;
    case 'G':
      column_ = std::clamp(number - 1, 0, columns_ - 1);
      break;
    case 'H':
      row_ = 0;
      column_ = 0;
      break;
    case 'J':
      if (number == 2) {
        for (std::string& line : grid_) line.assign(columns_, ' ');
        break;
      }
      grid_[row_].replace(column_, columns_ - column_, columns_ - column_, ' ');
      for (int below = row_ + 1; below < rowCount_; ++below) grid_[below].assign(columns_, ' ');
      break;
    default:
      break;  // attributes
  }
}

std::vector<std::string> ScreenEmulator::rows() const {
  std::vector<std::string> result;
  for (const std::string& line : grid_) result.push_back(trimmed(line));
  return result;
}

std::vector<std::string> ScreenEmulator::allLines() const {
  std::vector<std::string> result = scrolledOff_;
  for (const std::string& line : rows()) result.push_back(line);
  while (!result.empty() && result.back().empty()) result.pop_back();
  return result;
}

}  // namespace kovrel::testing

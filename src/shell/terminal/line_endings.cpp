#include "shell/terminal/line_endings.h"

namespace kovrel::terminal {

std::string LineEndingFilter::convert(std::string_view piece) {
  std::string result;
  result.reserve(piece.size() + 8);
  for (const char character : piece) {
    if (carriageReturnHeld_) {
      carriageReturnHeld_ = false;
      if (character == '\n') {
        result += lineBreak_;
        continue;
      }
      result.push_back('\r');
    }
    if (character == '\r') {
      carriageReturnHeld_ = true;
    } else {
      result.push_back(character);
    }
  }
  return result;
}

std::string LineEndingFilter::reset() {
  const bool held = carriageReturnHeld_;
  carriageReturnHeld_ = false;
  return held ? "\r" : "";
}

std::pair<std::string_view, std::string_view> splitLeadingBreaks(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size()) {
    if (text[end] == '\n') {
      ++end;
    } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      end += 2;
    } else {
      break;
    }
  }
  return {text.substr(0, end), text.substr(end)};
}

}  // namespace kovrel::terminal

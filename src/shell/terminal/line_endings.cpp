// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string_view lastLines(std::string_view text, std::size_t count) {
  std::size_t start = text.size();
  for (std::size_t lines = 0; lines < count; ++lines) {
    const std::size_t lineBreak = start == 0 ? std::string_view::npos : text.rfind('\n', start - 1);
    if (lineBreak == std::string_view::npos) return text;
    start = lineBreak;
  }
  return text.substr(start + 1);
}

std::string showControlCharacters(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte < 0x20 && character != '\n' && character != '\t') || byte == 0x7F) {
      shown.push_back('^');
      shown.push_back(static_cast<char>(byte ^ 0x40));
    } else {
      shown.push_back(character);
    }
  }
  return shown;
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the terminal front-end's own parts: the byte decoder and key reader
// (pastes, cancel keys, " --More--" answers), the screen that draws the console on a terminal of
// any size, and the pager of the program's own text. The decoded keys steer the screen: letters
// build a text, Enter writes it as output, the arrows show it as notice, program line or paged
// text, Tab resizes the screen. Whatever the bytes, the screen writes nothing but text, line
// breaks and its own few escape sequences, and its cursor never leaves the terminal's columns or
// climbs above what it drew.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/keyboard.h"
#include "shell/terminal/key_reader.h"
#include "shell/terminal/rich_text_renderer.h"
#include "shell/terminal/terminal_screen.h"
#include "shell/terminal/text_pager.h"

namespace {

using kovrel::terminal::KeyEvent;
using kovrel::terminal::KeyEventKind;

[[noreturn]] void violated(const char* invariant, const std::string& detail) {
  std::fprintf(stderr, "terminal_fuzzer: invariant broken: %s\n%s\n", invariant, detail.c_str());
  std::abort();
}

/// A terminal just smart enough to follow the cursor through what the screen writes.
class CheckingTerminal {
 public:
  explicit CheckingTerminal(std::size_t columns) : columns_(columns) {}
  void resize(std::size_t columns) { columns_ = columns; }

  void take(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const char byte = bytes[i];
      if (byte == '\x1b') {
        i = sequence(bytes, i);
      } else if (byte == '\r') {
        column_ = 0;
      } else if (byte == '\n') {
        ++row_;
      } else if (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F) {
        violated("the screen writes no control byte of the text", std::string(bytes));
      } else {
        if (column_ >= columns_) {  // the terminal wraps before the next character
          column_ = 0;
          ++row_;
        }
        ++column_;
      }
    }
  }

 private:
  // The screen's own sequences: ESC [ n A (up), ESC [ n G (column), ESC [ H, ESC [ 2 J, ESC [ J
  // and ESC [ n m (attributes). Returns the index of the sequence's last byte.
  std::size_t sequence(std::string_view bytes, std::size_t at) {
    std::size_t end = at + 1;
    if (end >= bytes.size() || bytes[end] != '[') violated("an escape sequence leaks", "");
    std::size_t number = 0;
    while (++end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9') {
      number = std::min<std::size_t>(number * 10 + static_cast<std::size_t>(bytes[end] - '0'),
                                     1'000'000);
    }
    if (end >= bytes.size()) violated("an escape sequence leaks", "unfinished");
    switch (bytes[end]) {
      case 'A':
        if (number > row_) violated("the cursor never climbs above what was drawn", "");
        row_ -= number;
        break;
      case 'G':
        if (number == 0 || number > columns_) violated("the cursor stays within the columns", "");
        column_ = number - 1;
        break;
      case 'H':
        row_ = 0;
        column_ = 0;
        break;
      case 'J':
      case 'm':
        break;
      default:
        violated("an escape sequence leaks", std::string(1, bytes[end]));
    }
    return end;
  }

  std::size_t columns_;
  std::size_t row_ = 0;
  std::size_t column_ = 0;
};

std::size_t columnsFrom(int code) { return 1 + static_cast<std::size_t>(code) % 200; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t columns = columnsFrom(data[0]);
  const std::size_t pageLength = 1 + data[1] % 40u;
  CheckingTerminal terminal(columns);
  kovrel::terminal::TerminalScreen screen([&](std::string_view text) { terminal.take(text); },
                                          std::string(reinterpret_cast<const char*>(data), 2));
  screen.resize(static_cast<int>(columns));
  kovrel::terminal::StringByteSource source(
      std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
  kovrel::terminal::KeyReader keys(source);
  std::string text;
  while (const std::optional<KeyEvent> event = keys.next()) {
    if (event->kind == KeyEventKind::pasteStart) {
      std::string pasted;
      for (const KeyEvent& key : keys.takePaste()) pasted += static_cast<char>(key.character);
      screen.holdDrawing(keys.takeCancelKey());
      screen.outputReplaced(pasted);
      screen.holdDrawing(false);
      continue;
    }
    if (event->kind != KeyEventKind::press) {
      screen.showProgramLine(std::nullopt);
      continue;
    }
    switch (event->keyCode) {
      case kovrel::key::kEnter:
        screen.outputAppended(text, event->ctrl);
        text.clear();
        break;
      case kovrel::key::kTab:
        columns = columnsFrom(keys.answerMore());
        terminal.resize(columns);
        screen.resize(static_cast<int>(columns));
        break;
      case kovrel::key::kUp:
        screen.showProgramLine(text);
        break;
      case kovrel::key::kDown:
        screen.showNotice({text, text}, text.size() % 2 == 0);
        break;
      case kovrel::key::kLeft: {
        kovrel::terminal::ProgramCommandResult result;
        result.lines = {text, text + text};
        result.richText = {kovrel::StyledRun{text}};
        kovrel::terminal::pageText(
            kovrel::terminal::layOut(result, {text.size() % 2 == 0, columns}), pageLength,
            [&](std::span<const std::string> lines) { screen.showRenderedLines(lines); },
            [&] { return keys.answerMore(); });
        break;
      }
      default:
        if (event->ctrl) {
          screen.inputChanged(text, static_cast<std::size_t>(event->keyCode) % (text.size() + 1));
        } else {
          text += static_cast<char>(event->character);
          screen.inputChanged(text, text.size());
        }
    }
  }
  screen.finish();
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/key_translation.h"

#include <QKeyEvent>
#include <utility>

#include "console/keyboard.h"

namespace kovrel::desktop {
namespace {

// Keys that type nothing, or whose character the console takes as a control code.
constexpr std::pair<int, ConsoleKey> kNamedKeys[] = {
    {Qt::Key_Return, {key::kEnter, false, key::kEnter}},
    {Qt::Key_Enter, {key::kEnter, false, key::kEnter}},
    {Qt::Key_Tab, {key::kTab, false, key::kTab}},
    {Qt::Key_Backspace, {key::kBackspace, false, key::kBackspace}},
    {Qt::Key_Escape, {key::kEscape, false, key::kEscape}},
    {Qt::Key_Left, {key::kLeft, false, 0}},
    {Qt::Key_Up, {key::kUp, false, 0}},
    {Qt::Key_Right, {key::kRight, false, 0}},
    {Qt::Key_Down, {key::kDown, false, 0}},
    {Qt::Key_Home, {key::kHome, false, 0}},
    {Qt::Key_End, {key::kEnd, false, 0}},
    {Qt::Key_Delete, {key::kDelete, false, 0}},
};

bool isLetterKey(int qtKey) { return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z; }

}  // namespace

std::optional<ConsoleKey> consoleKeyFor(const QKeyEvent& event) {
  const int qtKey = event.key();
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  if (ctrl) {
    // Ctrl-^ (Ctrl-Shift-6 on most keyboards) is the router's escape sequence.
    if (qtKey == Qt::Key_AsciiCircum || qtKey == Qt::Key_6) return ConsoleKey{'6', true, 0};
    // Ctrl with Shift belongs to the window (copy and paste), even while its action is off.
    if (!isLetterKey(qtKey) || event.modifiers().testFlag(Qt::ShiftModifier)) return std::nullopt;
    return ConsoleKey{qtKey - Qt::Key_A + 'A', true, 0};
  }
  for (const auto& [named, consoleKey] : kNamedKeys) {
    if (named == qtKey) return consoleKey;
  }
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  const char16_t character = text.at(0).unicode();
  if (character < 32 || character >= 127) return std::nullopt;
  const char ascii = static_cast<char>(character);
  return ConsoleKey{keyCodeOf(ascii), false, ascii};
}

int releasedKeyCode(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return 0;
  for (const auto& [named, consoleKey] : kNamedKeys) {
    if (named == event.key()) return consoleKey.keyCode;
  }
  return isLetterKey(event.key()) ? event.key() - Qt::Key_A + 'A' : 0;
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/key_event.h"

#include <cctype>

#include "base/error_log.h"
#include "console/keyboard.h"

namespace kovrel::terminal {

KeyEvent pressOf(int keyCode, bool ctrl, int character) {
  return KeyEvent{KeyEventKind::press, keyCode, ctrl, character};
}

KeyEvent escapeChordOf(char letter) {
  const int upper = std::toupper(static_cast<unsigned char>(letter));
  return KeyEvent{KeyEventKind::escapeChord, upper, false, letter};
}

KeyEvent programCommandKey() { return KeyEvent{KeyEventKind::programCommand, 0, false, 0}; }

KeyEvent pasteMark(bool start) {
  return KeyEvent{start ? KeyEventKind::pasteStart : KeyEventKind::pasteEnd, 0, false, 0};
}

std::string describeKey(const KeyEvent& event) {
  switch (event.kind) {
    case KeyEventKind::programCommand:
      return "Ctrl-]";
    case KeyEventKind::pasteStart:
      return "paste start";
    case KeyEventKind::pasteEnd:
      return "paste end";
    case KeyEventKind::escapeChord:
      return std::string("Esc+") + static_cast<char>(event.character);
    case KeyEventKind::press:
      break;
  }
  if (event.ctrl) return std::string("Ctrl-") + static_cast<char>(event.keyCode);
  switch (event.keyCode) {
    case key::kEnter:
      return "Enter";
    case key::kTab:
      return "Tab";
    case key::kBackspace:
      return "Backspace";
    case key::kEscape:
      return "Esc";
    case key::kUp:
      return "Up";
    case key::kDown:
      return "Down";
    case key::kLeft:
      return "Left";
    case key::kRight:
      return "Right";
    case key::kHome:
      return "Home";
    case key::kEnd:
      return "End";
    case key::kDelete:
      return "Delete";
    default:
      break;
  }
  return "'" + std::string(1, static_cast<char>(event.character)) + "' (key " +
         std::to_string(event.keyCode) + ")";
}

int pagingCode(const KeyEvent& event) {
  switch (event.kind) {
    case KeyEventKind::programCommand:
      return 0x1D;
    case KeyEventKind::escapeChord:
      return event.character;
    case KeyEventKind::pasteStart:
    case KeyEventKind::pasteEnd:
      return 0;
    case KeyEventKind::press:
      break;
  }
  return pagingKey(event.keyCode, event.ctrl, event.character);
}

void deliverKey(Simulator& sim, const KeyEvent& event) {
  switch (event.kind) {
    case KeyEventKind::press:
      pressKey(sim, event.keyCode, event.ctrl, event.character);
      return;
    case KeyEventKind::escapeChord:
      // The router moves by words only while Esc is held, so the letter goes between its
      // key-down and key-up.
      trapped(sim, "keyDown", [&] { keyDown(sim, key::kEscape, false); });
      pressKey(sim, event.keyCode, false, event.character);
      trapped(sim, "keyUp", [&] { keyUp(sim, key::kEscape); });
      return;
    case KeyEventKind::programCommand:
    case KeyEventKind::pasteStart:
    case KeyEventKind::pasteEnd:
      return;
  }
}

}  // namespace kovrel::terminal

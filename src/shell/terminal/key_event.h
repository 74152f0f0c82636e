// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kovrel {
class Simulator;
}

namespace kovrel::terminal {

/// What one key event asks of the program: an ordinary key press for the router console, a
/// letter typed while Esc is held (word movement), the start of a program command (Ctrl-]), or the
/// terminal's marks around pasted text (bracketed paste).
enum class KeyEventKind { press, escapeChord, programCommand, pasteStart, pasteEnd };

/// One key as the terminal front-end hands it on: the desktop key code (letters 'A'..'Z'), whether
/// Ctrl is held, and the typed character (0 for keys that type nothing).
struct KeyEvent {
  KeyEventKind kind = KeyEventKind::press;
  int keyCode = 0;
  bool ctrl = false;
  int character = 0;

  bool operator==(const KeyEvent&) const = default;
};

KeyEvent pressOf(int keyCode, bool ctrl, int character);
KeyEvent escapeChordOf(char letter);
KeyEvent programCommandKey();
KeyEvent pasteMark(bool start);

/// A readable name for test failures and debugging ("Enter", "Ctrl-Z", "'a'", "Esc+f").
std::string describeKey(const KeyEvent& event);

/// The character code a " --More--" pause receives for this key: the typed character, the control
/// code of a Ctrl letter, or the key code of a key that types nothing (never Space or Enter).
int pagingCode(const KeyEvent& event);

/// Hands one key event to the router console. Every failure inside is trapped and logged, so no key
/// can end the program. Program-command keys are the front-end's and are ignored here.
void deliverKey(Simulator& sim, const KeyEvent& event);

}  // namespace kovrel::terminal

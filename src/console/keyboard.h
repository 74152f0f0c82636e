// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/simulator.h"

namespace kovrel {

/// Key codes of key-down and key-up events (the desktop's virtual key codes). Letters are
/// 'A'..'Z' (65..90); a key's character, if it has one, arrives separately through `keyChar`.
namespace key {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
}  // namespace key

/// A key went down; `ctrl` is true while Ctrl is held. Returns whether the engine consumed it;
/// a key that is not consumed gets the input line's default behaviour (caret movement, Delete).
bool keyDown(Simulator& sim, int keyCode, bool ctrl);
/// A character was typed (after its key-down). A character the engine does not consume is
/// inserted at the caret when printable; Backspace deletes before the caret.
void keyChar(Simulator& sim, int code);
/// A key came up. Nothing depends on it: Esc acts on the next character, held or released.
void keyUp(Simulator& sim, int keyCode);

/// One whole key press as a front-end delivers it: key down, its character (0 for none) unless the
/// key-down consumed it, key up. Every failure inside is trapped and logged.
void pressKey(Simulator& sim, int keyCode, bool ctrl, int character);

/// The key code of the key that types a character: letters as capitals, digits and Space as
/// themselves, Enter, Tab and Backspace; 0 for punctuation, whose desktop codes the console would
/// take for arrows or Delete.
int keyCodeOf(char character);

/// The character code a " --More--" pause receives for a key press: the typed character, the
/// control code of a Ctrl letter, or the key code of a key that types nothing.
int pagingKey(int keyCode, bool ctrl, int character);

/// Convenience for front-ends and tests: a printable character, Enter or Backspace.
void typeCharacter(Simulator& sim, char character);
/// Types each character of `text`.
void typeText(Simulator& sim, std::string_view text);

}  // namespace kovrel

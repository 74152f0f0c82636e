// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/simulator.h"

namespace kovrel {

/// The input line's editing keys (Ctrl letters, arrows, Home, Tab). Returns whether the key was
/// one of them and is consumed.
bool applyEditingKey(Simulator& sim, int keyCode, bool ctrl);

/// Word movement while Esc is held: "f" / "b" move the caret past the next or previous blank.
/// Returns whether the character was consumed.
bool applyWordMovement(Simulator& sim, int character);

/// The caret position where the typed text begins (right after the prompt).
std::size_t typedTextStart(const Simulator& sim);

}  // namespace kovrel

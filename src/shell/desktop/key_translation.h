// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QKeyEvent;

namespace kovrel::desktop {

/// One key press as the router console takes it: the desktop key code (letters 'A'..'Z'), whether
/// Ctrl is held, and the typed character (0 for keys that type nothing).
struct ConsoleKey {
  int keyCode = 0;
  bool ctrl = false;
  int character = 0;

  bool operator==(const ConsoleKey&) const = default;
};

/// The console key of a Qt key press; nothing for keys the router has no use for (Shift alone,
/// function keys, Ctrl with anything but a letter or with Shift, characters outside ASCII).
std::optional<ConsoleKey> consoleKeyFor(const QKeyEvent& event);

/// The key code of a released key, or 0 when the console does not care.
int releasedKeyCode(const QKeyEvent& event);

}  // namespace kovrel::desktop

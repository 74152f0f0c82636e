// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/pasted_keys.h"

#include <vector>

#include "console/keyboard.h"

namespace kovrel::terminal {

PasteResult typePastedKeys(Simulator& sim, std::span<const KeyEvent> keys,
                           const std::function<bool(const KeyEvent&)>& handle,
                           const std::function<bool()>& cancelRequested, bool& quit) {
  std::vector<std::span<const KeyEvent>> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const bool enter = keys[i].kind == KeyEventKind::press && keys[i].keyCode == key::kEnter;
    if (!enter) continue;
    lines.push_back(keys.subspan(start, i + 1 - start));
    start = i + 1;
  }
  if (start < keys.size()) lines.push_back(keys.subspan(start));
  quit = false;
  return typePastedLines(
      sim, lines.size(),
      [&](std::size_t line) {
        for (const KeyEvent& event : lines[line]) {
          if (!quit) quit = handle(event);
        }
      },
      [&] { return quit || cancelRequested(); });
}

}  // namespace kovrel::terminal

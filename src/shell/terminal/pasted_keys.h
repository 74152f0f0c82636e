// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>

#include "console/paste.h"
#include "shell/terminal/key_event.h"

namespace kovrel::terminal {

/// Types the keys of a paste line by line (a line ends with its Enter) by the console's paste
/// rules (`typePastedLines`). `handle` takes one key as the front-end routes it (router console,
/// program line or card viewer) and says whether the program should end; the paste then stops,
/// as it does when `cancelRequested` says so before a line. `quit` tells the caller.
PasteResult typePastedKeys(Simulator& sim, std::span<const KeyEvent> keys,
                           const std::function<bool(const KeyEvent&)>& handle,
                           const std::function<bool()>& cancelRequested, bool& quit);

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// How a paste ended: the lines typed, and the lines left untyped because it was cancelled. A
/// line is typed whole or not at all.
struct PasteResult {
  std::size_t typedLines = 0;
  std::size_t untypedLines = 0;
  bool cancelled() const { return untypedLines > 0; }
};

/// Types a paste of `lineCount` lines line by line; `typeLine(i)` types the keys of line i, its
/// Enter included. Every line but the last runs at the console's own speed: the router's imitated
/// pauses are skipped and its paged displays go on by themselves, so no pasted line is taken as
/// the answer to " --More--". The last line runs as if typed, so its display waits for the
/// student. `cancelRequested` is asked before each line (a front-end looks for Esc or Ctrl-C
/// there, and draws what the lines before showed); once it says yes, the rest stays untyped.
PasteResult typePastedLines(Simulator& sim, std::size_t lineCount,
                            const std::function<void(std::size_t line)>& typeLine,
                            const std::function<bool()>& cancelRequested);

/// Types pasted text: CR LF, CR and LF each end a line; bytes beyond ASCII are dropped, as the
/// console takes none.
PasteResult typePaste(Simulator& sim, std::string_view text,
                      const std::function<bool()>& cancelRequested);

/// What a front-end tells the student after a cancelled paste.
std::string pasteCancelledNotice(const PasteResult& result);

}  // namespace kovrel

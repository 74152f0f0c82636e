// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/terminal/options.h"

namespace kovrel::terminal {

/// Runs the console on a terminal in raw mode until the program command `quit` (or until the
/// terminal goes away); returns the exit status. The terminal is restored on every way out.
int runInteractive(const Options& options, int inputFd, int outputFd);

/// The page length for a terminal of `rows` rows: a page of output plus the " --More--" line.
int pageLengthForRows(int rows);

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "line console 0", "line aux 0", "line vty 0 4": select the line that line configuration mode
/// changes.
std::span<const CommandForm> lineSelectionForms();

/// Line configuration mode: password, login, no login, logging synchronous,
/// exec-timeout.
std::span<const CommandForm> lineForms();

}  // namespace kovrel

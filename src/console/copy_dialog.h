// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "copy running-config startup-config", "copy startup-config running-config" and
/// "copy tftp running-config" in privileged mode: open the save, load or TFTP dialog.
std::span<const CommandForm> copyForms();
/// Takes each answer of an open copy dialog; `line` is the whole input line.
void copyDialog(Simulator& sim, std::string_view line);

}  // namespace kovrel

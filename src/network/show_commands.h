// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// A show display. `interfaces` are the interface numbers its form names, in display order
/// (empty for displays that cover no interface).
using ShowDisplay = void (*)(Simulator& sim, std::span<const InterfaceNumber> interfaces);

/// The show forms of user mode and of privileged mode.
std::span<const CommandForm> userShowForms();
std::span<const CommandForm> privShowForms();

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// The "no" forms of global configuration mode, which undo the global settings, remove access
/// lists and switch routing protocols off.
std::span<const CommandForm> globalNoForms();

}  // namespace kovrel

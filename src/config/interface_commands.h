// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "interface serial 0|serial 1|ethernet 0" (also "int s0", "e 0" ...): selects the interface
/// that interface configuration mode changes.
std::span<const CommandForm> interfaceSelectionForms();

/// The commands of interface configuration mode; each changes the selected interface only.
std::span<const CommandForm> interfaceForms();

}  // namespace kovrel

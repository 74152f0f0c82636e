// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// The commands that move between the console's modes in user mode (enable, disable, exit,
/// logout), in privileged mode (disable, enable, exit, logout) and in every configuration mode
/// (end, exit).
std::span<const CommandForm> userModeForms();
std::span<const CommandForm> privModeForms();
std::span<const CommandForm> configurationModeForms();

/// Ctrl-Z: leaves any configuration mode for privileged mode; what was typed is discarded.
void endOfConfiguration(Simulator& sim);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

/// "banner motd|login|exec DtextD" keeps the text between the two delimiters D as the banner;
/// with only one delimiter on the line it starts the entry of the banner's lines, ended by a line
/// that holds D (the console's banner entry collects them).
std::span<const CommandForm> bannerForms();

}  // namespace kovrel

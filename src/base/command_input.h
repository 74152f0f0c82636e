// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

class Simulator;

/// An entered command line as a handler receives it: the whole line as typed (prompt included)
/// and its normalised words.
struct CommandInput {
  std::string_view line;
  const std::vector<std::string>& words;
};

/// A command handler of the dispatch table.
using Handler = void (*)(Simulator& sim, const CommandInput& input);

}  // namespace kovrel

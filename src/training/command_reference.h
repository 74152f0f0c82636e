// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kovrel {

class LessonDatabase;

/// One command of the command reference: the mode it is typed in, its first word, the help text
/// the mode's "?" listing gives it, and whether the simulator carries it out (the rest are
/// listed, as the router lists them, but refused).
struct ReferenceCommand {
  std::string mode;
  std::string command;
  std::string help;
  bool carriedOut = false;
};

/// Every command of every mode, mode by mode in the order the modes are reached, each mode's
/// commands in the order of its help listing. Read from the lesson database, so the reference
/// and the console's "?" never disagree; a mode whose texts cannot be read is left out.
std::vector<ReferenceCommand> commandReference(LessonDatabase& database);

}  // namespace kovrel

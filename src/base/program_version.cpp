// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/program_version.h"

namespace kovrel {

std::string_view programVersion() { return KOVREL_VERSION; }

std::string versionText(std::string_view programName) {
  return std::string(programName) + " " + std::string(programVersion()) +
         "\n"
         "Copyright (C) 2026 the Kovrel developers.\n"
         "License GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>; the lesson texts\n"
         "and pictures CC-BY-SA-4.0 <https://creativecommons.org/licenses/by-sa/4.0/>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace kovrel

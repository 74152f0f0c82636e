// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/command_reference.h"

#include <set>
#include <string_view>

#include "base/command_matching.h"
#include "base/lesson_database.h"
#include "training/instructions.h"

namespace kovrel {
namespace {

struct ReferenceMode {
  const char* name;
  const char* helpKey;  // the mode's "?" listing
  CatalogueTable words;
};

constexpr ReferenceMode kModes[] = {
    {"User EXEC", "usermode_cmds", CatalogueTable::userModeCmds},
    {"Privileged EXEC", "privmode_cmds", CatalogueTable::privModeCmds},
    {"Global configuration", "confmode_cmds", CatalogueTable::confModeCmds},
    {"Line configuration", "linemode_cmds", CatalogueTable::lineModeCmds},
    {"Interface configuration", "ifmode_cmds", CatalogueTable::ifModeCmds},
    {"RIP router configuration", "configRouterMode_rip_cmds",
     CatalogueTable::configRouterRipModeCmds},
    {"IGRP router configuration", "configRouterMode_igrp_cmds",
     CatalogueTable::configRouterIgrpModeCmds},
};

void addMode(std::vector<ReferenceCommand>& commands, LessonDatabase& database,
             const ReferenceMode& mode) {
  const std::optional<std::string> listing = database.cmdInfo(mode.helpKey);
  if (!listing) return;
  std::set<std::string, std::less<>> carriedOut;
  for (const CatalogueRow& row : database.searchCatalogue(mode.words, "", {true, ""})) {
    carriedOut.insert(row.cmd);
  }
  const std::vector<std::string> lines = splitLessonLines(*listing);
  // The first line is the listing's heading ("Exec commands:"); then "  word  help text".
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = trimBlanks(lines[i]);
    if (line.empty()) continue;
    const std::size_t wordEnd = line.find(' ');
    const std::string word(line.substr(0, wordEnd));
    const std::string help(wordEnd == std::string_view::npos ? std::string_view()
                                                             : trimBlanks(line.substr(wordEnd)));
    commands.push_back({mode.name, word, help, carriedOut.contains(word)});
  }
}

}  // namespace

std::vector<ReferenceCommand> commandReference(LessonDatabase& database) {
  std::vector<ReferenceCommand> commands;
  for (const ReferenceMode& mode : kModes) {
    try {
      addMode(commands, database, mode);
    } catch (const DatabaseError&) {
      // The other modes are still worth showing.
    }
  }
  return commands;
}

}  // namespace kovrel

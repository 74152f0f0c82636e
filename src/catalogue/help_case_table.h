// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/router_records.h"

namespace kovrel {

/// What a row of the context-help case table answers.
enum class HelpAnswerKind {
  helpText,      // the `cmdInfo` text under `key`, paged
  lines,         // fixed lines, one `writeConsoleLine` each ("$" lines emphasised)
  block,         // fixed lines paged as one block, "$" lines emphasised
  nothing,       // nothing more is written, and no error reply follows
  unknownReply,  // the unknown-command reply of the mode
};

/// The answer of one row: a help-text key or the router's fixed lines.
struct HelpAnswer {
  HelpAnswerKind kind = HelpAnswerKind::nothing;
  std::string_view key;
  std::vector<std::string_view> lines;
};

/// A test on the words at the "variable" positions, made after a pattern matched.
using HelpCondition = bool (*)(const std::vector<std::string>& words);

/// One row of a group: the modes it serves, the patterns of which any must match (none: any line
/// of the group), an optional condition, and the answer.
struct HelpCase {
  std::vector<CliMode> modes;  // empty: every mode
  std::vector<std::string_view> patterns;
  HelpCondition condition = nullptr;
  HelpAnswer answer;
  bool asTyped = false;  // matched on the words as typed, before the group's reading
};

/// How a group reads abbreviated words before its patterns are tried.
enum class HelpReading {
  none,
  show,  // "sh" is "show", "int" is "interface"
  copy,  // "run" is "running-config", "start" is "startup-config"
};

/// The rows for one first word of a "?" line, tried in order; the first that applies answers.
struct HelpGroup {
  std::vector<std::string_view> firstWords;
  HelpReading reading = HelpReading::none;
  std::vector<HelpCase> cases;
};

/// The context-help case table, in the order the groups are tried.
const std::vector<HelpGroup>& helpCaseTable();

/// Whether the help text under `key` marks its emphasised lines with a leading "$"; the lines of
/// every other help text are emphasised when the catalogue knows their command as implemented.
bool helpTextUsesDollarLines(std::string_view key);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/ip_arithmetic.h"
#include "catalogue/help_case_table.h"

// The pieces the context-help case table is written with, shared by the files that hold its rows.
namespace kovrel::help_rows {

// A help listing ends with a line of blanks, as the router leaves one under its answer.
inline constexpr std::string_view kBlank = " ";

inline HelpAnswer helpText(std::string_view key) { return {HelpAnswerKind::helpText, key, {}}; }
inline HelpAnswer lines(std::initializer_list<std::string_view> text) {
  return {HelpAnswerKind::lines, {}, text};
}
inline HelpAnswer block(std::initializer_list<std::string_view> text) {
  return {HelpAnswerKind::block, {}, text};
}

inline const HelpAnswer kNothing{HelpAnswerKind::nothing, {}, {}};
inline const HelpAnswer kUnknownReply{HelpAnswerKind::unknownReply, {}, {}};
inline const HelpAnswer kLineOrEnd = lines({"LINE    <cr>", kBlank});
inline const HelpAnswer kEnd = lines({"  <cr>", kBlank});
inline const HelpAnswer kNetworkNumber = lines({"   A.B.C.D  Network number", kBlank});

inline bool listNumberAt(const std::vector<std::string>& words, std::size_t position) {
  return words.size() > position && isNumberInRange(words[position], 1, 99);
}

/// The groups of the exec modes and the router modes: no, network, ping, password, router, show,
/// shutdown, terminal and the lone "?".
std::vector<HelpGroup> execAndRouterGroups();

}  // namespace kovrel::help_rows

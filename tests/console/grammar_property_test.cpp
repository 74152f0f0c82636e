// SPDX-License-Identifier: GPL-3.0-or-later
// Help, Tab and dispatch read one grammar, so they can never disagree: for every command line of
// every mode, typed by the shortest unique prefix of each keyword, dispatch accepts it exactly
// when the grammar carries it out, Tab completes every prefix to its keyword, and help after
// every prefix lists the keyword.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue_modes.h"
#include "catalogue/completion.h"
#include "catalogue/context_help.h"
#include "console/dispatch.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;
using testing::walkInto;

/// One typed word of a line: its shortest form, and the keyword it stands for (empty: a value).
struct TypedWord {
  std::string typed;
  std::string keyword;
};

/// A command line of the grammar and the node it ends on.
struct GrammarLine {
  std::vector<TypedWord> words;
  const GrammarNode* node;
};

std::string sampleValue(const GrammarNode& node) {
  switch (node.kind) {
    case NodeKind::mask:
    case NodeKind::routeMask:
      return "255.255.255.0";
    case NodeKind::number:
      return std::to_string(std::max<long long>(node.low, 1));
    case NodeKind::line:
      return "#Lab text#";
    default:
      return "10.1.1.1";  // an address, and a word that even ping takes
  }
}

// The shortest beginning of a keyword that no other keyword at its place begins with.
std::string shortestPrefix(const std::vector<const GrammarNode*>& siblings,
                           const std::string& word) {
  for (std::size_t length = 1; length < word.size(); ++length) {
    const std::string prefix = word.substr(0, length);
    const auto sharing = std::ranges::count_if(siblings, [&](const GrammarNode* node) {
      return node->kind == NodeKind::keyword && node->text.starts_with(prefix);
    });
    if (sharing == 1) return prefix;
  }
  return word;
}

// Interface configuration on Serial0 knows the words of the serial ports only.
bool existsOnSerial0(const GrammarScope& scope, const GrammarNode& node) {
  return scope.mode != CliMode::configIf || node.kind != NodeKind::keyword ||
         (node.interfaces & 1u) != 0;
}

void collectLines(const GrammarScope& scope, std::uint32_t at, std::vector<TypedWord>& path,
                  std::vector<GrammarLine>& lines) {
  const ModeGrammar& grammar = scope.grammar();
  std::vector<const GrammarNode*> siblings;
  for (const std::uint32_t child : grammar.nodes[at].children) {
    if (existsOnSerial0(scope, grammar.nodes[child])) siblings.push_back(&grammar.nodes[child]);
  }
  for (const std::uint32_t child : grammar.nodes[at].children) {
    const GrammarNode& node = grammar.nodes[child];
    if (child == at || !existsOnSerial0(scope, node)) continue;
    const bool keyword = node.kind == NodeKind::keyword;
    path.push_back({keyword ? shortestPrefix(siblings, node.text) : sampleValue(node),
                    keyword ? node.text : ""});
    lines.push_back({path, &node});
    if (!node.jumpsTo && node.kind != NodeKind::line) collectLines(scope, child, path, lines);
    path.pop_back();
  }
}

std::string typedLine(const std::vector<TypedWord>& words, std::size_t count) {
  std::string line;
  for (std::size_t i = 0; i < count; ++i) line += (i ? " " : "") + words[i].typed;
  return line;
}

std::string expectedReply(const GrammarNode& node) {
  if (node.form != nullptr) return "";
  if (node.carriedOut) return "% Incomplete command.";
  return "% This command is not available in the simulator";
}

bool refused(const std::string& output) {
  for (const char* reply : {"% Invalid input", "% Incomplete command", "% Unknown command",
                            "% Ambiguous command", "% This command is not available"}) {
    if (output.find(reply) != std::string::npos) return true;
  }
  return false;
}

// A refused line changes nothing, so only lines that carry something out need a console of their
// own.
void checkDispatch(SimulatorFixture& shared, CliMode mode, const GrammarLine& line) {
  SimulatorFixture own;
  SimulatorFixture& console = line.node->form != nullptr ? own : shared;
  if (&console == &own) walkInto(own, mode);
  console.sim.state.console.pageLength = 1000;
  const std::string typed = typedLine(line.words, line.words.size());
  console.enter(typed);
  const std::string output = console.newOutput();
  const std::string reply = expectedReply(*line.node);
  if (reply.empty()) {
    EXPECT_FALSE(refused(output)) << cliModeName(mode) << ": " << typed << output;
  } else {
    EXPECT_NE(output.find(reply), std::string::npos)
        << cliModeName(mode) << ": " << typed << output;
  }
}

// Tab and help after every keyword prefix of the line, with the earlier words as typed.
void checkTabAndHelp(SimulatorFixture& console, CliMode mode, const GrammarLine& line) {
  const std::size_t last = line.words.size() - 1;
  const TypedWord& word = line.words[last];
  if (word.keyword.empty()) return;
  const std::string before = typedLine(line.words, last) + (last ? " " : "");
  const std::string typed = console.prompt() + before + word.typed;
  const GrammarScope scope = grammarScope(console.sim);
  EXPECT_EQ(completePartialCommand(console.sim, scope, typed), before + word.keyword + " ")
      << cliModeName(mode) << ": " << typed;
  console.newOutput();
  processContextHelp(console.sim, scope, typed + "?");
  const std::string listing = console.newOutput();
  const std::string listed = " " + listing.substr(listing.rfind('\n') + 1);
  EXPECT_NE(listed.find(" " + word.keyword + " "), std::string::npos)
      << cliModeName(mode) << ": " << typed << "?" << listing;
}

TEST(GrammarPropertyTest, DispatchTabAndHelpAgreeOnEveryLineOfEveryMode) {
  for (const ModeCommands& mode : commandTable()) {
    SimulatorFixture console;
    walkInto(console, mode.mode);
    const GrammarScope scope = grammarScope(console.sim);
    std::vector<TypedWord> path;
    std::vector<GrammarLine> lines;
    collectLines(scope, 0, path, lines);
    EXPECT_GT(lines.size(), 10u) << cliModeName(mode.mode);
    SimulatorFixture shared;
    walkInto(shared, mode.mode);
    for (const GrammarLine& line : lines) {
      checkDispatch(shared, mode.mode, line);
      checkTabAndHelp(console, mode.mode, line);
    }
  }
}

}  // namespace
}  // namespace kovrel

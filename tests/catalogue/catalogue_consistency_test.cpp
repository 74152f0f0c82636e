// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue and the engine must never drift apart: a row is marked implemented exactly when
// the forms of its mode accept it, every keyword of every form is in the catalogue of its mode,
// and every help text the context-help table names exists.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/command_matching.h"
#include "catalogue/catalogue_check.h"
#include "catalogue/catalogue_modes.h"
#include "catalogue/grammar.h"
#include "catalogue/help_case_table.h"
#include "console/dispatch.h"

namespace kovrel {
namespace {

using testing::Port;
using testing::SimulatorFixture;
using testing::walkInto;
using enum CatalogueTable;

constexpr CliMode kModes[] = {CliMode::user,
                              CliMode::priv,
                              CliMode::conf,
                              CliMode::configLine,
                              CliMode::configIf,
                              CliMode::configRouterRip,
                              CliMode::configRouterIgrp};

// Rows that are not complete commands on their own, as "row|arguments" that make them valid;
// every other row is typed as it stands. "<1-99>" is read as list 10.
struct ModeSamples {
  CliMode mode;
  std::vector<std::string> rows;
};

const std::vector<ModeSamples>& samples() {
  static const std::vector<ModeSamples> samples = {
      {CliMode::user,
       {"ping|10.1.1.1", "terminal|history", "terminal history size|20", "telnet|10.1.1.1",
        "traceroute|10.1.1.1"}},
      {CliMode::priv,
       {"copy|running-config startup-config", "ping|10.1.1.1", "terminal|history",
        "terminal history size|20", "clock set|10:00:00 1 jan 2024", "erase|startup-config",
        "telnet|10.1.1.1", "traceroute|10.1.1.1"}},
      {CliMode::conf,
       {"access-list|10 permit any", "banner|motd #", "cdp|run", "do|show clock",
        "enable|secret abc", "hostname|r1", "interface|serial 0", "ip|routing", "line|console 0",
        "no|ip routing", "router|rip", "service|password-encryption",
        "no ip route|10.0.0.0 255.0.0.0"}},
      {CliMode::conf,
       {"access-list <1-99> deny|10.0.0.0 0.255.255.255", "access-list <1-99> deny host|10.1.1.1",
        "access-list <1-99> permit|10.0.0.0 0.255.255.255",
        "access-list <1-99> permit host|10.1.1.1", "access-list <1-99> remark|uplink",
        "no access-list|10", "banner motd|#", "banner exec|#", "banner login|#"}},
      {CliMode::conf,
       {"cdp timer|30", "cdp holdtime|120", "enable password|abc", "enable secret|abc",
        "ip default-gateway|10.1.1.1", "ip domain-name|lab.local", "ip host|web 10.1.1.1",
        "ip name-server|10.1.1.1", "ip route|10.0.0.0 255.0.0.0 10.1.1.1", "no ip host|web",
        "no router igrp|10", "router igrp|10", "router ospf|1"}},
      {CliMode::configLine,
       {"do|show clock", "exec-timeout|5", "no|login", "password|abc", "logging|synchronous"}},
      {CliMode::configIf,
       {"bandwidth|64", "cdp|enable", "do|show clock", "clock|rate 64000", "description|uplink",
        "ip|address 10.1.1.1 255.255.255.0", "keepalive|10", "no|shutdown", "clock rate|64000",
        "ip address|10.1.1.1 255.255.255.0"}},
      {CliMode::configRouterRip,
       {"do|show clock", "network|10.0.0.0", "no|network 10.0.0.0", "no network|10.0.0.0",
        "no passive-interface|serial 0"}},
      {CliMode::configRouterIgrp,
       {"do|show clock", "network|10.0.0.0", "no|network 10.0.0.0", "no network|10.0.0.0",
        "no passive-interface|serial 0", "metric weights|0 1 0 1 0 0"}},
  };
  return samples;
}

// The line that types `cmd` in `mode`, and the sample it came from ("" when typed as it stands).
std::pair<std::string, std::string> lineFor(CliMode mode, const std::string& cmd) {
  const std::string line = replaceAll(cmd, "<1-99>", "10");
  for (const ModeSamples& group : samples()) {
    for (const std::string& sample : group.rows) {
      if (group.mode == mode && sample.starts_with(cmd + "|")) {
        return {line + " " + sample.substr(cmd.size() + 1), sample};
      }
    }
  }
  return {line, ""};
}

bool refused(const std::string& output) {
  for (const char* reply :
       {"% Invalid input", "% Incomplete command", "% Unknown command", "% Unrecognized command",
        "% Ambiguous command", "% This command is not available"}) {
    if (output.find(reply) != std::string::npos) return true;
  }
  return false;
}

Port portOf(char code) {
  return code == '1' ? Port::serial1 : code == '2' ? Port::ethernet0 : Port::serial0;
}

std::vector<CatalogueRow> allRows(CatalogueTable table) {
  SimulatorFixture console;
  return console.sim.database.searchCatalogue(table, "");
}

// Whether the console accepts `line` typed in `mode` (on `port` in interface mode).
bool accepted(CliMode mode, Port port, const std::string& line, std::string& output) {
  SimulatorFixture console;
  walkInto(console, mode, port);
  console.enter(line);
  output = console.newOutput();
  return !refused(output);
}

void checkRowsOfTable(CliMode mode, CatalogueTable table, std::set<std::string>& samplesUsed) {
  for (const CatalogueRow& row : allRows(table)) {
    const auto [line, sample] = lineFor(mode, row.cmd);
    samplesUsed.insert(sample);
    const bool interfaceTable = catalogueTableHasInterfaceColumn(table);
    for (const char code : interfaceTable ? std::string("012") : std::string("0")) {
      const bool applies = !interfaceTable || row.interfaceCodes.find(code) != std::string::npos;
      std::string output;
      EXPECT_EQ(accepted(mode, portOf(code), line, output), row.implemented == 1 && applies)
          << catalogueTableName(table) << " row \"" << row.cmd << "\" as \"" << line
          << "\" on interface code " << code << " (implemented " << row.implemented
          << "):" << output;
    }
  }
}

TEST(CatalogueConsistencyTest, ImplementedRowsAreExactlyTheOnesTheHandlersAccept) {
  for (const CliMode mode : kModes) {
    std::set<std::string> samplesUsed;
    checkRowsOfTable(mode, *oneWordTable(mode), samplesUsed);
    if (const auto extended = extendedTable(mode)) checkRowsOfTable(mode, *extended, samplesUsed);
    for (const ModeSamples& group : samples()) {
      for (const std::string& sample : group.rows) {
        EXPECT_TRUE(group.mode != mode || samplesUsed.contains(sample))
            << "no catalogue row for the sample " << sample;
      }
    }
  }
}

// The catalogue lists every keyword a form takes (as deep as its tables go: line configuration
// mode has only one-word rows), so help and Tab offer all that is carried out.
TEST(CatalogueConsistencyTest, EveryKeywordOfEveryFormIsInTheCatalogueOfItsMode) {
  SimulatorFixture console;
  const auto catalogueOnly = buildCommandGrammars(console.sim, {});
  for (const ModeCommands& mode : commandTable()) {
    const ModeGrammar& grammar = catalogueOnly->of(mode.mode);
    for (const auto& group : mode.forms) {
      for (const CommandForm& form : group) {
        std::uint32_t at = 0;
        auto words = splitWords(form.pattern);
        if (!extendedTable(mode.mode)) words.resize(1);
        for (const std::string& word : words) {
          if (std::isupper(static_cast<unsigned char>(word.front())) || word.front() == '<') break;
          const auto& children = grammar.nodes[at].children;
          const auto child = std::ranges::find_if(
              children, [&](std::uint32_t index) { return grammar.nodes[index].text == word; });
          ASSERT_NE(child, children.end())
              << cliModeName(mode.mode) << ": \"" << form.pattern << "\" at " << word;
          at = *child;
        }
      }
    }
  }
}

// Every help text the case table names exists, and only the texts that say so mark emphasised
// lines with "$"; in the others a "$" would be shown as it stands.
TEST(CatalogueConsistencyTest, EveryHelpTextTheCaseTableNamesExistsWithItsMarkers) {
  SimulatorFixture console;
  std::set<std::string_view> keys = {"help"};
  for (const HelpGroup& group : helpCaseTable()) {
    for (const HelpCase& helpCase : group.cases) {
      if (helpCase.answer.kind == HelpAnswerKind::helpText) keys.insert(helpCase.answer.key);
    }
  }
  for (const std::string_view key : keys) {
    const std::string text = console.sim.database.cmdInfo(key).value_or("");
    EXPECT_FALSE(text.empty()) << key;
    const bool marked = text.starts_with('$') || text.find("\r\n$") != std::string::npos;
    EXPECT_EQ(marked, helpTextUsesDollarLines(key)) << key;
  }
}

// "<1-99>" stands where the completion swaps the list number: second word of access-list lines,
// third of ip access-group lines, fourth of no ip access-group lines.
bool placeholderWhereCompletionSwapsIt(CatalogueTable table, const std::string& cmd) {
  const auto words = splitWords(cmd);
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] != "<1-99>") continue;
    const bool accessList = table == confModeCmdsExtended && i == 1 && words[0] == "access-list";
    const bool group = table == ifModeCmdsExtended &&
                       ((i == 2 && words[0] == "ip") || (i == 3 && words[0] == "no"));
    if (!accessList && !group) return false;
  }
  return true;
}

TEST(CatalogueConsistencyTest, ExtendedRowsBelongToAOneWordRowAndPlaceListNumbersRight) {
  for (const CliMode mode : kModes) {
    const auto words = allRows(*oneWordTable(mode));
    for (const CatalogueRow& row : words) {
      EXPECT_EQ(splitWords(row.cmd).size(), 1u) << row.cmd;
    }
    const auto extended = extendedTable(mode);
    if (!extended) continue;
    for (const CatalogueRow& row : allRows(*extended)) {
      EXPECT_TRUE(placeholderWhereCompletionSwapsIt(*extended, row.cmd)) << row.cmd;
      const std::string first = splitWords(row.cmd).front();
      const auto word = std::ranges::find(words, first, &CatalogueRow::cmd);
      ASSERT_NE(word, words.end()) << catalogueTableName(*extended) << ": " << row.cmd;
      if (row.implemented == 1) {
        EXPECT_EQ(word->implemented, 1) << row.cmd;
      }
    }
  }
}

}  // namespace
}  // namespace kovrel

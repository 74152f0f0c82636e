// The catalogue and the engine must never drift apart: a row is marked implemented exactly when
// the handlers of its mode accept it, every first word the dispatcher executes is in the
// catalogue of its mode, and every help text the context-help table names exists.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue_check.h"
#include "catalogue/catalogue_modes.h"
#include "catalogue/command_matching.h"
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

// Rows that are not complete commands on their own, with a line that gives them valid
// arguments. Every other row is typed as it stands, "<1-99>" read as list 10.
const std::map<std::pair<CatalogueTable, std::string>, std::string>& sampleLines() {
  static const std::map<std::pair<CatalogueTable, std::string>, std::string> samples = {
      {{userModeCmds, "ping"}, "ping 10.1.1.1"},
      {{userModeCmds, "terminal"}, "terminal history"},
      {{userModeCmdsExtended, "terminal history size"}, "terminal history size 20"},
      {{privModeCmds, "copy"}, "copy running-config startup-config"},
      {{privModeCmds, "ping"}, "ping 10.1.1.1"},
      {{privModeCmds, "terminal"}, "terminal history"},
      {{privModeCmdsExtended, "terminal history size"}, "terminal history size 20"},
      {{privModeCmdsExtended, "clock set"}, "clock set 10:00:00 1 jan 2024"},
      {{confModeCmds, "access-list"}, "access-list 10 permit any"},
      {{confModeCmds, "banner"}, "banner motd #"},
      {{confModeCmds, "cdp"}, "cdp run"},
      {{confModeCmds, "enable"}, "enable secret abc"},
      {{confModeCmds, "hostname"}, "hostname r1"},
      {{confModeCmds, "interface"}, "interface serial 0"},
      {{confModeCmds, "ip"}, "ip routing"},
      {{confModeCmds, "line"}, "line console 0"},
      {{confModeCmds, "no"}, "no ip routing"},
      {{confModeCmds, "router"}, "router rip"},
      {{confModeCmdsExtended, "access-list <1-99> deny"},
       "access-list 10 deny 10.0.0.0 0.255.255.255"},
      {{confModeCmdsExtended, "access-list <1-99> deny host"}, "access-list 10 deny host 10.1.1.1"},
      {{confModeCmdsExtended, "access-list <1-99> permit"},
       "access-list 10 permit 10.0.0.0 0.255.255.255"},
      {{confModeCmdsExtended, "access-list <1-99> permit host"},
       "access-list 10 permit host 10.1.1.1"},
      {{confModeCmdsExtended, "access-list <1-99> remark"}, "access-list 10 remark uplink"},
      {{confModeCmdsExtended, "banner motd"}, "banner motd #"},
      {{confModeCmdsExtended, "banner exec"}, "banner exec #"},
      {{confModeCmdsExtended, "banner login"}, "banner login #"},
      {{confModeCmdsExtended, "cdp timer"}, "cdp timer 30"},
      {{confModeCmdsExtended, "cdp holdtime"}, "cdp holdtime 120"},
      {{confModeCmdsExtended, "enable password"}, "enable password abc"},
      {{confModeCmdsExtended, "enable secret"}, "enable secret abc"},
      {{confModeCmdsExtended, "ip default-gateway"}, "ip default-gateway 10.1.1.1"},
      {{confModeCmdsExtended, "ip domain-name"}, "ip domain-name lab.local"},
      {{confModeCmdsExtended, "ip host"}, "ip host web 10.1.1.1"},
      {{confModeCmdsExtended, "ip name-server"}, "ip name-server 10.1.1.1"},
      {{confModeCmdsExtended, "ip route"}, "ip route 10.0.0.0 255.0.0.0 10.1.1.1"},
      {{confModeCmdsExtended, "no access-list"}, "no access-list 10"},
      {{confModeCmdsExtended, "no ip host"}, "no ip host web"},
      {{confModeCmdsExtended, "no router igrp"}, "no router igrp 10"},
      {{confModeCmdsExtended, "router igrp"}, "router igrp 10"},
      {{confModeCmdsExtended, "router ospf"}, "router ospf 1"},
      {{lineModeCmds, "exec-timeout"}, "exec-timeout 5"},
      {{lineModeCmds, "no"}, "no login"},
      {{lineModeCmds, "password"}, "password abc"},
      {{ifModeCmds, "bandwidth"}, "bandwidth 64"},
      {{ifModeCmds, "cdp"}, "cdp enable"},
      {{ifModeCmds, "clock"}, "clock rate 64000"},
      {{ifModeCmds, "description"}, "description uplink"},
      {{ifModeCmds, "ip"}, "ip address 10.1.1.1 255.255.255.0"},
      {{ifModeCmds, "keepalive"}, "keepalive 10"},
      {{ifModeCmds, "no"}, "no shutdown"},
      {{ifModeCmdsExtended, "clock rate"}, "clock rate 64000"},
      {{ifModeCmdsExtended, "ip address"}, "ip address 10.1.1.1 255.255.255.0"},
      {{ifModeCmdsExtended, "media-type 10baset"}, "media-type 10baset"},
      {{configRouterRipModeCmds, "network"}, "network 10.0.0.0"},
      {{configRouterRipModeCmds, "no"}, "no network 10.0.0.0"},
      {{configRouterRipModeCmdsExtended, "no network"}, "no network 10.0.0.0"},
      {{configRouterRipModeCmdsExtended, "no passive-interface"}, "no passive-interface serial 0"},
      {{configRouterIgrpModeCmds, "network"}, "network 10.0.0.0"},
      {{configRouterIgrpModeCmds, "no"}, "no network 10.0.0.0"},
      {{configRouterIgrpModeCmdsExtended, "no network"}, "no network 10.0.0.0"},
      {{configRouterIgrpModeCmdsExtended, "no passive-interface"}, "no passive-interface serial 0"},
      {{configRouterIgrpModeCmdsExtended, "metric weights"}, "metric weights 0 1 0 1 0 0"},
  };
  return samples;
}

bool refused(const std::string& output) {
  for (const char* reply :
       {"% Invalid input", "% Incomplete command", "% Unknown command", "% Unrecognized command"}) {
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
    const auto sample = sampleLines().find({table, row.cmd});
    std::string line = replaceAll(row.cmd, "<1-99>", "10");
    if (sample != sampleLines().end()) {
      line = sample->second;
      samplesUsed.insert(std::string(catalogueTableName(table)) + ":" + row.cmd);
    }
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
  std::set<std::string> samplesUsed;
  for (const CliMode mode : kModes) {
    checkRowsOfTable(mode, *oneWordTable(mode), samplesUsed);
    if (const auto extended = extendedTable(mode)) checkRowsOfTable(mode, *extended, samplesUsed);
  }
  for (const auto& [key, line] : sampleLines()) {
    EXPECT_TRUE(samplesUsed.contains(std::string(catalogueTableName(key.first)) + ":" + key.second))
        << "no catalogue row for the sample \"" << line << "\"";
  }
}

// The modes a handler that the dispatcher calls in every mode really works in; it answers the
// error replies elsewhere.
std::vector<CliMode> modesOfEveryModeHandler(std::string_view word) {
  if (word == "hostname") return {CliMode::conf};
  if (word == "terminal") return {CliMode::user, CliMode::priv};
  if (word == "configure") return {CliMode::priv};
  return {std::begin(kModes), std::end(kModes)};
}

// Fixed short forms ("sh", "en", "int", "conf") stand for a longer word of the same row.
bool isShortForm(std::string_view word, const DispatchRow& row) {
  return std::ranges::any_of(row.firstWords, [&](std::string_view other) {
    return other.size() > word.size() && other.starts_with(word);
  });
}

TEST(CatalogueConsistencyTest, EveryWordTheDispatcherExecutesIsAnImplementedRowOfItsMode) {
  SimulatorFixture console;
  CatalogueFilter implemented;
  implemented.implementedOnly = true;
  for (const DispatchRow& row : dispatchTable()) {
    for (const std::string_view word : row.firstWords) {
      if (word == "blank_enter" || isShortForm(word, row)) continue;
      for (const ModeAction& action : row.actions) {
        if (action.handler == nullptr || action.handler == doNothing) continue;
        const auto modes =
            action.mode ? std::vector<CliMode>{*action.mode} : modesOfEveryModeHandler(word);
        for (const CliMode mode : modes) {
          const auto rows = console.sim.database.searchCatalogue(*oneWordTable(mode), word);
          const bool found = std::ranges::any_of(rows, [&](const CatalogueRow& catalogueRow) {
            return catalogueRow.cmd == word && catalogueRow.implemented == 1;
          });
          EXPECT_TRUE(found) << word << " in mode " << cliModeName(mode);
        }
      }
    }
  }
}

TEST(CatalogueConsistencyTest, EveryHelpTextTheCaseTableNamesExists) {
  SimulatorFixture console;
  std::set<std::string_view> keys = {"help"};
  for (const HelpGroup& group : helpCaseTable()) {
    for (const HelpCase& helpCase : group.cases) {
      if (helpCase.answer.kind == HelpAnswerKind::helpText) keys.insert(helpCase.answer.key);
    }
  }
  EXPECT_EQ(keys.size(), 40u);
  for (const std::string_view key : keys) {
    const auto text = console.sim.database.cmdInfo(key);
    EXPECT_TRUE(text.has_value() && !text->empty()) << key;
  }
}

// Only the help texts that say so mark emphasised lines with "$"; in the others a "$" would be
// shown as it stands.
TEST(CatalogueConsistencyTest, DollarMarkersStandOnlyInTheTextsThatUseThem) {
  SimulatorFixture console;
  for (const HelpGroup& group : helpCaseTable()) {
    for (const HelpCase& helpCase : group.cases) {
      const std::string_view key = helpCase.answer.key;
      if (helpCase.answer.kind != HelpAnswerKind::helpText) continue;
      const std::string text = console.sim.database.cmdInfo(key).value_or("");
      const bool marked = text.starts_with('$') || text.find("\r\n$") != std::string::npos;
      EXPECT_EQ(marked, helpTextUsesDollarLines(key)) << key;
    }
  }
}

bool wellFormed(const std::string& cmd) {
  return !cmd.empty() && cmd == toLower(cmd) && cmd.front() != ' ' && cmd.back() != ' ' &&
         cmd.find("  ") == std::string::npos;
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

TEST(CatalogueConsistencyTest, RowsAreWellFormedAndBelongToAOneWordRow) {
  for (const CliMode mode : kModes) {
    const auto words = allRows(*oneWordTable(mode));
    for (const CatalogueRow& row : words) {
      EXPECT_TRUE(wellFormed(row.cmd) && splitWords(row.cmd).size() == 1) << row.cmd;
    }
    const auto extended = extendedTable(mode);
    if (!extended) continue;
    for (const CatalogueRow& row : allRows(*extended)) {
      EXPECT_TRUE(wellFormed(row.cmd)) << row.cmd;
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

TEST(CatalogueConsistencyTest, InterfaceCodesNameTheThreeInterfaces) {
  for (const CatalogueTable table : {ifModeCmds, ifModeCmdsExtended}) {
    for (const CatalogueRow& row : allRows(table)) {
      EXPECT_FALSE(row.interfaceCodes.empty()) << row.cmd;
      EXPECT_EQ(row.interfaceCodes.find_first_not_of("012"), std::string::npos) << row.cmd;
      const bool clock = row.cmd.starts_with("clock") || row.cmd.starts_with("no clock");
      if (clock) {
        EXPECT_EQ(row.interfaceCodes, "01") << row.cmd;
      }
    }
  }
}

}  // namespace
}  // namespace kovrel

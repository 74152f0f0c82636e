// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/show_commands.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/output.h"
#include "base/router_records.h"
#include "network/cdp_displays.h"
#include "network/interface_displays.h"
#include "network/link_displays.h"
#include "network/routing_table.h"
#include "network/show_displays.h"

namespace kovrel {
namespace {

const std::vector<ShowRow>& userRows() {
  static const std::vector<ShowRow> rows = {
      {{"show"}, showSubcommandsHint, {}},
      {{"show flash"}, showFlash, {}},
      {{"show clock"}, showClock, {}},
      {{"show history"}, showHistory, {}},
      {{"show hosts"}, showHosts, {}},
      {{"show ip protocols"}, showIpProtocols, {}},
      {{"show users"}, showUsers, {}},
      {{"show version"}, showVersion, {}},
      // The everyday checks of the network need no privileges.
      {{"show interfaces", "show interface"}, showInterfaces, {kSerial0, kSerial1, kEthernet0}},
      {{"show interfaces serial 0", "show interface serial 0"}, showInterfaces, {kSerial0}},
      {{"show interfaces serial 1", "show interface serial 1"}, showInterfaces, {kSerial1}},
      {{"show interfaces ethernet 0", "show interface ethernet 0"}, showInterfaces, {kEthernet0}},
      {{"show ip route"}, showIpRoute, {}},
      {{"show ip interface brief"}, showInterfaceBrief, {}},
  };
  return rows;
}

const std::vector<ShowRow>& privRows() {
  static const std::vector<ShowRow> rows = {
      {{"show"}, showSubcommandsHint, {}},
      {{"show flash"}, showFlash, {}},
      {{"show cdp"}, showCdp, {}},
      {{"show cdp interface"}, showCdpInterface, {kSerial0, kSerial1, kEthernet0}},
      {{"show cdp interface serial 0"}, showCdpInterface, {kSerial0}},
      {{"show cdp interface serial 1"}, showCdpInterface, {kSerial1}},
      {{"show cdp interface ethernet 0"}, showCdpInterface, {kEthernet0}},
      {{"show cdp neighbors"}, showCdpNeighbors, {}},
      {{"show clock"}, showClock, {}},
      {{"show history"}, showHistory, {}},
      {{"show hosts"}, showHosts, {}},
      {{"show interfaces", "show interface"}, showInterfaces, {kSerial0, kSerial1, kEthernet0}},
      {{"show interfaces serial 0", "show interface serial 0"}, showInterfaces, {kSerial0}},
      {{"show interfaces serial 1", "show interface serial 1"}, showInterfaces, {kSerial1}},
      {{"show interfaces ethernet 0", "show interface ethernet 0"}, showInterfaces, {kEthernet0}},
      {{"show ip interface"}, showIpInterfaces, {kEthernet0, kSerial0, kSerial1}},
      {{"show ip interface brief"}, showInterfaceBrief, {}},
      {{"show ip interface serial 0"}, showIpInterfaces, {kSerial0}},
      {{"show ip interface serial 1"}, showIpInterfaces, {kSerial1}},
      {{"show ip interface ethernet 0"}, showIpInterfaces, {kEthernet0}},
      {{"show ip access-lists", "show access-lists"}, showAccessLists, {}},
      {{"show ip protocols"}, showIpProtocols, {}},
      {{"show ip route"}, showIpRoute, {}},
      {{"show running-config"}, showRunningConfig, {}},
      {{"show startup-config", "show config", "show configuration"}, showStartupConfig, {}},
      {{"show protocols"}, showProtocols, {}},
      {{"show controllers"}, showSerialControllers, {kSerial0, kSerial1}},
      {{"show controllers serial 0"}, showSerialControllers, {kSerial0}},
      {{"show controllers serial 1"}, showSerialControllers, {kSerial1}},
      {{"show arp", "show ip arp"}, showArp, {}},
      {{"show users"}, showUsers, {}},
      {{"show version"}, showVersion, {}},
  };
  return rows;
}

constexpr std::string_view kUserIncomplete[] = {
    "show",
    "show flash",
    "show clock",
    "show hosts",
    "show users",
    "show version",
    "show history",
    "show ip protocols",
    "show interfaces serial 1",
    "show interfaces ethernet 0",
};

constexpr std::string_view kPrivIncomplete[] = {
    "show",
    "show flash",
    "show clock",
    "show hosts",
    "show history",
    "show users",
    "show version",
    "show cdp interface",
    "show cdp interface serial 0",
    "show cdp interface ethernet 0",
    "show interfaces serial 1",
    "show interfaces ethernet 0",
    "show ip protocols",
    "show controllers serial 1",
};

// Runs the first row one of whose forms the line matches; otherwise answers whether the line was
// a good beginning cut short or plainly wrong.
void runShowTable(Simulator& sim, const std::string& text, std::span<const ShowRow> table,
                  std::span<const std::string_view> incompleteForms) {
  const std::string prompt = sim.router().prompt;
  const std::string line = prompt + text;
  for (const ShowRow& row : table) {
    for (std::string_view form : row.forms) {
      if (matchCommand(line, form, prompt) != MatchResult::match) continue;
      row.display(sim, row.interfaces);
      return;
    }
  }
  for (std::string_view form : incompleteForms) {
    if (matchCommand(line, form, prompt) == MatchResult::incomplete) {
      incompleteCommand(sim);
      return;
    }
  }
  const std::vector<std::string> words = splitWords(text);
  std::size_t furthest = 0;
  for (const ShowRow& row : table) {
    for (std::string_view form : row.forms) {
      furthest = std::max(furthest, matchedWordCount(words, form));
    }
  }
  markUnmatchedWord(sim, furthest, words.size());
  invalidInput(sim);
}

}  // namespace

std::span<const ShowRow> userShowTable() { return userRows(); }
std::span<const ShowRow> privShowTable() { return privRows(); }
std::span<const std::string_view> userIncompleteForms() { return kUserIncomplete; }
std::span<const std::string_view> privIncompleteForms() { return kPrivIncomplete; }

std::string userShowText(std::string_view line, std::string_view prompt) {
  std::string text = replaceAll(normalizeCommandLine(line, prompt), "sh ", "show ");
  if (text == "sh") text = "show";
  return text;
}

std::string privShowText(std::string_view line, std::string_view prompt) {
  std::string text = normalizeCommandLine(line, prompt);
  const auto words = splitWords(text);
  const std::string lastWord = words.empty() ? std::string() : words.back();
  if (lastWord == "int") text = replaceAll(text, " int", " interface");
  static constexpr std::pair<std::string_view, std::string_view> kShortForms[] = {
      {"sh ", "show "},      {" int ", " interface "}, {" s0", " serial 0"},
      {" s1", " serial 1"},  {" e0", " ethernet 0"},   {" e 0", " ethernet 0"},
      {" s 0", " serial 0"}, {" s 1", " serial 1"},
  };
  for (const auto& [shortForm, longForm] : kShortForms) {
    text = replaceAll(text, shortForm, longForm);
  }
  if (lastWord == "run") text = replaceAll(text, " run", " running-config");
  if (lastWord == "start") text = replaceAll(text, " start", " startup-config");
  return text;
}

void userShowCommand(Simulator& sim, const CommandInput& input) {
  runShowTable(sim, userShowText(input.line, sim.router().prompt), userShowTable(),
               userIncompleteForms());
}

void privShowCommand(Simulator& sim, const CommandInput& input) {
  runShowTable(sim, privShowText(input.line, sim.router().prompt), privShowTable(),
               privIncompleteForms());
}

}  // namespace kovrel

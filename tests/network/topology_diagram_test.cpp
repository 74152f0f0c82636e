// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/topology_diagram.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <regex>
#include <sstream>

#include "support/fake_platform.h"
#include "training/router_switch.h"
#include "training/scenarios.h"
#include "training/scenarios_addresses.h"

namespace kovrel::testing {
namespace {

// Well-formed enough for any XML reader: tags nest and close, attribute values are quoted, the
// only entities are the predefined ones, and no bare "<" or "&" hides in text.
bool wellFormedXml(const std::string& xml) {
  static const std::regex kTag(R"(^<(/?)([A-Za-z][\w:-]*)((\s+[\w:-]+="[^"<]*")*)\s*(/?)>)");
  static const std::regex kEntity(R"(^&(amp|lt|gt|quot|apos);)");
  std::vector<std::string> open;
  std::size_t at = xml.rfind("?>", xml.find('\n')) + 2;  // after the declaration
  while (at < xml.size()) {
    const std::string rest = xml.substr(at, 400);
    std::smatch match;
    if (xml[at] == '&') {
      if (!std::regex_search(rest, match, kEntity)) return false;
    } else if (xml[at] == '<') {
      if (!std::regex_search(rest, match, kTag)) return false;
      if (match[1].length() > 0) {
        if (open.empty() || open.back() != match[2]) return false;
        open.pop_back();
      } else if (match[5].length() == 0) {
        open.push_back(match[2]);
      }
    } else {
      at += 1;
      continue;
    }
    at += static_cast<std::size_t>(match.length(0));
    if (open.empty()) return xml.find_first_not_of(" \n", at) == std::string::npos;
  }
  return false;
}

int widestLine(const std::string& text) {
  std::istringstream lines(text);
  int widest = 0;
  for (std::string line; std::getline(lines, line);) {
    int columns = 0;
    for (const char c : line) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    widest = std::max(widest, columns);
  }
  return widest;
}

// The address stands on its own: 192.160.5.6 is not shown by 192.160.5.60.
bool showsAddress(const std::string& text, const std::string& address) {
  const auto partOfAddress = [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
  };
  for (std::size_t at = text.find(address); at != std::string::npos;
       at = text.find(address, at + 1)) {
    const std::size_t end = at + address.size();
    if ((at == 0 || !partOfAddress(text[at - 1])) &&
        (end == text.size() || !partOfAddress(text[end]))) {
      return true;
    }
  }
  return false;
}

struct VariantCase {
  std::function<void(Simulator&)> start;
  std::string variant;
  AddressSetName set;
};

const VariantCase kVariants[] = {
    {[](Simulator& sim) { startLab(sim, "aboutTheLabs"); }, "ActivityNetworkDiagram",
     AddressSetName::lab},
    {[](Simulator& sim) { startTest(sim, "test2"); }, "Test1And2Diagram", AddressSetName::lab},
    {[](Simulator& sim) { startTest(sim, "test3"); }, "Test3Diagram", AddressSetName::test3},
    {[](Simulator& sim) { startTroubleshooting(sim, "troubleshooting1"); }, "troubleShooting1",
     AddressSetName::troubleshooting1},
    {[](Simulator& sim) { startTroubleshooting(sim, "troubleshooting3"); }, "troubleShooting2",
     AddressSetName::troubleshooting2And3},
    {[](Simulator& sim) { startTroubleshooting(sim, "troubleshooting4"); },
     "twoRouterTopologyA_RouterA", AddressSetName::troubleshooting4And5},
    {[](Simulator& sim) {
       startTroubleshooting(sim, "troubleshooting5");
       switchRouter(sim, RouterId::b);
     },
     "twoRouterTopologyA_RouterB", AddressSetName::troubleshooting4And5},
    {[](Simulator& sim) { startTroubleshooting(sim, "troubleshooting6"); },
     "twoRouterTopologyB_RouterA", AddressSetName::troubleshooting6},
    {[](Simulator& sim) {
       startTroubleshooting(sim, "troubleshooting6");
       switchRouter(sim, RouterId::b);
     },
     "twoRouterTopologyB_RouterB", AddressSetName::troubleshooting6},
};

// The addresses of the scenario's surroundings that its picture names.
std::vector<std::string> shownAddresses(AddressSetName name) {
  AddressSet set;
  applyAddressSet(set, name);
  if (!set.remoteLanNetwork.empty()) {
    return {set.lanNetwork,       set.lanHost1,    set.lanHost2,
            set.remoteLanNetwork, set.remoteHost1, set.remoteHost2};
  }
  return {set.lanNetwork,
          set.lanHost1,
          set.lanHost2,
          set.serialNetwork,
          set.neighbourSerialAddress,
          set.remoteGateway + "/24",
          set.remoteHost1,
          set.remoteHost2};
}

TEST(TopologyDiagram, EveryVariantShowsItsAddressesInBothRenderings) {
  for (const VariantCase& row : kVariants) {
    SimulatorFixture fixture;
    row.start(fixture.sim);
    const TopologyDiagram diagram = diagramFor(fixture.sim);
    EXPECT_EQ(diagram.variant, row.variant);
    const std::string ascii = renderDiagramText(diagram, 80, false);
    const std::string unicode = renderDiagramText(diagram, 80, true);
    for (DiagramPalette palette : {DiagramPalette::light, DiagramPalette::dark}) {
      EXPECT_TRUE(wellFormedXml(renderDiagramSvg(diagram, palette))) << row.variant;
    }
    const std::string svg = renderDiagramSvg(diagram, DiagramPalette::light);
    for (const std::string& address : shownAddresses(row.set)) {
      EXPECT_TRUE(showsAddress(svg, address)) << row.variant << " " << address;
      EXPECT_TRUE(showsAddress(unicode, address)) << row.variant << " " << address;
    }
    EXPECT_LE(widestLine(unicode), 80) << row.variant;
    EXPECT_LE(widestLine(ascii), 80) << row.variant;
    EXPECT_EQ(std::count_if(ascii.begin(), ascii.end(), [](char c) { return c < 0; }), 0);
  }
}

struct StateCase {
  std::function<void(Simulator&)> start;
  DiagramState serial0AfterNoShutdown;
  DiagramState linkAfterNoShutdown;
};

// RouterA's Serial0 opens with its clock; on the two-router link its line protocol waits for
// RouterB's Serial1, shut down in troubleshooting 4, and the link stays cut at that end.
TEST(TopologyDiagram, NoShutdownWithClockRateChangesTheSerialState) {
  const StateCase cases[] = {
      {[](Simulator& sim) { startLab(sim, "aboutTheLabs"); }, DiagramState::up, DiagramState::up},
      {[](Simulator& sim) { startTroubleshooting(sim, "troubleshooting4"); }, DiagramState::down,
       DiagramState::administrativelyDown},
  };
  for (const StateCase& row : cases) {
    SimulatorFixture fixture;
    row.start(fixture.sim);
    fixture.startSession(CliMode::conf);
    fixture.enter("interface serial 0");
    fixture.enter("clock rate 64000");
    const auto serial0 = [&] {
      return diagramFor(fixture.sim).interface(DiagramPlace::leftRouter, "Serial0")->state;
    };
    EXPECT_EQ(serial0(), DiagramState::administrativelyDown);
    fixture.enter("no shutdown");
    EXPECT_EQ(serial0(), row.serial0AfterNoShutdown);
    const DiagramLink serialLink = diagramFor(fixture.sim).links[3];
    EXPECT_EQ(serialLink.fromInterface, "Serial0");
    EXPECT_EQ(serialLink.state, row.linkAfterNoShutdown);
  }
}

TEST(TopologyDiagram, TheRouterAtTheConsoleIsMarked) {
  SimulatorFixture fixture;
  startTroubleshooting(fixture.sim, "troubleshooting6");
  switchRouter(fixture.sim, RouterId::b);
  const TopologyDiagram diagram = diagramFor(fixture.sim);
  EXPECT_FALSE(diagram.node(DiagramPlace::leftRouter).atConsole);
  EXPECT_TRUE(diagram.node(DiagramPlace::rightRouter).atConsole);
  const std::string text = renderDiagramText(diagram, 80, true);
  EXPECT_NE(text.find("║ RouterB                                 at the console ║"),
            std::string::npos);
  EXPECT_NE(text.find("│ RouterA   "), std::string::npos);
}

// A typed hostname reaches the SVG as text, and a diagram built by hand with nothing in it still
// draws.
TEST(TopologyDiagram, SvgStaysWellFormedWhateverItHolds) {
  SimulatorFixture fixture;
  startLab(fixture.sim, "aboutTheLabs");
  fixture.running().hostname = "r&d<1>\"";
  const std::string svg = renderDiagramSvg(diagramFor(fixture.sim), DiagramPalette::dark);
  EXPECT_TRUE(wellFormedXml(svg));
  EXPECT_NE(svg.find(">r&amp;d&lt;1&gt;&quot;<"), std::string::npos);
  EXPECT_TRUE(wellFormedXml(renderDiagramSvg(TopologyDiagram{}, DiagramPalette::light)));
  EXPECT_FALSE(renderDiagramText(TopologyDiagram{}, 80, true).empty());
}

}  // namespace
}  // namespace kovrel::testing

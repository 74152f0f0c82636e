// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/topology_diagram.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "network/interface_status.h"
#include "network/network_view.h"

namespace kovrel {
namespace {

// Scenarios 4 and 5 share one network, and 2 and 3 another; every later scenario has its own.
NetworkPicture twoRouterPicture(int scenario, RouterId currentRouter) {
  const std::string router = currentRouter == RouterId::b ? "RouterB" : "RouterA";
  const std::string atConsole = ", " + router + " at the console";
  if (scenario == 4 || scenario == 5) {
    return {"twoRouterTopologyA_" + router, "Troubleshooting 4 and 5" + atConsole};
  }
  const std::string number = std::to_string(scenario);
  if (scenario == 6) return {"twoRouterTopologyB_" + router, "Troubleshooting 6" + atConsole};
  return {"twoRouterTopology" + number + "_" + router, "Troubleshooting " + number + atConsole};
}

NetworkPicture troubleshootingPicture(int scenario) {
  if (scenario == 1) return {"troubleShooting1", "Troubleshooting 1"};
  if (scenario <= 3) return {"troubleShooting2", "Troubleshooting 2 and 3"};
  const std::string number = std::to_string(scenario);
  return {"troubleShooting" + number, "Troubleshooting " + number};
}

// Read from the same state as the status line, so that the picture says what it says.
DiagramState interfaceState(const NetworkView& net, InterfaceNumber interfaceNumber) {
  if (linkStatus(net, interfaceNumber) == LinkStatus::administrativelyDown) {
    return DiagramState::administrativelyDown;
  }
  return lineProtocolUp(net, interfaceNumber) ? DiagramState::up : DiagramState::down;
}

std::string addressWithPrefix(const std::string& address, const std::string& mask) {
  if (address.empty()) return {};
  return address + "/" + std::to_string(countOneBits(mask));
}

// The router's interfaces in the order of `show ip interface`: Ethernet0 first.
DiagramNode configuredRouter(const NetworkView& net, DiagramPlace place, std::string label,
                             bool atConsole) {
  DiagramNode router{place, DiagramNodeKind::router, std::move(label), "", atConsole, {}};
  for (const InterfaceNumber number : {kEthernet0, kSerial0, kSerial1}) {
    const InterfaceConfig& interface = net.own.interface(number);
    router.interfaces.push_back({interfaceName(number),
                                 addressWithPrefix(interface.ipAddress, interface.subnetMask),
                                 interfaceState(net, number)});
  }
  return router;
}

void addLan(TopologyDiagram& diagram, bool left, std::string label, std::string network,
            const std::string& host1, const std::string& host2) {
  const DiagramPlace lan = left ? DiagramPlace::leftNetwork : DiagramPlace::rightNetwork;
  diagram.nodes.push_back(
      {lan, DiagramNodeKind::network, std::move(label), std::move(network), false, {}});
  const DiagramPlace host1Place = left ? DiagramPlace::leftHost1 : DiagramPlace::rightHost1;
  const DiagramPlace host2Place = left ? DiagramPlace::leftHost2 : DiagramPlace::rightHost2;
  diagram.nodes.push_back({host1Place, DiagramNodeKind::host, "host", host1, false, {}});
  diagram.nodes.push_back({host2Place, DiagramNodeKind::host, "host", host2, false, {}});
  diagram.links.push_back({host1Place, lan, "", "", "", DiagramState::plain});
  diagram.links.push_back({host2Place, lan, "", "", "", DiagramState::plain});
}

DiagramState stateOf(const DiagramNode& router, std::string_view name) {
  for (const DiagramInterface& interface : router.interfaces) {
    if (interface.name == name) return interface.state;
  }
  return DiagramState::plain;
}

// The one router of the lab topology and its imaginary neighbour, which always runs and whose
// addresses are the scenario's.
void labTopology(const NetworkView& net, const std::string& hostname, TopologyDiagram& diagram) {
  const AddressSet& set = net.addresses;
  const DiagramNode router = configuredRouter(net, DiagramPlace::leftRouter, hostname, true);
  DiagramNode neighbour{
      DiagramPlace::rightRouter, DiagramNodeKind::router, "neighbour router", "", false, {}};
  neighbour.interfaces.push_back({"serial", set.neighbourSerialAddress, DiagramState::plain});
  neighbour.interfaces.push_back(
      {"LAN", addressWithPrefix(set.remoteGateway, set.remoteMask), DiagramState::plain});
  addLan(diagram, true, "LAN", set.lanNetwork, set.lanHost1, set.lanHost2);
  diagram.links.push_back({DiagramPlace::leftNetwork, DiagramPlace::leftRouter, "", "Ethernet0", "",
                           stateOf(router, "Ethernet0")});
  diagram.links.push_back({DiagramPlace::leftRouter, DiagramPlace::rightRouter, "Serial0", "serial",
                           "serial link " + set.serialNetwork, stateOf(router, "Serial0")});
  diagram.links.push_back(
      {DiagramPlace::rightRouter, DiagramPlace::rightNetwork, "LAN", "", "", DiagramState::plain});
  addLan(diagram, false, "remote LAN", "", set.remoteHost1, set.remoteHost2);
  diagram.nodes.push_back(router);
  diagram.nodes.push_back(neighbour);
}

// A link is as good as its worse end: shut down beats down, down beats up.
DiagramState worse(DiagramState a, DiagramState b) {
  const auto rank = [](DiagramState state) {
    return state == DiagramState::administrativelyDown ? 2 : state == DiagramState::down ? 1 : 0;
  };
  return rank(a) >= rank(b) ? a : b;
}

void twoRouterTopology(const NetworkView& net, TopologyDiagram& diagram) {
  const bool aAtConsole = net.currentRouter == RouterId::a;
  const NetworkView otherSide = otherSideView(net);
  const DiagramNode routerA = configuredRouter(aAtConsole ? net : otherSide,
                                               DiagramPlace::leftRouter, "RouterA", aAtConsole);
  const DiagramNode routerB = configuredRouter(aAtConsole ? otherSide : net,
                                               DiagramPlace::rightRouter, "RouterB", !aAtConsole);
  const AddressSet& set = net.addresses;
  addLan(diagram, true, "LAN", set.lanNetwork, set.lanHost1, set.lanHost2);
  diagram.links.push_back({DiagramPlace::leftNetwork, DiagramPlace::leftRouter, "", "Ethernet0", "",
                           stateOf(routerA, "Ethernet0")});
  diagram.links.push_back({DiagramPlace::leftRouter, DiagramPlace::rightRouter, "Serial0",
                           "Serial1", "serial link",
                           worse(stateOf(routerA, "Serial0"), stateOf(routerB, "Serial1"))});
  diagram.links.push_back({DiagramPlace::rightRouter, DiagramPlace::rightNetwork, "Ethernet0", "",
                           "", stateOf(routerB, "Ethernet0")});
  addLan(diagram, false, "LAN", set.remoteLanNetwork, set.remoteHost1, set.remoteHost2);
  diagram.nodes.push_back(routerA);
  diagram.nodes.push_back(routerB);
}

}  // namespace

NetworkPicture networkPicture(const TrainingState& training, RouterId currentRouter) {
  const bool testing = training.currentActivity == Activity::test ||
                       training.currentActivity == Activity::testReport;
  if (training.topology == Topology::twoRouters && testing) {
    const std::string router = currentRouter == RouterId::b ? "RouterB" : "RouterA";
    const std::string number = std::to_string(training.currentTest);
    return {"test" + number + "_" + router, "Test " + number + ", " + router + " at the console"};
  }
  if (training.topology == Topology::twoRouters && training.currentActivity == Activity::lab) {
    const std::string router = currentRouter == RouterId::b ? "RouterB" : "RouterA";
    return {"twoRouterLabs_" + router, "Two-router labs, " + router + " at the console"};
  }
  if (training.topology == Topology::twoRouters) {
    return twoRouterPicture(training.currentTroubleshooting, currentRouter);
  }
  switch (training.currentActivity) {
    case Activity::troubleshooting:
      return troubleshootingPicture(training.currentTroubleshooting);
    case Activity::test:
    case Activity::testReport:
      if (training.currentTest == 3) return {"Test3Diagram", "Test 3"};
      return {"Test1And2Diagram", "Tests 1 and 2"};
    default:
      return {"ActivityNetworkDiagram", "The lab network"};
  }
}

std::string_view diagramStateText(DiagramState state) {
  switch (state) {
    case DiagramState::up:
      return "up";
    case DiagramState::down:
      return "down";
    case DiagramState::administrativelyDown:
      return "administratively down";
    case DiagramState::plain:
      break;
  }
  return "";
}

const DiagramNode& TopologyDiagram::node(DiagramPlace place) const {
  static const DiagramNode kNothing{};  // a diagram built by hand may leave a place empty
  const auto found = std::find_if(nodes.begin(), nodes.end(),
                                  [place](const DiagramNode& node) { return node.place == place; });
  return found == nodes.end() ? kNothing : *found;
}

const DiagramInterface* TopologyDiagram::interface(DiagramPlace place,
                                                   std::string_view name) const {
  for (const DiagramInterface& candidate : node(place).interfaces) {
    if (candidate.name == name) return &candidate;
  }
  return nullptr;
}

DiagramState TopologyDiagram::endState(const DiagramLink& link, bool fromEnd) const {
  const DiagramInterface* end =
      fromEnd ? interface(link.from, link.fromInterface) : interface(link.to, link.toInterface);
  return end == nullptr || end->state == DiagramState::plain ? link.state : end->state;
}

TopologyDiagram diagramFor(const Simulator& sim) {
  const NetworkPicture picture = networkPicture(sim.state.training, sim.state.currentRouter);
  TopologyDiagram diagram{picture.name, picture.title, {}, {}};
  const NetworkView net = networkView(sim);
  if (net.topology == Topology::twoRouters) {
    twoRouterTopology(net, diagram);
  } else {
    const std::string& hostname = sim.state.current.config.hostname;
    labTopology(net, hostname.empty() ? "Router" : hostname, diagram);
  }
  return diagram;
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/simulator.h"
#include "base/training_state.h"

namespace kovrel {

// The network picture of the current scenario, drawn from the live records: every state and
// address comes from the same functions as the interface displays, so the picture and
// `show interfaces` always agree. The renderers turn the same value into SVG or terminal text.

/// Which of the nine network pictures the current scenario shows, and the heading it carries.
/// The diagram drawn for it keeps the picture's name as its identifier.
struct NetworkPicture {
  std::string name;   // "ActivityNetworkDiagram", "troubleShooting2", "twoRouterTopologyB_RouterB"
  std::string title;  // "Troubleshooting 2 and 3", "Troubleshooting 6, RouterB at the console"
};

/// The picture of the current scenario: the troubleshooting scenario (and in the two-router
/// topology the router at the console), the test, or else the lab network. While the two-router
/// topology is active its picture stays, even when flash cards or an information text have
/// replaced the scenario, because that is the network the console still simulates.
NetworkPicture networkPicture(const TrainingState& training, RouterId currentRouter);

/// What a line or an interface shows: the state of the status texts, or `plain` for the parts
/// the student cannot configure (the hosts and the lab's neighbour router), which are always on.
enum class DiagramState { up, down, administrativelyDown, plain };

/// "up", "down", "administratively down"; empty for `plain`.
std::string_view diagramStateText(DiagramState state);

/// One interface of a router in the diagram, as `show interfaces` would report it.
struct DiagramInterface {
  std::string name;     // "Ethernet0", "Serial0", "Serial1"; the neighbour's "serial", "LAN"
  std::string address;  // "192.160.5.1/24"; empty when the interface has no address
  DiagramState state = DiagramState::plain;
};

enum class DiagramNodeKind { router, host, network };

/// Where a node sits. Every variant is the same chain, so every renderer has one fixed place
/// for each: hosts on a LAN, a router, the serial link, a second router, its LAN and hosts.
enum class DiagramPlace {
  leftHost1,
  leftHost2,
  leftNetwork,
  leftRouter,
  rightRouter,
  rightNetwork,
  rightHost1,
  rightHost2,
};

/// A router, a host or a network (LAN) of the picture.
struct DiagramNode {
  DiagramPlace place = DiagramPlace::leftRouter;
  DiagramNodeKind kind = DiagramNodeKind::router;
  std::string label;    // "RouterA", "LAN", "host"
  std::string address;  // a host's address or a network's; empty for a router
  bool atConsole = false;
  std::vector<DiagramInterface> interfaces;  // routers only
};

/// A cable between two nodes. At a router end it names the router's interface; its state is that
/// interface's (on the two-router serial link, the worse of both ends).
struct DiagramLink {
  DiagramPlace from = DiagramPlace::leftRouter;
  DiagramPlace to = DiagramPlace::rightRouter;
  std::string fromInterface;  // empty when `from` is not a router
  std::string toInterface;
  std::string label;  // "serial link 220.155.5.0"
  DiagramState state = DiagramState::plain;
};

/// The whole picture: which one it is, its heading, its nodes and its links.
struct TopologyDiagram {
  std::string variant;  // the picture's name: "ActivityNetworkDiagram", "troubleShooting2" ...
  std::string title;
  std::vector<DiagramNode> nodes;
  std::vector<DiagramLink> links;

  /// The node at a place; every diagram has one at each place.
  const DiagramNode& node(DiagramPlace place) const;
  /// The interface of the router at `place` with that name; nullptr when there is none.
  const DiagramInterface* interface(DiagramPlace place, std::string_view name) const;
  /// The state of one end of a link: its router interface's, or the link's where the end has
  /// none (a host, a LAN, the lab's neighbour). The two ends of the serial link may differ.
  DiagramState endState(const DiagramLink& link, bool fromEnd) const;
};

/// The picture of the current scenario as the records are now.
TopologyDiagram diagramFor(const Simulator& sim);

/// The colours of the picture: on a light or on a dark background.
enum class DiagramPalette { light, dark };

/// A standalone SVG 1.1 document with fixed coordinates, readable at 100 %: links and interfaces
/// coloured by state (up green, down red, administratively down grey) with a legend, the router
/// at the console marked.
std::string renderDiagramSvg(const TopologyDiagram& diagram, DiagramPalette palette);

/// The picture as terminal text, lines ended by "\n", none wider than `width` columns (80 is
/// enough for all of it). Box-drawing characters when `unicode`, plain ASCII otherwise.
std::string renderDiagramText(const TopologyDiagram& diagram, int width, bool unicode);

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/link_messages.h"

#include "base/output.h"
#include "network/interface_status.h"

namespace kovrel {
namespace {

std::string linkMessage(InterfaceNumber number, LinkStatus status) {
  const std::string name = interfaceName(number);
  if (status == LinkStatus::administrativelyDown) {
    return "%LINK-5-CHANGED: Interface " + name + ", changed state to administratively down";
  }
  return "%LINK-3-UPDOWN: Interface " + name + ", changed state to " +
         std::string(linkStatusText(status));
}

std::string protocolMessage(InterfaceNumber number, bool up) {
  return "%LINEPROTO-5-UPDOWN: Line protocol on Interface " + interfaceName(number) +
         ", changed state to " + (up ? "up" : "down");
}

}  // namespace

InterfaceStates interfaceStates(const NetworkView& net) {
  InterfaceStates states;
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    states[number] = {linkStatus(net, number), lineProtocolUp(net, number)};
  }
  return states;
}

std::vector<std::string> linkChangeMessages(const InterfaceStates& before,
                                            const InterfaceStates& after) {
  std::vector<std::string> messages;
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    const InterfaceState& was = before[number];
    const InterfaceState& now = after[number];
    // Opening an interface that no cable reaches changes nothing a router would report.
    const bool quietOpening =
        was.status == LinkStatus::administrativelyDown && now.status == LinkStatus::down;
    if (was.status != now.status && !quietOpening) {
      messages.push_back(linkMessage(number, now.status));
    }
    if (was.protocolUp != now.protocolUp) {
      messages.push_back(protocolMessage(number, now.protocolUp));
    }
  }
  return messages;
}

void noteInterfaceStates(Simulator& sim) {
  RouterState& router = sim.router();
  if (!router.announcedStates) router.announcedStates = interfaceStates(networkView(sim));
}

void announceLinkChanges(Simulator& sim) {
  RouterState& router = sim.router();
  if (!router.announcedStates) return;
  const InterfaceStates now = interfaceStates(networkView(sim));
  const std::vector<std::string> messages = linkChangeMessages(*router.announcedStates, now);
  router.announcedStates = now;
  if (messages.empty()) return;
  const bool synchronous = sim.running().line(TerminalLine::console).loggingSynchronous;
  // Without synchronous logging a message breaks into the line the student is typing.
  if (!synchronous) sim.console.appendOutput("\r\n" + sim.console.input());
  for (const std::string& message : messages) appendConsoleLine(sim, message, false);
  sim.console.refresh();
}

}  // namespace kovrel

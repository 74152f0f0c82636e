// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/cdp_displays.h"

#include "base/output.h"
#include "network/interface_status.h"

namespace kovrel {
namespace {

// CDP is a router-wide switch; every CDP display first asks it.
template <typename Render>
void writeCdpLines(Simulator& sim, Render render) {
  if (!sim.running().cdpRun) {
    writeConsoleLine(sim, kCdpNotEnabled);
    return;
  }
  for (const std::string& line : render()) writeConsoleLine(sim, line);
}

}  // namespace

std::vector<std::string> renderCdpGlobal(const RouterConfig& config) {
  return {
      "Global CDP information:",
      "        Sending CDP packets every " + std::to_string(config.cdpTimer) + " seconds",
      "        Sending a holdtime value of " + std::to_string(config.cdpHoldtime) + " seconds",
  };
}

std::vector<std::string> renderCdpInterface(const NetworkView& net,
                                            InterfaceNumber interfaceNumber) {
  if (!net.own.interface(interfaceNumber).cdpEnable) return {};
  return {
      interfaceStatusLine(net, interfaceNumber),
      interfaceNumber == kEthernet0 ? "  Encapsulation ARPA" : "  Encapsulation HDLC",
      "  Sending CDP packets every " + std::to_string(net.own.cdpTimer) + " seconds",
      "  Holdtime is " + std::to_string(net.own.cdpHoldtime) + " seconds",
  };
}

std::vector<std::string> renderCdpNeighbors(const NetworkView& net) {
  if (net.topology != Topology::lab) return {};
  std::vector<std::string> lines = {
      "Capability Codes: R - Router, T - Trans Bridge, B - Source Route Bridge",
      "                  S - Switch, H - Host, I - IGMP, r - Repeater",
      " ",
      "Device ID        Local Intrfce     Holdtme    Capability  Platform  Port ID",
  };
  if (interfaceUp(net, kSerial0)) {
    lines.push_back("RouterB          Ser   0           150         R          KR-1603   Ser  1");
  }
  return lines;
}

void showCdp(Simulator& sim, std::span<const InterfaceNumber>) {
  writeCdpLines(sim, [&] { return renderCdpGlobal(sim.running()); });
}

void showCdpInterface(Simulator& sim, std::span<const InterfaceNumber> interfaces) {
  writeCdpLines(sim, [&] {
    std::vector<std::string> lines;
    for (InterfaceNumber number : interfaces) {
      for (std::string& line : renderCdpInterface(networkView(sim), number)) {
        lines.push_back(std::move(line));
      }
    }
    return lines;
  });
}

void showCdpNeighbors(Simulator& sim, std::span<const InterfaceNumber>) {
  writeCdpLines(sim, [&] { return renderCdpNeighbors(networkView(sim)); });
}

}  // namespace kovrel

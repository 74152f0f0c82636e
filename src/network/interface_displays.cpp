// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/interface_displays.h"

#include <optional>

#include "base/error_log.h"
#include "base/ip_arithmetic.h"
#include "base/paging.h"
#include "network/interface_status.h"

namespace kovrel {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string addressLine(const InterfaceConfig& interface) {
  return "  Internet address is " + interface.ipAddress + "/" +
         std::to_string(countOneBits(interface.subnetMask));
}

std::string accessGroupText(int group) { return group == 0 ? "not set" : std::to_string(group); }

// The fixed lines of the IP interface display that follow the access lists.
constexpr std::string_view kIpInterfaceFeatures[] = {
    "  Proxy ARP is enabled",
    "  Security level is default",
    "  Split horizon is enabled",
    "  ICMP redirects are always sent",
    "  ICMP unreachables are always sent",
    "  ICMP mask replies are never sent",
    "  IP fast switching is enabled",
    "  IP fast switching on the same interface is disabled",
    "  IP Feature Fast switching turbo vector",
    "  IP multicast fast switching is enabled",
    "  IP multicast distributed fast switching is disabled",
    "  IP route-cache flags are Fast",
    "  Router Discovery is disabled",
    "  IP output packet accounting is disabled",
    "  IP access violation accounting is disabled",
    "  TCP/IP header compression is disabled",
    "  RTP/IP header compression is disabled",
    "  Probe proxy name replies are disabled",
    "  Policy routing is disabled",
    "  Network address translation is disabled",
    "  Web Cache Redirect is disabled",
    "  BGP Policy Mapping is disabled",
};

std::optional<std::string> interfaceClosingText(Simulator& sim) {
  return trapped(
      sim, "process_show_interface", [&] { return sim.database.cmdInfo("show_interface"); },
      std::optional<std::string>());
}

}  // namespace

std::string renderInterfaceDisplay(const NetworkView& net, InterfaceNumber interfaceNumber,
                                   const std::string& closingText) {
  const InterfaceConfig& interface = net.own.interface(interfaceNumber);
  const std::string hardware = "  Hardware is KX-570";
  std::string text = interfaceStatusLine(net, interfaceNumber);
  text += std::string(kLineBreak) + hardware;
  if (!interface.description.empty()) {
    text += std::string(kLineBreak) + "  Description: " + interface.description;
  }
  text += std::string(kLineBreak) + "  MTU 1500 bytes, BW " + std::to_string(interface.bandwidth) +
          " Kbit, DLY 20000 usec, rely 255/255, load 1/255";
  text += std::string(kLineBreak) +
          (interfaceNumber == kEthernet0 ? "  Encapsulation ARPA" : "  Encapsulation HDLC") +
          ", loopback not set, keepalive set (" + std::to_string(interface.keepalive) + " sec)";
  text += std::string(kLineBreak) + hardware;
  if (!interface.ipAddress.empty()) text += std::string(kLineBreak) + addressLine(interface);
  return text + std::string(kLineBreak) + closingText + std::string(kLineBreak);
}

std::string showIpInterface(const NetworkView& net, InterfaceNumber interfaceNumber) {
  const InterfaceConfig& interface = net.own.interface(interfaceNumber);
  std::string text = std::string(kLineBreak) + interfaceStatusLine(net, interfaceNumber);
  auto line = [&text](std::string_view content) {
    text += kLineBreak;
    text += content;
  };
  if (interface.ipAddress.empty()) {
    line("  Internet protocol processing disabled");
    return text;
  }
  line(addressLine(interface));
  line("  Broadcast address is 255.255.255.255");
  line("  Address determined by setup command");
  line("  MTU is 1500 bytes");
  line("  Helper address is not set");
  line("  Directed broadcast forwarding is disabled");
  line("  Outgoing access list is " + accessGroupText(interface.accessGroupOut));
  line("  Inbound  access list is " + accessGroupText(interface.accessGroupIn));
  for (std::string_view feature : kIpInterfaceFeatures) line(feature);
  return text;
}

std::string renderProtocolSummary(const NetworkView& net) {
  std::string text = "Global values:";
  if (net.own.ipRouting) text += "\r\n  Internet Protocol routing is enabled";
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    text += std::string(kLineBreak) + interfaceStatusLine(net, number);
    const InterfaceConfig& interface = net.own.interface(number);
    if (!interface.ipAddress.empty()) text += std::string(kLineBreak) + addressLine(interface);
  }
  return text;
}

std::string interfaceDisplay(Simulator& sim, InterfaceNumber interfaceNumber) {
  const std::optional<std::string> closingText = interfaceClosingText(sim);
  if (!closingText) return {};
  return renderInterfaceDisplay(networkView(sim), interfaceNumber, *closingText);
}

void showInterfaces(Simulator& sim, std::span<const InterfaceNumber> interfaces) {
  std::string text;
  for (InterfaceNumber number : interfaces) text += interfaceDisplay(sim, number);
  writePaged(sim, text);
}

void showIpInterfaces(Simulator& sim, std::span<const InterfaceNumber> interfaces) {
  std::string text;
  for (InterfaceNumber number : interfaces) text += showIpInterface(networkView(sim), number);
  writePaged(sim, text);
}

void showProtocols(Simulator& sim, std::span<const InterfaceNumber>) {
  writePaged(sim, renderProtocolSummary(networkView(sim)));
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/link_displays.h"

#include <cstdio>

#include "base/ip_arithmetic.h"
#include "base/paging.h"
#include "network/interface_status.h"

namespace kovrel {
namespace {

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string briefRow(const NetworkView& net, InterfaceNumber number) {
  const InterfaceConfig& interface = net.own.interface(number);
  const bool addressed = !interface.ipAddress.empty();
  return padded(interfaceName(number), 27) +
         padded(addressed ? interface.ipAddress : "unassigned", 16) + "YES " +
         padded(addressed ? "manual" : "unset", 7) +
         padded(std::string(linkStatusText(linkStatus(net, number))), 22) +
         (lineProtocolUp(net, number) ? "up" : "down");
}

// The end of the serial cable at an interface: the clocking end of the lab router's link and of
// RouterA's Serial0, the receiving end of RouterB's Serial1.
enum class CableEnd { none, dce, dte };

CableEnd cableEnd(const NetworkView& net, InterfaceNumber serial) {
  if (!cableAttached(net, serial)) return CableEnd::none;
  const bool receiving = net.topology == Topology::twoRouters && net.currentRouter == RouterId::b;
  return receiving ? CableEnd::dte : CableEnd::dce;
}

std::string hexGroups(const unsigned char (&bytes)[6]) {
  char text[15];
  std::snprintf(text, sizeof text, "%02x%02x.%02x%02x.%02x%02x", bytes[0], bytes[1], bytes[2],
                bytes[3], bytes[4], bytes[5]);
  return text;
}

std::string arpRow(const std::string& address, const std::string& age,
                   const std::string& hardware) {
  return "Internet  " + padded(address, 17) + padded(std::string(9 - age.size(), ' ') + age, 11) +
         padded(hardware, 16) + "ARPA   Ethernet0";
}

}  // namespace

std::string renderInterfaceBrief(const NetworkView& net) {
  std::string text =
      "Interface                  IP-Address      OK? Method Status                Protocol";
  for (InterfaceNumber number : {kEthernet0, kSerial0, kSerial1}) {
    text += "\r\n" + briefRow(net, number);
  }
  return text;
}

std::string renderSerialController(const NetworkView& net, InterfaceNumber serial) {
  const InterfaceConfig& interface = net.own.interface(serial);
  std::string text = "Interface " + interfaceName(serial) + "\r\nHardware is KX-570\r\n";
  switch (cableEnd(net, serial)) {
    case CableEnd::none:
      return text + "No serial cable attached";
    case CableEnd::dte:
      return text + "DTE V.35 TX and RX clocks detected.";
    case CableEnd::dce:
      break;
  }
  if (interface.clockRate == 0) return text + "DCE V.35, no clock";
  return text + "DCE V.35, clock rate " + std::to_string(interface.clockRate);
}

std::string routerHardwareAddress(RouterId router, InterfaceNumber number) {
  // The locally administered bit keeps these addresses clear of every maker's.
  const unsigned char bytes[6] = {0x02,
                                  0x00,
                                  0x4b,
                                  0x52,
                                  static_cast<unsigned char>(router == RouterId::a ? 0x0a : 0x0b),
                                  static_cast<unsigned char>(0x10 + number)};
  return hexGroups(bytes);
}

std::string hostHardwareAddress(std::string_view address) {
  const std::uint32_t value = parseDottedQuad(address).value_or(0);
  const unsigned char bytes[6] = {0x02,
                                  0x10,
                                  static_cast<unsigned char>(value >> 24),
                                  static_cast<unsigned char>(value >> 16),
                                  static_cast<unsigned char>(value >> 8),
                                  static_cast<unsigned char>(value)};
  return hexGroups(bytes);
}

std::string renderArpTable(const NetworkView& net, const std::vector<std::string>& answered) {
  std::string text = "Protocol  Address          Age (min)  Hardware Addr   Type   Interface";
  const InterfaceConfig& lan = net.own.ethernet0;
  if (lan.ipAddress.empty() || !interfaceUp(net, kEthernet0)) return text;
  text += "\r\n" + arpRow(lan.ipAddress, "-", routerHardwareAddress(net.currentRouter, kEthernet0));
  for (const std::string& host : answered) {
    text += "\r\n" + arpRow(host, "0", hostHardwareAddress(host));
  }
  return text;
}

void showInterfaceBrief(Simulator& sim, std::span<const InterfaceNumber>) {
  writePaged(sim, renderInterfaceBrief(networkView(sim)));
}

void showSerialControllers(Simulator& sim, std::span<const InterfaceNumber> interfaces) {
  std::string text;
  for (InterfaceNumber serial : interfaces) {
    if (!text.empty()) text += "\r\n";
    text += renderSerialController(networkView(sim), serial);
  }
  writePaged(sim, text);
}

void showArp(Simulator& sim, std::span<const InterfaceNumber>) {
  writePaged(sim, renderArpTable(networkView(sim), sim.router().arpEntries));
}

}  // namespace kovrel

#include <gtest/gtest.h>

#include "config_cases.h"

namespace kovrel {
namespace {

using testing::kIncomplete;
using testing::kInvalid;

std::string selection(const RouterState& r) { return r.currentInterface + " " + r.prompt; }
std::string description(const RouterState& r) { return r.config.serial0.description; }
std::string address(const RouterState& r) {
  return r.config.serial0.ipAddress + "/" + r.config.serial0.subnetMask;
}
std::string groups(const RouterState& r) {  // inbound/outbound
  return std::to_string(r.config.serial0.accessGroupIn) + "/" +
         std::to_string(r.config.serial0.accessGroupOut);
}
std::string numbers(const RouterState& r) {  // keepalive, bandwidth, clock rate
  const InterfaceConfig& serial = r.config.serial0;
  return std::to_string(serial.keepalive) + " " + std::to_string(serial.bandwidth) + " " +
         std::to_string(serial.clockRate);
}
std::string flags(const RouterState& r) {  // shutdown, interface CDP, CDP, and the prompt
  return std::to_string(r.config.serial0.shutdown) + std::to_string(r.config.serial0.cdpEnable) +
         std::to_string(r.config.cdpRun) + " " + r.prompt;
}

TEST(InterfaceCommands, SelectionTakesEveryShortForm) {
  const std::string selected = "Router(config-if)#";
  testing::checkCases({
      {{}, "interface serial 0", "", selection, "0 " + selected},
      {{}, "INT S0", "", selection, "0 " + selected},
      {{}, "int s1", "", selection, "1 " + selected},
      {{}, "interface s 1", "", selection, "1 " + selected},
      {{}, "int e0", "", selection, "2 " + selected},
      {{}, "interface E 0", "", selection, "2 " + selected},
      {{}, "int   ethernet   0", "", selection, "2 " + selected},
      {{}, "interface ethernet0", kInvalid},
      {{}, "interface serial", kIncomplete},
      {{}, "interface", kIncomplete},
      {{}, "int", kInvalid},  // only "int" followed by a word stands for "interface"
  });
}

TEST(InterfaceCommands, DescriptionAddressAndGroups) {
  const std::string eighty(80, 'd');
  testing::checkCases(
      {
          {{}, "description Link  To HQ", "", description, "link to hq"},
          {{"description old"}, "description", "", description, ""},
          {{}, "description " + eighty, "", description, eighty},
          {{}, "description " + eighty + "d", kInvalid},
          {{}, "ip address 10.1.1.1 255.255.255.0", "", address, "10.1.1.1/255.255.255.0"},
          {{}, "ip address 010.1.1.1 255.255.255.0", "", address, "010.1.1.1/255.255.255.0"},
          {{"ip address 10.1.1.1 255.255.255.0"},  // its own network is no overlap
           "ip address 10.1.1.9 255.255.255.0",
           "",
           address,
           "10.1.1.9/255.255.255.0"},
          {{"ip address 10.1.2.1 255.255.255.0", "exit", "int e0"},
           "ip address 10.1.2.2 255.255.255.0",
           "\n10.1.2.0 overlaps with Serial 0"},
          {{}, "ip address 10.1.1.1", kIncomplete},
          {{}, "ip address 10.1.1", kInvalid},
          {{}, "ip address 10.1.1.1 255.255.255.255", kInvalid},
          {{}, "ip address", kIncomplete},
          {{}, "ip", kIncomplete},
          {{}, "ip access-group 5", "", groups, "0/5"},
          {{}, "ip access-group 7 out", "", groups, "0/7"},
          {{}, "ip access-group 99 in", "", groups, "99/0"},
          {{}, "ip access-group 100 in", kInvalid},
          {{}, "ip access-group 5 sideways", kInvalid},
          {{}, "ip access-group", kIncomplete},
      },
      {"interface serial 0"});
}

TEST(InterfaceCommands, NumericSettings) {
  testing::checkCases(
      {
          {{}, "keepalive 0", "", numbers, "0 1544 0"},
          {{}, "keepalive 32767", "", numbers, "32767 1544 0"},
          {{}, "keepalive 32768", kInvalid},
          {{}, "keepalive", kIncomplete},
          {{}, "bandwidth 1", "", numbers, "10 1 0"},
          {{}, "bandwidth 10000000", "", numbers, "10 10000000 0"},
          {{}, "bandwidth 0", kInvalid},
          {{}, "bandwidth 10000001", kInvalid},
          {{}, "clock rate 64000", "", numbers, "10 1544 64000"},
          {{}, "clock rate 4000000", "", numbers, "10 1544 4000000"},
          {{}, "clock rate 64001", "\nUnknown clock rate"},
          {{}, "clock rate 200", kInvalid},
          {{}, "clock rate 12345678", kInvalid},
          {{}, "clock rate", kIncomplete},
          {{}, "clock speed 64000", kInvalid},
      },
      {"interface serial 0"});
  testing::checkCases({{{}, "clock rate 64000", kInvalid}, {{}, "no clock rate", kInvalid}},
                      {"interface ethernet 0"});
}

TEST(InterfaceCommands, ShutdownCdpAndNoForms) {
  const std::string inInterface = " Router(config-if)#";
  const std::vector<std::string> bothGroups = {"ip access-group 5 in", "ip access-group 6"};
  testing::checkCases(
      {
          {{"no shutdown"}, "shutdown", "", flags, "111" + inInterface},
          {{}, "shutdown now", kInvalid},
          {{}, "no shutdown", "", flags, "011" + inInterface},
          {{"no cdp enable"}, "cdp enable", "", flags, "111" + inInterface},
          {{}, "no cdp enable", "", flags, "101" + inInterface},
          {{"exit", "no cdp run", "int s0"}, "cdp run", "", flags, "111 Router#"},
          {{}, "no cdp run", "", flags, "110 Router#"},
          {{}, "cdp", kIncomplete},
          {{}, "cdp timer 60", kInvalid},
          {{"ip address 10.1.1.1 255.255.255.0"}, "no ip address", "", address, "/255.255.255.0"},
          {bothGroups, "no ip access-group in", "", groups, "0/6"},
          {bothGroups, "no ip access-group out", "", groups, "5/0"},
          {bothGroups, "no ip access-group 9 out", "", groups, "5/0"},
          {{"ip access-group 5"}, "no ip access-group 5", kInvalid},
          {{"ip access-group 5"}, "no ip access-group 100 out", kInvalid},
          {{"ip access-group 5"}, "no ip access-group 5 sideways", kInvalid},
          {{}, "no ip access-group", kIncomplete},
          {{"clock rate 64000"}, "no clock rate", "", numbers, "10 1544 0"},
          {{}, "no description", kInvalid},
          {{}, "no", kIncomplete},
          {{}, "no clock", kIncomplete},
      },
      {"interface serial 0"});
}

}  // namespace
}  // namespace kovrel

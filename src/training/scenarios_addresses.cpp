// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/scenarios_addresses.h"

#include <array>

namespace kovrel {
namespace {

// One row per set, the addresses in the order of `AddressSet`; nullptr leaves an address as it is.
struct AddressRow {
  AddressSetName set;
  std::array<const char*, 10> values;
};

constexpr const char* kMask = "255.255.255.0";

constexpr AddressRow kAddressSets[] = {
    {AddressSetName::lab,
     {"192.160.5.6", "192.160.5.5", "192.54.5.15", "192.54.5.20", "192.160.5.0", "220.155.5.2",
      "192.54.5.1", kMask, "220.155.5.0", nullptr}},
    {AddressSetName::test3,
     {"220.14.5.2", "220.14.5.4", "194.4.5.5", "194.4.5.13", "220.14.5.0", "194.23.2.2",
      "194.4.5.1", kMask, "194.23.2.0", nullptr}},
    {AddressSetName::troubleshooting1,
     {"128.16.31.5", "128.16.31.6", "132.104.15.15", "124.34.25.20", "128.16.0.0", "121.43.38.22",
      "192.42.37.1", kMask, "220.52.57.0", nullptr}},
    {AddressSetName::troubleshooting2And3,
     {"192.34.6.3", "192.34.6.4", "204.5.13.8", "204.5.13.9", "192.34.6.0", "196.101.5.2",
      "204.5.13.1", kMask, "196.101.5.0", nullptr}},
    {AddressSetName::troubleshooting4And5,
     {"202.16.92.6", "202.16.92.7", "220.14.5.2", "220.14.5.3", "202.16.92.0", nullptr, nullptr,
      nullptr, nullptr, "220.14.5.0"}},
    {AddressSetName::troubleshooting6,
     {"204.5.62.12", "204.5.62.13", "208.109.1.12", "208.109.1.14", "204.5.62.0", nullptr, nullptr,
      nullptr, nullptr, "208.109.1.0"}},
    {AddressSetName::troubleshooting7,
     {"172.20.8.5", "172.20.8.6", "210.7.4.10", "210.7.4.11", "172.20.0.0", "199.8.2.2",
      "210.7.4.1", kMask, "199.8.2.0", nullptr}},
    {AddressSetName::test4,
     {"200.61.1.10", "200.61.1.11", "200.62.1.10", "200.62.1.11", "200.61.1.0", nullptr, nullptr,
      nullptr, nullptr, "200.62.1.0"}},
    {AddressSetName::test6,
     {"10.6.1.10", "10.6.1.11", "10.6.2.10", "10.6.2.11", "10.6.1.0", nullptr, nullptr, nullptr,
      nullptr, "10.6.2.0"}},
    {AddressSetName::troubleshooting9,
     {"172.16.1.10", "172.16.1.11", "172.16.2.10", "172.16.2.11", "172.16.1.0", nullptr, nullptr,
      nullptr, nullptr, "172.16.2.0"}},
    {AddressSetName::troubleshooting10,
     {"10.20.1.10", "10.20.1.11", "10.20.2.10", "10.20.2.11", "10.20.1.0", nullptr, nullptr,
      nullptr, nullptr, "10.20.2.0"}},
    {AddressSetName::troubleshooting11,
     {"192.168.50.10", "192.168.50.11", "192.168.60.10", "192.168.60.11", "192.168.50.0", nullptr,
      nullptr, nullptr, nullptr, "192.168.60.0"}},
    {AddressSetName::troubleshooting12,
     {"10.30.1.10", "10.30.1.11", "10.30.2.10", "10.30.2.11", "10.30.1.0", nullptr, nullptr,
      nullptr, nullptr, "10.30.2.0"}},
    {AddressSetName::twoRouterLabs,
     {"192.168.10.10", "192.168.10.11", "192.168.20.10", "192.168.20.11", "192.168.10.0", nullptr,
      nullptr, nullptr, nullptr, "192.168.20.0"}},
    {AddressSetName::troubleshooting8,
     {"201.10.4.10", "201.10.4.11", "203.7.9.20", "203.7.9.21", "201.10.4.0", nullptr, nullptr,
      nullptr, nullptr, "203.7.9.0"}},
};

// Troubleshooting scenarios in menu order.
constexpr TroubleshootingNetwork kTroubleshootingNetworks[] = {
    {Topology::lab, AddressSetName::troubleshooting1},
    {Topology::lab, AddressSetName::troubleshooting2And3},
    {Topology::lab, AddressSetName::troubleshooting2And3},
    {Topology::twoRouters, AddressSetName::troubleshooting4And5},
    {Topology::twoRouters, AddressSetName::troubleshooting4And5},
    {Topology::twoRouters, AddressSetName::troubleshooting6},
    {Topology::lab, AddressSetName::troubleshooting7},
    {Topology::twoRouters, AddressSetName::troubleshooting8},
    {Topology::twoRouters, AddressSetName::troubleshooting9},
    {Topology::twoRouters, AddressSetName::troubleshooting10},
    {Topology::twoRouters, AddressSetName::troubleshooting11},
    {Topology::twoRouters, AddressSetName::troubleshooting12},
};

std::array<std::string*, 10> fieldsOf(AddressSet& addresses) {
  return {&addresses.lanHost1,        &addresses.lanHost2,   &addresses.remoteHost1,
          &addresses.remoteHost2,     &addresses.lanNetwork, &addresses.neighbourSerialAddress,
          &addresses.remoteGateway,   &addresses.remoteMask, &addresses.serialNetwork,
          &addresses.remoteLanNetwork};
}

}  // namespace

void applyAddressSet(AddressSet& addresses, AddressSetName set) {
  for (const AddressRow& row : kAddressSets) {
    if (row.set != set) continue;
    const std::array<std::string*, 10> fields = fieldsOf(addresses);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (row.values[i] != nullptr) *fields[i] = row.values[i];
    }
  }
}

TroubleshootingNetwork troubleshootingNetwork(int scenario) {
  if (scenario < 1 || scenario > troubleshootingCount()) scenario = 1;
  return kTroubleshootingNetworks[static_cast<std::size_t>(scenario - 1)];
}

AddressSetName testAddressSet(int test) {
  switch (test) {
    case 3:
      return AddressSetName::test3;
    case 4:
      return AddressSetName::test4;
    case 6:
      return AddressSetName::test6;
    default:
      return AddressSetName::lab;
  }
}

int troubleshootingCount() { return static_cast<int>(std::size(kTroubleshootingNetworks)); }

}  // namespace kovrel

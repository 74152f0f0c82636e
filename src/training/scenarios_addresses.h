// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/training_state.h"

namespace kovrel {

/// The address sets of the scenarios. Every lab and tests 1 and 2 share the lab set; the
/// troubleshooting sets of the two-router topology change only the addresses that topology reads.
enum class AddressSetName {
  lab,
  test3,
  troubleshooting1,
  troubleshooting2And3,
  troubleshooting4And5,
  troubleshooting6,
  troubleshooting7,
  troubleshooting8,
  troubleshooting9,
  troubleshooting10,
  troubleshooting11,
  troubleshooting12,
  twoRouterLabs,
  test4,
  test6,
};

/// Puts a set's addresses in place; addresses the set does not name keep their values.
void applyAddressSet(AddressSet& addresses, AddressSetName set);

/// Where a troubleshooting scenario takes place: its topology and its address set.
struct TroubleshootingNetwork {
  Topology topology;
  AddressSetName addresses;
};

/// The network of troubleshooting scenario 1 to `troubleshootingCount()`; that of scenario 1 for
/// any other number.
TroubleshootingNetwork troubleshootingNetwork(int scenario);

/// The address set of test `test`: the lab set unless the test has its own network.
AddressSetName testAddressSet(int test);

/// How many troubleshooting scenarios there are.
int troubleshootingCount();

}  // namespace kovrel

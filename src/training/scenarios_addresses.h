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
};

/// Puts a set's addresses in place; addresses the set does not name keep their values.
void applyAddressSet(AddressSet& addresses, AddressSetName set);

/// The set of troubleshooting scenario 1 to 6.
AddressSetName troubleshootingAddressSet(int scenario);

}  // namespace kovrel

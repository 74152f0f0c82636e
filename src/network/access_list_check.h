// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/router_records.h"

namespace kovrel {

/// Whether the standard access list `groupNumber` of `router` denies packets from `target`. A
/// router without any access-list entries, and group 0 (no list applied), deny nothing; otherwise
/// the first entry of that list that covers the target decides, and a target no entry covers (a
/// list without entries included) is denied.
bool accessListDenies(int groupNumber, std::string_view target, const RouterConfig& router);

}  // namespace kovrel

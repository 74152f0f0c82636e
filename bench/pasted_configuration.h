// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kovrel::bench {

/// About 100 KB of configuration in some 2,200 lines, as a student might paste it, typed from
/// privileged mode: interfaces, access lists and host names, with a look at the running
/// configuration every ten blocks.
inline std::string pastedConfiguration() {
  std::string text = "configure terminal\n";
  for (int block = 0; text.size() < 100'000; ++block) {
    const std::string net = std::to_string(block % 250);
    text += "interface ethernet 0\n description office network " + net + " on the ground floor\n";
    text += " ip address 10." + net + ".1.1 255.255.255.0\n no shutdown\n exit\n";
    text += "access-list 10 permit 10." + net + ".0.0 0.0.255.255\n";
    text += "ip host server" + net + " 10." + net + ".1.20\n";
    if (block % 10 == 9) text += "end\nshow running-config\nconfigure terminal\n";
  }
  return text + "end\n";
}

}  // namespace kovrel::bench

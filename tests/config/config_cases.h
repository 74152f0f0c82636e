#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace kovrel::testing {

inline const std::string kInvalid = "\n \n% Invalid input detected at '^' marker.";
inline const std::string kIncomplete = "\n% Incomplete command.\n ";

/// One configuration line: the lines typed before it, the reply it gets and a look at the state
/// it leaves. A case without a look must leave the running configuration as it found it.
struct ConfigCase {
  std::vector<std::string> setup;
  std::string line;
  std::string reply;
  std::function<void(const RouterState&)> expect;
};

/// Types each case on a fresh router in global configuration mode, after `commonSetup`.
inline void checkCases(const std::vector<ConfigCase>& cases,
                       const std::vector<std::string>& commonSetup = {}) {
  for (const ConfigCase& c : cases) {
    SCOPED_TRACE("line: " + c.line);
    SimulatorFixture f;
    f.startSession(CliMode::conf);
    for (const std::string& line : commonSetup) f.enter(line);
    for (const std::string& line : c.setup) f.enter(line);
    f.newOutput();
    const std::string prompt = f.prompt();
    const RouterConfig before = f.running();
    f.enter(c.line);
    EXPECT_EQ(f.newOutput(), "\n" + prompt + c.line + c.reply);
    if (c.expect) {
      c.expect(f.sim.router());
    } else {
      EXPECT_EQ(f.running(), before);
    }
  }
}

}  // namespace kovrel::testing

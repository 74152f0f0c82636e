#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace kovrel::testing {

inline const std::string kInvalid = "\n \n% Invalid input detected at '^' marker.";
inline const std::string kIncomplete = "\n% Incomplete command.\n ";

/// A look at the part of a router's state a case is about, as text.
using StateLook = std::string (*)(const RouterState&);

/// One configuration line: the lines typed before it, the reply it gets and what a look at the
/// state shows afterwards. A case without a look must leave the running configuration unchanged.
struct ConfigCase {
  std::vector<std::string> setup;
  std::string line;
  std::string reply;
  StateLook look = nullptr;
  std::string expected = {};
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
    if (c.look != nullptr) {
      EXPECT_EQ(c.look(f.sim.router()), c.expected);
    } else {
      EXPECT_EQ(f.running(), before);
    }
  }
}

/// Items of a list as one text, blank-separated.
template <typename Items, typename Show>
std::string listed(const Items& items, Show show) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : " ") + show(item);
  return text;
}

}  // namespace kovrel::testing

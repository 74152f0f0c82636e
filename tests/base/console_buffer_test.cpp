// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/console_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_platform.h"

namespace kovrel::testing {
namespace {

std::size_t lineCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// A long session, and each router switch that hands a console back, must not grow without end.
TEST(ConsoleBuffer, KeepsTheLastScrollbackLinesOfOutput) {
  FakePlatform platform;
  ConsoleBuffer console(platform);
  console.replaceOutput("boot");
  for (int i = 1; i <= 5000; ++i) console.appendOutput("\r\nline " + std::to_string(i));
  EXPECT_EQ(lineCount(console.output()), kScrollbackLines);
  EXPECT_TRUE(console.output().starts_with("line 3001\r\n")) << console.output().substr(0, 20);
  EXPECT_TRUE(console.output().ends_with("\r\nline 5000"));

  std::string parked = "first";
  for (int i = 0; i < 4000; ++i) parked += "\r\n";
  console.replaceOutput(parked + "last");
  EXPECT_EQ(lineCount(console.output()), kScrollbackLines);
  EXPECT_TRUE(console.output().ends_with("\r\n\r\nlast"));
}

}  // namespace
}  // namespace kovrel::testing

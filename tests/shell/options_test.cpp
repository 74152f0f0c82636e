// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/options.h"

#include <gtest/gtest.h>

#include <ctime>

namespace kovrel::terminal {
namespace {

TEST(Options, ReadsEveryOptionInBothSpellings) {
  const ParsedOptions parsed =
      parseOptions({"--db", "/tmp/lessons.db", "--page-length=10", "--seed", "4294967295", "--ansi",
                    "--batch", "--test", "2"});
  ASSERT_FALSE(parsed.exitStatus) << parsed.standardError;
  EXPECT_EQ(parsed.options.databasePath, "/tmp/lessons.db");
  EXPECT_EQ(parsed.options.pageLength, 10);
  EXPECT_EQ(parsed.options.seed, 4294967295u);
  EXPECT_TRUE(parsed.options.ansi && parsed.options.batch);
  EXPECT_EQ(parsed.options.firstActivity, FirstActivity::test);
  EXPECT_EQ(parsed.options.firstActivityKey, "2");
  EXPECT_EQ(parseOptions({"--db=x.db"}).options.databasePath, "x.db");
  EXPECT_EQ(parseOptions({"--lab=ROUTERmodes"}).options.firstActivityKey, "routerModes");
  // The router shows the local time it was set to.
  const auto clockStart = parseOptions({"--clock=2026-02-28T23:59:58"}).options.clockStart;
  ASSERT_TRUE(clockStart);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(*clockStart);
  char shown[32];
  std::strftime(shown, sizeof shown, "%Y-%m-%d %H:%M:%S", std::localtime(&seconds));
  EXPECT_STREQ(shown, "2026-02-28 23:59:58");
  // The first and last moments the clock takes.
  EXPECT_TRUE(parseOptions({"--clock=1993-01-01T00:00:00"}).options.clockStart);
  EXPECT_TRUE(parseOptions({"--clock=2099-12-31T23:59:59"}).options.clockStart);
}

TEST(Options, HelpAndVersionPrintAndEndWithStatusZero) {
  const ParsedOptions help = parseOptions({"--batch", "--help"});
  EXPECT_EQ(help.exitStatus, 0);
  // Every description starts in one column and every line fits 80 columns.
  const std::string& text = help.standardOutput;
  const std::size_t column =
      text.find("start with test") - text.rfind('\n', text.find("start with test")) - 1;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = text.substr(start, end - start);
    EXPECT_LE(line.size(), 80U) << line;
    if (line.starts_with("  ")) {
      EXPECT_TRUE(line[column - 1] == ' ' && line[column] != ' ') << line;
    }
  }
  EXPECT_TRUE(parseOptions({"--version"}).standardOutput.starts_with("kovrel-term "));
}

TEST(Options, BadOptionsEndWithStatusTwoAndSayWhy) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"lessons.db"}, "unexpected argument 'lessons.db'"},
      {{"--db="}, "--db needs a file name"},
      {{"--page-length", "0"}, "--page-length needs a whole number from 1 to 32767, not '0'"},
      {{"--page-length", "32768"}, "not '32768'"},
      {{"--page-length", "12abc"}, "not '12abc'"},
      {{"--seed", "4294967296"}, "--seed needs a whole number from 0 to 4294967295"},
      {{"--ansi=yes"}, "--ansi takes no value"},
      {{"--batch", "--page-length"}, "--page-length needs a value (N)"},
      {{"--test", "9"}, "--test needs a number from 1 to 6, not '9'"},
      {{"--troubleshooting", "0"}, "--troubleshooting needs a number from 1 to 12, not '0'"},
      {{"--lab="}, "--lab needs a lab's key, number or caption, not ''"},
      {{"--lab", "99"}, "not '99'"},
      {{"--columns", "19"}, "--columns needs a whole number from 20 to 1000, not '19'"},
      {{"--clock", "2026-02-29T10:00:00"},
       "--clock needs a date and time from 1993 to 2099 as YYYY-MM-DDTHH:MM:SS"},
      {{"--clock", "1992-12-31T23:59:59"}, "not '1992-12-31T23:59:59'"},
      {{"--clock", "2100-01-01T00:00:00"}, "not '2100-01-01T00:00:00'"},
      {{"--clock", "2263-01-01T00:00:00"}, "not '2263-01-01T00:00:00'"},
      {{"--clock", "+999-01-01T00:00:00"}, "not '+999-01-01T00:00:00'"},
      {{"--clock", "2026-12-06 10:00:00"}, "not '2026-12-06 10:00:00'"},
      {{"--clock", "2026-12-06T24:00:00"}, "not '2026-12-06T24:00:00'"},
  };
  for (const auto& [arguments, message] : cases) {
    const ParsedOptions parsed = parseOptions(arguments);
    EXPECT_EQ(parsed.exitStatus, 2) << message;
    EXPECT_EQ(parsed.standardOutput, "") << message;
    EXPECT_NE(parsed.standardError.find(message), std::string::npos) << parsed.standardError;
    EXPECT_TRUE(parsed.standardError.starts_with("kovrel-term: ")) << parsed.standardError;
    EXPECT_NE(parsed.standardError.find("--help"), std::string::npos);
  }
}

}  // namespace
}  // namespace kovrel::terminal

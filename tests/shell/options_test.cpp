#include "shell/terminal/options.h"

#include <gtest/gtest.h>

namespace kovrel::terminal {
namespace {

TEST(Options, DefaultsLeaveTheChoicesToTheRun) {
  const ParsedOptions parsed = parseOptions({});
  EXPECT_FALSE(parsed.exitStatus);
  EXPECT_EQ(parsed.options.databasePath, "");
  EXPECT_FALSE(parsed.options.pageLength);
  EXPECT_FALSE(parsed.options.seed);
  EXPECT_FALSE(parsed.options.ansi);
  EXPECT_FALSE(parsed.options.batch);
}

TEST(Options, ReadsEveryOptionInBothSpellings) {
  const ParsedOptions parsed = parseOptions(
      {"--db", "/tmp/lessons.db", "--page-length=10", "--seed", "4294967295", "--ansi", "--batch"});
  ASSERT_FALSE(parsed.exitStatus) << parsed.standardError;
  EXPECT_EQ(parsed.options.databasePath, "/tmp/lessons.db");
  EXPECT_EQ(parsed.options.pageLength, 10);
  EXPECT_EQ(parsed.options.seed, 4294967295u);
  EXPECT_TRUE(parsed.options.ansi);
  EXPECT_TRUE(parsed.options.batch);
  EXPECT_EQ(parseOptions({"--db=x.db"}).options.databasePath, "x.db");
}

TEST(Options, HelpAndVersionPrintAndEndWithStatusZero) {
  const ParsedOptions help = parseOptions({"--batch", "--help"});
  EXPECT_EQ(help.exitStatus, 0);
  for (const char* name : {"--db", "--page-length", "--seed", "--ansi", "--batch", "--version"}) {
    EXPECT_NE(help.standardOutput.find(name), std::string::npos) << name;
  }
  const ParsedOptions version = parseOptions({"--version"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_TRUE(version.standardOutput.starts_with("kovrel-term ")) << version.standardOutput;
  EXPECT_EQ(version.standardError, "");
}

struct BadCase {
  std::vector<std::string> arguments;
  std::string message;  // must appear in the error text
};

TEST(Options, BadOptionsEndWithStatusTwoAndSayWhy) {
  const std::vector<BadCase> cases = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"-x"}, "unknown option '-x'"},
      {{"lessons.db"}, "unexpected argument 'lessons.db'"},
      {{"--db"}, "--db needs a value (PATH)"},
      {{"--db="}, "--db needs a file name"},
      {{"--page-length", "0"}, "--page-length needs a whole number from 1 to 32767, not '0'"},
      {{"--page-length", "-3"}, "not '-3'"},
      {{"--page-length", "32768"}, "not '32768'"},
      {{"--page-length", "12abc"}, "not '12abc'"},
      {{"--page-length", ""}, "not ''"},
      {{"--seed", "4294967296"}, "--seed needs a whole number from 0 to 4294967295"},
      {{"--seed", "-1"}, "not '-1'"},
      {{"--ansi=yes"}, "--ansi takes no value"},
      {{"--batch", "--page-length"}, "--page-length needs a value (N)"},
  };
  for (const BadCase& entry : cases) {
    const ParsedOptions parsed = parseOptions(entry.arguments);
    EXPECT_EQ(parsed.exitStatus, 2) << entry.message;
    EXPECT_EQ(parsed.standardOutput, "") << entry.message;
    EXPECT_NE(parsed.standardError.find(entry.message), std::string::npos) << parsed.standardError;
    EXPECT_TRUE(parsed.standardError.starts_with("kovrel-term: ")) << parsed.standardError;
    EXPECT_NE(parsed.standardError.find("--help"), std::string::npos);
  }
}

}  // namespace
}  // namespace kovrel::terminal

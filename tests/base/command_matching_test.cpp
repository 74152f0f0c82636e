// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/command_matching.h"

#include <gtest/gtest.h>

#include <clocale>

namespace kovrel {
namespace {

TEST(NormalizeTest, StripsPromptTrimsLowersAndCollapses) {
  const struct {
    const char* prompt;
    const char* line;
    const char* expected;
  } cases[] = {
      {"Router>", "Router>  Show   IP  ", "show ip"},
      {"Router#", "Router#     ", ""},
      {"", "  Hello  World ", "hello world"},
      // A line without its prompt loses the prompt's length less one.
      {"Router#", "abcdefshow", "show"},
      {"Password: ", "Password: SeCreT ", "secret"},
      // Tabs are ordinary characters inside words.
      {"R>", "R>a\tb  c", "a\tb c"},
  };
  for (const auto& c : cases) EXPECT_EQ(normalizeCommandLine(c.line, c.prompt), c.expected);
}

// Only A-Z fold: under a single-byte locale the C library would fold the byte of a capital umlaut.
TEST(LowerCaseTest, FoldsAsciiLettersOnlyWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_CTYPE, nullptr);
  for (const char* name : {"de_DE.ISO-8859-1", "de_DE.iso88591", "en_US.ISO-8859-1", "C"}) {
    if (std::setlocale(LC_CTYPE, name) != nullptr) break;
  }
  EXPECT_EQ(toLower("SHOW \xC4\xD6 Run"), "show \xC4\xD6 run");
  std::setlocale(LC_CTYPE, saved.c_str());
}

TEST(MatchTest, ComparesWordByWord) {
  const struct {
    const char* line;
    const char* pattern;
    MatchResult expected;
  } cases[] = {
      {"  END  ", "end", MatchResult::match},
      {"en", "end", MatchResult::mismatch},
      {"", "end", MatchResult::incomplete},
      {"cdp timer", "cdp timer variable", MatchResult::incomplete},
      {"cdp timer 30 40", "cdp timer variable", MatchResult::mismatch},
      {"cdp timer abc", "cdp timer variable", MatchResult::match},
      {"variable", "variable", MatchResult::match},
      {"ip adress 1.1.1.1", "ip address variable variable", MatchResult::mismatch},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matchCommand(std::string("Router#") + c.line, c.pattern, "Router#"), c.expected)
        << c.line;
  }
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
  EXPECT_TRUE(splitWords("").empty());
}

}  // namespace
}  // namespace kovrel

#include "catalogue/command_matching.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

struct NormalizeCase {
  std::string prompt;
  std::string line;
  std::string expected;
};

class NormalizeTest : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeTest, StripsPromptTrimsLowersAndCollapses) {
  const auto& c = GetParam();
  EXPECT_EQ(normalizeCommandLine(c.line, c.prompt), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, NormalizeTest,
    ::testing::Values(NormalizeCase{"Router>", "Router>  Show   IP  ", "show ip"},
                      NormalizeCase{"Router#", "Router#", ""},
                      NormalizeCase{"Router#", "Router#     ", ""},
                      NormalizeCase{"Router#", "Router#END", "end"},
                      NormalizeCase{"", "  Hello  World ", "hello world"},
                      // A line without its prompt loses the prompt's length less one.
                      NormalizeCase{"Router#", "abcdefshow", "show"},
                      NormalizeCase{"Password: ", "Password: SeCreT ", "secret"},
                      // Tabs are ordinary characters inside words.
                      NormalizeCase{"R>", "R>a\tb  c", "a\tb c"}));

struct MatchCase {
  std::string line;
  std::string pattern;
  MatchResult expected;
};

class MatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchTest, ComparesWordByWord) {
  const auto& c = GetParam();
  EXPECT_EQ(matchCommand("Router#" + c.line, c.pattern, "Router#"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, MatchTest,
    ::testing::Values(
        MatchCase{"end", "end", MatchResult::match}, MatchCase{"end   ", "end", MatchResult::match},
        MatchCase{"  END", "end", MatchResult::match},
        MatchCase{"en", "end", MatchResult::mismatch},
        MatchCase{"cdp timer", "cdp timer variable", MatchResult::incomplete},
        MatchCase{"cdp timer 30 40", "cdp timer variable", MatchResult::mismatch},
        MatchCase{"cdp timer abc", "cdp timer variable", MatchResult::match},
        MatchCase{"", "end", MatchResult::incomplete},
        MatchCase{"variable", "variable", MatchResult::match},
        MatchCase{"ip address 1.1.1.1", "ip address variable variable", MatchResult::incomplete},
        MatchCase{"ip adress 1.1.1.1", "ip address variable variable", MatchResult::mismatch}));

TEST(SplitWords, EmptyTextHasNoWords) {
  EXPECT_TRUE(splitWords("").empty());
  EXPECT_EQ(splitWords("show ip route"), (std::vector<std::string>{"show", "ip", "route"}));
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(replaceAll("copy run start", " run ", " running-config "), "copy running-config start");
  EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace kovrel

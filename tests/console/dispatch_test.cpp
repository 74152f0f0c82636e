// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/dispatch.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/command_matching.h"

namespace kovrel {
namespace {

bool isValueWord(std::string_view word) {
  if (word.ends_with("...")) word.remove_suffix(3);
  return word == "A.B.C.D" || word == "MASK" || word == "ROUTEMASK" || word == "WORD" ||
         word == "LINE" ||
         (word.starts_with('<') && word.ends_with('>') && word.find('-') != std::string::npos);
}

// Two forms with one pattern would leave the second unreachable; a capital keyword could never be
// typed, since typed keywords are read in lower case.
TEST(CommandTable, EveryModeOnceEveryPatternOnceKeywordsInLowerCase) {
  std::set<CliMode> modes;
  for (const ModeCommands& mode : commandTable()) {
    EXPECT_TRUE(modes.insert(mode.mode).second) << cliModeName(mode.mode);
    std::set<std::string_view> patterns;
    for (const auto& group : mode.forms) {
      for (const CommandForm& form : group) {
        EXPECT_TRUE(patterns.insert(form.pattern).second) << form.pattern;
        EXPECT_NE(form.action, nullptr) << form.pattern;
        for (const std::string& word : splitWords(form.pattern)) {
          EXPECT_TRUE(isValueWord(word) || toLower(word) == word) << form.pattern;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kovrel

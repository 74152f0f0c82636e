// Checks on the lesson database built from data/: the texts the start-up needs, and the order
// rules of the catalogues that completion depends on.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/lesson_database.h"

namespace kovrel {
namespace {

using enum CatalogueTable;

class LessonContentTest : public ::testing::Test {
 protected:
  void SetUp() override { database.open(KOVREL_TEST_DATABASE); }
  LessonDatabase database;
};

TEST_F(LessonContentTest, StartUpTextsArePresent) {
  const std::string boot = database.cmdInfo("bootText").value_or("");
  EXPECT_GE(std::count(boot.begin(), boot.end(), '\n'), 15);
  EXPECT_EQ(std::count(boot.begin(), boot.end(), '\r'), std::count(boot.begin(), boot.end(), '\n'));
  // Start-up checks the welcome text for this word.
  EXPECT_NE(database.misc("welcomeText").value_or("").find("Kovrel"), std::string::npos);
  EXPECT_TRUE(database.misc("studyPlan"));
  EXPECT_TRUE(database.misc("disclaimer"));
}

// A single quote switches bold on or off in the information window, so an odd count would leave
// the rest of a line bold.
TEST_F(LessonContentTest, InformationTextsPairTheirQuotes) {
  for (const char* id : {"welcomeText", "studyPlan", "disclaimer"}) {
    const std::string text = database.misc(id).value_or("");
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find("\r\n", start), text.size());
      const std::string line = text.substr(start, end - start);
      EXPECT_EQ(std::count(line.begin(), line.end(), '\'') % 2, 0) << id << ": " << line;
      start = end + 2;
    }
  }
}

// Completion settles on the first row found when it is a prefix of all the others, so a row must
// never follow a longer row that begins with it; and a row listed twice would be listed twice.
TEST_F(LessonContentTest, EveryCatalogueListsShortRowsFirstAndNoRowTwice) {
  for (const CatalogueTable table :
       {userModeCmds, privModeCmds, confModeCmds, lineModeCmds, ifModeCmds, configRouterRipModeCmds,
        configRouterIgrpModeCmds, userModeCmdsExtended, privModeCmdsExtended, confModeCmdsExtended,
        ifModeCmdsExtended, configRouterRipModeCmdsExtended, configRouterIgrpModeCmdsExtended}) {
    const auto rows = database.searchCatalogue(table, "");
    std::set<std::string> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_TRUE(seen.insert(rows[i].cmd).second)
          << catalogueTableName(table) << " twice: " << rows[i].cmd;
      for (std::size_t j = 0; j < i; ++j) {
        EXPECT_FALSE(rows[j].cmd.starts_with(rows[i].cmd))
            << catalogueTableName(table) << ": " << rows[i].cmd << " after " << rows[j].cmd;
      }
    }
  }
}

}  // namespace
}  // namespace kovrel

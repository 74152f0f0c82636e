// Checks on the lesson database built from data/: the texts the start-up needs, and the order
// rules of the catalogues that completion depends on.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue/lesson_database.h"

namespace kovrel {
namespace {

constexpr CatalogueTable kAllTables[] = {
    CatalogueTable::userModeCmds,
    CatalogueTable::privModeCmds,
    CatalogueTable::confModeCmds,
    CatalogueTable::lineModeCmds,
    CatalogueTable::ifModeCmds,
    CatalogueTable::configRouterRipModeCmds,
    CatalogueTable::configRouterIgrpModeCmds,
    CatalogueTable::userModeCmdsExtended,
    CatalogueTable::privModeCmdsExtended,
    CatalogueTable::confModeCmdsExtended,
    CatalogueTable::ifModeCmdsExtended,
    CatalogueTable::configRouterRipModeCmdsExtended,
    CatalogueTable::configRouterIgrpModeCmdsExtended,
};

class LessonContentTest : public ::testing::Test {
 protected:
  void SetUp() override { database.open(KOVREL_TEST_DATABASE); }
  LessonDatabase database;
};

TEST_F(LessonContentTest, StartUpTextsArePresent) {
  const auto boot = database.cmdInfo("bootText");
  ASSERT_TRUE(boot);
  EXPECT_NE(boot->find("1 Ethernet interface"), std::string::npos);
  EXPECT_NE(boot->find("2 Serial interfaces"), std::string::npos);
  const auto lineFeeds = std::count(boot->begin(), boot->end(), '\n');
  EXPECT_GE(lineFeeds, 15);
  EXPECT_EQ(std::count(boot->begin(), boot->end(), '\r'), lineFeeds);  // CR LF throughout
  const auto welcome = database.misc("welcomeText");
  ASSERT_TRUE(welcome);
  EXPECT_NE(welcome->find("Kovrel"), std::string::npos);  // start-up checks for this word
  EXPECT_TRUE(database.misc("studyPlan"));
  EXPECT_TRUE(database.misc("disclaimer"));
  EXPECT_TRUE(database.cmdInfo("help"));
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
  for (const CatalogueTable table : kAllTables) {
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

TEST_F(LessonContentTest, ShortPrefixesSettleOnTheUsualCommands) {
  const struct {
    CatalogueTable table;
    const char* prefix;
    const char* first;
  } cases[] = {
      {CatalogueTable::privModeCmds, "conf", "configure"},
      {CatalogueTable::privModeCmds, "c", "configure"},
      {CatalogueTable::privModeCmds, "s", "show"},
      {CatalogueTable::userModeCmds, "sh", "show"},
      {CatalogueTable::privModeCmdsExtended, "show in", "show interfaces"},
      {CatalogueTable::privModeCmdsExtended, "show cdp", "show cdp"},
      {CatalogueTable::confModeCmdsExtended, "access-list <1-99> p", "access-list <1-99> permit"},
  };
  for (const auto& c : cases) {
    const auto rows = database.searchCatalogue(c.table, c.prefix);
    ASSERT_FALSE(rows.empty()) << c.prefix;
    EXPECT_EQ(rows.front().cmd, c.first) << c.prefix;
  }
}

TEST_F(LessonContentTest, ModesKnowTheCommandsTheSimulatorCarriesOut) {
  CatalogueFilter implemented;
  implemented.implementedOnly = true;
  const struct {
    CatalogueTable table;
    std::vector<const char*> words;
  } cases[] = {
      {CatalogueTable::userModeCmds,
       {"enable", "exit", "help", "logout", "ping", "show", "terminal"}},
      {CatalogueTable::privModeCmds,
       {"configure", "copy", "disable", "exit", "help", "logout", "ping", "reload", "show"}},
      {CatalogueTable::confModeCmds,
       {"access-list", "banner", "cdp", "enable", "end", "exit", "hostname", "interface", "ip",
        "line", "no", "router"}},
      {CatalogueTable::lineModeCmds, {"exec-timeout", "exit", "end", "login", "no", "password"}},
      {CatalogueTable::configRouterRipModeCmds, {"network", "no", "exit", "end"}},
      {CatalogueTable::configRouterIgrpModeCmds, {"network", "no", "exit", "end"}},
  };
  for (const auto& c : cases) {
    for (const char* word : c.words) {
      EXPECT_TRUE(database.catalogueHasRow(c.table, word, implemented))
          << catalogueTableName(c.table) << ": " << word;
    }
  }
  CatalogueFilter ethernet = implemented;
  ethernet.interfaceCode = "2";
  EXPECT_TRUE(database.catalogueHasRow(CatalogueTable::ifModeCmds, "shutdown", ethernet));
  EXPECT_FALSE(database.catalogueHasRow(CatalogueTable::ifModeCmds, "clock", ethernet));
  EXPECT_FALSE(
      database.catalogueHasRow(CatalogueTable::ifModeCmdsExtended, "clock rate", ethernet));
}

}  // namespace
}  // namespace kovrel

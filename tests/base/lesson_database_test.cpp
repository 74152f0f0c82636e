// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/lesson_database.h"

#include <gtest/gtest.h>

#include <set>

#include "catalogue/scratch_database.h"

namespace kovrel {
namespace {

using testing::makeDatabase;
using testing::ScratchFolder;
using enum CatalogueTable;

// A small lesson database; the catalogue rows are deliberately not in alphabetical order, so
// tests see whether rows come in the order they were stored.
const char* kLessonSql = R"sql(
  CREATE TABLE cmdInfo (cmd TEXT, display TEXT);
  CREATE TABLE Misc (id TEXT, contents TEXT);
  CREATE TABLE Labs (LabName TEXT, labText TEXT, checks TEXT);
  CREATE TABLE tests (testName TEXT, testText TEXT);
  CREATE TABLE troubleshooting (labName TEXT, troubleshootingText TEXT, solutionText TEXT, checks TEXT);
  CREATE TABLE flashCards (ID INTEGER, question TEXT, answer TEXT, topic TEXT);
  CREATE TABLE privModeCmds (cmd TEXT, implemented INTEGER);
  CREATE TABLE privModeCmdsExtended (cmd TEXT, implemented INTEGER);
  CREATE TABLE ifModeCmds (cmd TEXT, implemented INTEGER, interface TEXT);
  INSERT INTO cmdInfo VALUES ('bootText', 'first boot'), ('help', 'help text'),
                             ('bootText', 'second boot'), ('empty', NULL);
  INSERT INTO Misc VALUES ('welcomeText', 'Welcome to Kovrel');
  INSERT INTO Labs VALUES ('ripRouting', 'RIP lab', '1 rip on');
  INSERT INTO tests VALUES ('test1', 'Test one'), ('test1Solution', 'Solution one');
  INSERT INTO troubleshooting VALUES ('troubleshooting1', 'Find the fault', 'The fix', NULL);
  INSERT INTO flashCards VALUES (1, 'q1', 'a1', 'Routing'), (2, 'q2', 'a2', NULL),
                                (3, 'q3', 'a3', 'Routing');
  INSERT INTO privModeCmds VALUES ('show', 1), ('configure', 1), ('copy', 1), ('clock', 0),
                                  ('a%b', 1), ('axb', 1), ('a_c', 1), ('ayc', 1), ('a\d', 1),
                                  ('aed', 1), ('it''s', 1);
  INSERT INTO privModeCmdsExtended VALUES ('show ip route', 1), ('show ip arp', 0);
  INSERT INTO ifModeCmds VALUES ('clock', 1, '01'), ('ip', 1, '012'), ('media-type', 0, '2');
)sql";

using Commands = std::vector<std::string>;

Commands commands(const std::vector<CatalogueRow>& rows) {
  Commands result;
  for (const auto& row : rows) result.push_back(row.cmd);
  return result;
}

class LessonDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override { database.open(makeDatabase(folder.path() / "lessons.db", kLessonSql)); }

  ScratchFolder folder;
  LessonDatabase database;
};

TEST_F(LessonDatabaseTest, LooksUpTextsByExactKey) {
  EXPECT_EQ(database.misc("welcomeText"), "Welcome to Kovrel");
  EXPECT_EQ(database.labText("ripRouting"), "RIP lab");
  EXPECT_EQ(database.testText("test1Solution"), "Solution one");
  const auto troubleshooting = database.troubleshooting("troubleshooting1");
  ASSERT_TRUE(troubleshooting);
  EXPECT_EQ(troubleshooting->troubleshootingText, "Find the fault");
  EXPECT_EQ(troubleshooting->solutionText, "The fix");
  EXPECT_EQ(database.cmdInfo("help"), "help text");
  EXPECT_EQ(database.cmdInfo("bootText"), "first boot");  // a key with two rows: the first
  EXPECT_EQ(database.cmdInfo("empty"), "");               // NULL reads as empty
  for (const char* missing : {"show_flash", "HELP", "help' OR '1'='1"}) {
    EXPECT_EQ(database.cmdInfo(missing), std::nullopt) << missing;
  }
  EXPECT_EQ(database.troubleshooting("troubleshooting6"), std::nullopt);
}

TEST_F(LessonDatabaseTest, CatalogueRowsComeInStoredOrderAndFiltered) {
  EXPECT_EQ(commands(database.searchCatalogue(privModeCmds, "c")),
            (Commands{"configure", "copy", "clock"}));
  EXPECT_EQ(commands(database.searchCatalogue(privModeCmdsExtended, "show ip")),
            (Commands{"show ip route", "show ip arp"}));
  CatalogueFilter implementedOnly;
  implementedOnly.implementedOnly = true;
  EXPECT_EQ(commands(database.searchCatalogue(privModeCmds, "c", implementedOnly)),
            (Commands{"configure", "copy"}));
  EXPECT_FALSE(database.catalogueHasRow(privModeCmds, "cl", implementedOnly));
  EXPECT_TRUE(database.catalogueHasRow(privModeCmds, "cl"));
  CatalogueFilter ethernet;
  ethernet.interfaceCode = "2";
  EXPECT_EQ(commands(database.searchCatalogue(ifModeCmds, "", ethernet)),
            (Commands{"ip", "media-type"}));
  const auto rows = database.searchCatalogue(ifModeCmds, "cl");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].interfaceCodes, "01");
  EXPECT_EQ(rows[0].implemented, 1);
  CatalogueFilter wildcard;
  wildcard.interfaceCode = "%";
  EXPECT_FALSE(database.catalogueHasRow(ifModeCmds, "", wildcard));
}

TEST_F(LessonDatabaseTest, TypedTextIsSearchedLiterally) {
  const struct {
    const char* prefix;
    Commands found;
  } cases[] = {
      {"a%", {"a%b"}},   {"a_", {"a_c"}}, {"a\\", {"a\\d"}},
      {"it'", {"it's"}}, {"'", {}},       {"%", {}},
      {"_", {}},         {"\\", {}},      {"a", {"a%b", "axb", "a_c", "ayc", "a\\d", "aed"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(commands(database.searchCatalogue(privModeCmds, c.prefix)), c.found) << c.prefix;
    EXPECT_EQ(database.catalogueHasRow(privModeCmds, c.prefix), !c.found.empty()) << c.prefix;
  }
}

TEST_F(LessonDatabaseTest, FlashCardsAreTheWholeDeckInStoredOrder) {
  std::string cards;
  for (const FlashCard& card : database.flashCards()) {
    cards += std::to_string(card.id) + card.question + card.answer + card.topic + " ";
  }
  EXPECT_EQ(cards, "1q1a1Routing 2q2a2 3q3a3Routing ");
  EXPECT_EQ(database.labChecks("ripRouting"), "1 rip on");
  EXPECT_EQ(database.troubleshootingChecks("troubleshooting1"), "");
}

TEST_F(LessonDatabaseTest, FailingStatementThrowsAndLaterLookupsStillWork) {
  // The small database has no userModeCmds table.
  EXPECT_THROW(database.searchCatalogue(userModeCmds, "e"), DatabaseError);
  EXPECT_THROW(database.catalogueHasRow(userModeCmds, "e"), DatabaseError);
  EXPECT_EQ(database.cmdInfo("help"), "help text");
}

TEST(LessonDatabaseOpen, NeverOpenedDatabaseFindsNothingWithoutThrowing) {
  LessonDatabase database;
  EXPECT_FALSE(database.isOpen());
  EXPECT_EQ(database.misc("welcomeText"), std::nullopt);
  EXPECT_EQ(database.troubleshooting("troubleshooting1"), std::nullopt);
  EXPECT_TRUE(database.flashCards().empty());
  EXPECT_TRUE(database.searchCatalogue(userModeCmds, "e").empty());
  EXPECT_FALSE(database.catalogueHasRow(userModeCmds, "e"));
}

TEST(LessonDatabaseOpen, RefusesWhatIsNotALessonDatabase) {
  ScratchFolder folder;
  const std::filesystem::path files[] = {
      folder.path() / "missing.db",
      folder.write("text.db", "This is a plain text file, not a database at all.\n"),
      folder.write("empty.db", ""),
      makeDatabase(folder.path() / "other.db", "CREATE TABLE something (x TEXT);"),
      folder.path(),
  };
  for (const auto& file : files) {
    LessonDatabase database;
    EXPECT_THROW(database.open(file), DatabaseError) << file;
    EXPECT_FALSE(database.isOpen()) << file;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing.db"));  // never created
  // A failed reopen leaves the database closed.
  LessonDatabase database;
  database.open(makeDatabase(folder.path() / "lessons.db", kLessonSql));
  EXPECT_THROW(database.open(folder.path() / "missing.db"), DatabaseError);
  EXPECT_FALSE(database.isOpen());
  EXPECT_EQ(database.cmdInfo("help"), std::nullopt);
}

}  // namespace
}  // namespace kovrel

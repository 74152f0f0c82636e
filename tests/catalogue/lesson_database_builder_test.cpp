// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the lesson database builder on small source folders and reads the result back.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "base/lesson_database.h"
#include "catalogue/scratch_database.h"

namespace kovrel {
namespace {

using testing::ScratchFolder;

/// One run of the builder: its exit status and what it wrote to standard error.
struct BuildResult {
  int status;
  std::string errors;
};

class LessonDatabaseBuilderTest : public ::testing::Test {
 protected:
  BuildResult build() {
    const auto errors = folder.path() / "errors.txt";
    const std::string command = std::string("'") + KOVREL_DBBUILD_BINARY + "' '" +
                                (folder.path() / "data").string() + "' '" + output().string() +
                                "' 2> '" + errors.string() + "'";
    const int raw = std::system(command.c_str());
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
  }

  std::filesystem::path output() const { return folder.path() / "out" / "DataStore.db"; }

  void buildAndOpen() {
    std::filesystem::create_directories(folder.path() / "out");
    const BuildResult result = build();
    ASSERT_EQ(result.status, 0) << result.errors;
    database.open(output());
  }

  ScratchFolder folder;
  LessonDatabase database;
};

// Texts are joined with CR LF whatever the source's line ends; trailing blank lines are dropped.
TEST_F(LessonDatabaseBuilderTest, SectionsBecomeRowsJoinedWithCrLf) {
  folder.write("data/text/a.txt",
               "A comment header: ignored.\n"
               "@@ cmdInfo bootText\n"
               "line one\n"
               "line two with trailing blanks   \n"
               "   \n"
               "last line\n"
               "\n"
               "\n"
               "@@ Misc welcomeText\n"
               "Welcome to Kovrel\n");
  folder.write("data/text/b.txt", "@@ cmdInfo help\r\none\r\ntwo\r\n@@ cmdInfo other\none\ntwo");
  buildAndOpen();
  EXPECT_EQ(database.cmdInfo("bootText"),
            "line one\r\nline two with trailing blanks   \r\n   \r\nlast line");
  EXPECT_EQ(database.misc("welcomeText"), "Welcome to Kovrel");
  EXPECT_EQ(database.cmdInfo("help"), "one\r\ntwo");
  EXPECT_EQ(database.cmdInfo("other"), "one\r\ntwo");
}

TEST_F(LessonDatabaseBuilderTest, SectionsOfOneKeyFillOneRowInOrderOfFirstAppearance) {
  // b.txt is read after a.txt: file-name order decides.
  folder.write("data/text/b.txt",
               "@@ troubleshooting troubleshooting1 solutionText\nThe fix\n"
               "@@ flashCards 7 answer\nAn answer\n");
  folder.write("data/text/a.txt",
               "@@ troubleshooting troubleshooting1\nThe task\n"
               "@@ flashCards 7\nA question\n"
               "@@ cmdInfo help\n");
  buildAndOpen();
  const auto texts = database.troubleshooting("troubleshooting1");
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->troubleshootingText, "The task");
  EXPECT_EQ(texts->solutionText, "The fix");
  const auto deck = database.flashCards();
  ASSERT_EQ(deck.size(), 1u);
  EXPECT_EQ(deck[0].question, "A question");
  EXPECT_EQ(deck[0].answer, "An answer");
  EXPECT_EQ(database.cmdInfo("help"), "");  // an empty section is an empty text
}

TEST_F(LessonDatabaseBuilderTest, CataloguesKeepFileOrderAndEveryTableExists) {
  folder.write("data/catalogue/privModeCmds.tsv",
               "# comment\n\nshow\t1\nconfigure\t1\r\nclock\t0\n");
  folder.write("data/catalogue/ifModeCmdsExtended.tsv", "clock rate\t1\t01\n");
  buildAndOpen();
  const auto rows = database.searchCatalogue(CatalogueTable::privModeCmds, "");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].cmd + " " + rows[1].cmd + " " + rows[2].cmd, "show configure clock");
  EXPECT_EQ(rows[2].implemented, 0);
  const auto serial = database.searchCatalogue(CatalogueTable::ifModeCmdsExtended, "clock");
  ASSERT_EQ(serial.size(), 1u);
  EXPECT_EQ(serial[0].interfaceCodes, "01");
  // Tables without a source file are created empty.
  EXPECT_TRUE(
      database.searchCatalogue(CatalogueTable::configRouterIgrpModeCmdsExtended, "").empty());
}

TEST_F(LessonDatabaseBuilderTest, FaultsNameTheFileAndLineAndLeaveTheOldDatabase) {
  const struct {
    const char* file;
    const char* contents;
    const char* message;
  } cases[] = {
      {"data/text/a.txt", "header\n@@ Nonsense key\ntext\n", "a.txt:2: unknown table Nonsense"},
      {"data/text/a.txt", "@@ cmdInfo help\nx\n@@ cmdInfo help title\n", "a.txt:3: table cmdInfo"},
      {"data/text/a.txt", "@@ cmdInfo\n", "a.txt:1: a section line"},
      {"data/text/a.txt", "@@ flashCards seven\n", "a.txt:1: the key of flashCards"},
      {"data/text/a.txt", "@@ Misc x\na\n@@ Misc x\nb\n", "a.txt:3: Misc x contents is given"},
      {"data/catalogue/userModeCmds.tsv", "show\t1\nping 1\n", "userModeCmds.tsv:2: expected 2"},
      {"data/catalogue/userModeCmds.tsv", "show\tyes\n", "userModeCmds.tsv:1: implemented"},
      {"data/catalogue/userModeCmds.tsv", "Show\t1\n", "userModeCmds.tsv:1: cmd must be"},
      {"data/catalogue/ifModeCmds.tsv", "ip\t1\n", "ifModeCmds.tsv:1: expected 3"},
      {"data/catalogue/ifModeCmds.tsv", "ip\t1\t3\n", "ifModeCmds.tsv:1: interface"},
      {"data/catalogue/userModeCmd.tsv", "show\t1\n", "userModeCmd.tsv: no catalogue table"},
      {"data/text/a.txt", "@@ cmdInfo bootText\nok\nclear \x1b[2J\n",
       "a.txt:3: control character 0x1B"},
      {"data/text/a.txt", "@@ Misc x\nbell\x07\n", "a.txt:2: control character 0x07"},
  };
  std::filesystem::create_directories(folder.path() / "out");
  std::ofstream(output()) << "previous database";
  for (const auto& c : cases) {
    std::filesystem::remove_all(folder.path() / "data");
    folder.write(c.file, c.contents);
    const BuildResult result = build();
    EXPECT_EQ(result.status, 1) << c.contents;
    EXPECT_NE(result.errors.find(c.message), std::string::npos) << result.errors;
    std::ifstream in(output());
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "previous database");
    EXPECT_FALSE(std::filesystem::exists(output().string() + ".tmp"));
  }
}

TEST_F(LessonDatabaseBuilderTest, MissingDataFolderOrUnwritableOutputFails) {
  BuildResult result = build();  // no data folder at all
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.errors.find("no such data folder"), std::string::npos) << result.errors;
  folder.write("data/text/a.txt", "@@ cmdInfo help\nx\n");
  result = build();  // the output folder does not exist
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(std::filesystem::exists(output()));
}

}  // namespace
}  // namespace kovrel

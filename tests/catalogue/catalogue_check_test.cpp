// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_check.h"

#include <gtest/gtest.h>

#include "catalogue/scratch_database.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::FakePlatform;
using testing::makeDatabase;
using testing::ScratchFolder;

const char* kCatalogueSql = R"sql(
  CREATE TABLE cmdInfo (cmd TEXT, display TEXT);
  CREATE TABLE privModeCmds (cmd TEXT, implemented INTEGER);
  CREATE TABLE privModeCmdsExtended (cmd TEXT, implemented INTEGER);
  CREATE TABLE lineModeCmds (cmd TEXT, implemented INTEGER);
  CREATE TABLE ifModeCmds (cmd TEXT, implemented INTEGER, interface TEXT);
  CREATE TABLE ifModeCmdsExtended (cmd TEXT, implemented INTEGER, interface TEXT);
  INSERT INTO privModeCmds VALUES ('show', 1), ('clock', 0);
  INSERT INTO privModeCmdsExtended VALUES ('show ip route', 1), ('show arp', 0),
                                          ('show access-lists', 1);
  INSERT INTO lineModeCmds VALUES ('password', 1);
  INSERT INTO ifModeCmds VALUES ('clock', 1, '01'), ('shutdown', 1, '012');
  INSERT INTO ifModeCmdsExtended VALUES ('clock rate', 1, '01');
)sql";

class CatalogueCheckTest : public ::testing::Test {
 protected:
  CatalogueCheckTest() : sim(platform.services()) {}

  void openCatalogue(const char* sql) {
    sim.database.open(makeDatabase(folder.path() / "lessons.db", sql));
  }

  void enterMode(CliMode mode, const std::string& suffix, InterfaceNumber interface = kSerial0) {
    sim.router().mode = mode;
    sim.router().prompt = "Router" + suffix;
    sim.router().currentInterface = interface;
  }

  bool check(const std::string& typed) {
    return checkIfCommandImplemented(sim, sim.router().prompt + typed);
  }

  ScratchFolder folder;
  FakePlatform platform;
  Simulator sim;
};

// Rows are found by prefix in the table of the mode; serial-only rows are never found on Ethernet0.
TEST_F(CatalogueCheckTest, FindsImplementedRowsByPrefixInTheModesTable) {
  openCatalogue(kCatalogueSql);
  const struct {
    CliMode mode;
    InterfaceNumber interface;
    const char* typed;
    bool implemented;
  } cases[] = {
      {CliMode::priv, kSerial0, "show", true},
      {CliMode::priv, kSerial0, "  SH  ", true},
      {CliMode::priv, kSerial0, "clock", false},
      {CliMode::priv, kSerial0, "show ip", true},
      {CliMode::priv, kSerial0, "show access-lists ", true},
      {CliMode::priv, kSerial0, "show arp", false},
      {CliMode::priv, kSerial0, "show ip route x", false},
      {CliMode::configIf, kEthernet0, "clock rate", false},
      {CliMode::configIf, kEthernet0, "shutdown", true},
      {CliMode::configIf, kSerial1, "clock rate", true},
  };
  for (const auto& c : cases) {
    enterMode(c.mode, c.mode == CliMode::priv ? "#" : "(config-if)#", c.interface);
    EXPECT_EQ(check(c.typed), c.implemented) << c.typed;
  }
  EXPECT_TRUE(platform.errorLines.empty());
}

TEST_F(CatalogueCheckTest, EmptyTextAndLineModeExtendedRunNoStatement) {
  // This catalogue lacks most tables: any statement that ran would fail and be logged.
  openCatalogue("CREATE TABLE cmdInfo (cmd TEXT, display TEXT);");
  enterMode(CliMode::priv, "#");
  EXPECT_FALSE(check("   "));
  enterMode(CliMode::configLine, "(config-line)#");
  EXPECT_FALSE(check("password secret"));
  enterMode(CliMode::none, "");
  EXPECT_FALSE(check("show"));
  EXPECT_TRUE(platform.errorLines.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CatalogueCheckTest, FailedSearchIsLoggedAndCountsAsNotImplemented) {
  openCatalogue("CREATE TABLE cmdInfo (cmd TEXT, display TEXT);");
  enterMode(CliMode::user, ">");
  EXPECT_FALSE(check("show"));
  ASSERT_GE(platform.errorLines.size(), 2u);
  EXPECT_EQ(platform.errorLines[1], "In function checkIfCommandImplemented");
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace kovrel

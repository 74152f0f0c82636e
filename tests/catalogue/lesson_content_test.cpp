// SPDX-License-Identifier: GPL-3.0-or-later
// Checks on the lesson database built from data/: the texts the start-up needs, and the order
// rules of the catalogues that completion depends on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "base/lesson_database.h"
#include "training/activity_menu.h"
#include "training/instructions.h"

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

// Every text the menus open, as the instruction, report and information panes read it: a single
// quote switches bold on or off, so an odd count on a line (an apostrophe) leaves the rest of it
// bold and hides the quote; a text begins with its title; a troubleshooting solution has steps.
TEST_F(LessonContentTest, EveryLessonTextExistsOpensWithATitleAndPairsItsQuotes) {
  std::vector<std::pair<std::string, std::optional<std::string>>> texts;
  for (const char* id : {"welcomeText", "studyPlan", "disclaimer"}) {
    texts.emplace_back(id, database.misc(id));
  }
  for (const ActivityMenuItem& lab : labMenu()) {
    texts.emplace_back(lab.key, database.labText(lab.key));
  }
  for (const ActivityMenuItem& test : testMenu()) {
    texts.emplace_back(test.key, database.testText(test.key));
    texts.emplace_back(std::string(test.key) + "Solution",
                       database.testText(std::string(test.key) + "Solution"));
  }
  for (const ActivityMenuItem& scenario : troubleshootingMenu()) {
    const auto row = database.troubleshooting(scenario.key);
    texts.emplace_back(scenario.key, row ? std::optional(row->troubleshootingText) : std::nullopt);
    texts.emplace_back(std::string(scenario.key) + " solution",
                       row ? std::optional(row->solutionText) : std::nullopt);
  }
  for (const auto& [name, text] : texts) {
    ASSERT_TRUE(text.has_value()) << name << " is missing";
    const std::vector<std::string> lines = splitLessonLines(*text);
    ASSERT_FALSE(lines.empty()) << name;
    EXPECT_FALSE(lines.front().empty() || isStepHeading(lines.front())) << name << ": no title";
    const bool hasSteps = std::ranges::any_of(lines, isStepHeading);
    EXPECT_TRUE(hasSteps || !name.ends_with(" solution")) << name;
    for (const std::string& line : lines) {
      EXPECT_EQ(std::ranges::count(line, '\'') % 2, 0) << name << ": " << line;
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

// The viewer shows one card in two boxes about a screen high; a longer text would scroll out of
// sight. A question asked twice, even with other capitals or blanks, would be a wasted card. A card
// without a topic is missing from every topic filter, and a topic that only a card or two carry is
// a misspelt one.
TEST_F(LessonContentTest, FlashCardDeckIsLargeAsksEachQuestionOnceAndFitsTheViewer) {
  struct Bounds {
    const char* column;
    std::size_t shortest;
    std::size_t longest;
    long lines;
  };
  constexpr Bounds kQuestion = {"question", 15, 160, 1};
  constexpr Bounds kAnswer = {"answer", 2, 320, 6};
  const std::vector<FlashCard> deck = database.flashCards();
  EXPECT_GE(deck.size(), 260u);
  std::set<std::string> asked;
  std::map<std::string, int> topics;
  for (const FlashCard& card : deck) {
    EXPECT_FALSE(card.topic.empty()) << "no topic: " << card.question;
    ++topics[card.topic];
    std::string folded;
    for (const char c : card.question) {
      if (!std::isspace(static_cast<unsigned char>(c))) {
        folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      } else if (!folded.empty() && folded.back() != ' ') {
        folded += ' ';
      }
    }
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    EXPECT_TRUE(asked.insert(folded).second) << "asked twice: " << card.question;
    for (const auto& [text, bounds] :
         {std::pair{&card.question, kQuestion}, {&card.answer, kAnswer}}) {
      EXPECT_GE(text->size(), bounds.shortest) << bounds.column << ": " << *text;
      EXPECT_LE(text->size(), bounds.longest) << bounds.column << ": " << *text;
      EXPECT_LE(std::count(text->begin(), text->end(), '\n') + 1, bounds.lines)
          << bounds.column << ": " << *text;
    }
  }
  for (const auto& [topic, count] : topics) EXPECT_GE(count, 3) << "topic " << topic;
}

}  // namespace
}  // namespace kovrel

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

TEST(EnableQuestion, NoPasswordGoesStraightToPrivileged) {
  SimulatorFixture f;
  f.startSession(CliMode::user);
  f.enter("enable");
  EXPECT_EQ(f.prompt(), "Router#");
}

TEST(EnableQuestion, PasswordIsAskedInLowerCaseThenRepeatedWithCapital) {
  SimulatorFixture f;
  f.running().enablePassword = "door7";
  f.startSession(CliMode::user);
  f.enter("enable");
  EXPECT_EQ(f.input(), "password: ");
  f.enter("wrong");
  EXPECT_EQ(f.input(), "Password: ");
  EXPECT_EQ(f.newOutput(), "\nRouter>enable\npassword: wrong");
  f.enter("  DOOR7 ");
  EXPECT_EQ(f.prompt(), "Router#");
  EXPECT_EQ(f.sim.router().passwordTries, 0);
}

struct ThirdFailureCase {
  std::string secret;
  std::string password;
  std::string answer;
  std::string message;
};

class ThirdFailureTest : public ::testing::TestWithParam<ThirdFailureCase> {};

TEST_P(ThirdFailureTest, ClosesTheQuestionWithItsMessage) {
  const auto& c = GetParam();
  SimulatorFixture f;
  f.running().enableSecret = c.secret;
  f.running().enablePassword = c.password;
  f.startSession(CliMode::user);
  f.enter("enable");
  f.enter(c.answer);
  f.enter(c.answer);
  f.newOutput();
  f.enter(c.answer);
  EXPECT_EQ(f.newOutput(), "\nPassword: " + c.answer + c.message);
  EXPECT_EQ(f.prompt(), "Router>");
  EXPECT_EQ(f.mode(), CliMode::user);
  EXPECT_EQ(f.sim.interactionPending(), Interaction::none);
  EXPECT_EQ(f.sim.router().passwordTries, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, ThirdFailureTest,
    ::testing::Values(ThirdFailureCase{"s3cret", "", "nope", "\n% Bad passwords\n "},
                      ThirdFailureCase{"", "pass", "nope", "\nTOo many tries!!!"},
                      // With both set, only the secret is accepted.
                      ThirdFailureCase{"s3cret", "pass", "pass", "\n% Bad passwords\n "},
                      ThirdFailureCase{"s3cret", "", "", "\n% Bad passwords\n "}));

TEST(EnableQuestion, HistoryNeverHoldsPasswords) {
  SimulatorFixture f;
  f.running().enableSecret = "topsecret";
  f.startSession(CliMode::user);
  f.enter("enable");
  f.enter("topsecret");
  EXPECT_EQ(f.sim.router().history, std::vector<std::string>{"enable"});
}

TEST(ConsoleLogin, AskedOnlyWithLoginAndPassword) {
  SimulatorFixture f;
  f.running().conPassword = "letmein";
  f.startSession(CliMode::user);  // login flag not set: no question
  EXPECT_EQ(f.prompt(), "Router>");
}

TEST(ConsoleLogin, WritesBannersAndChecksThePassword) {
  SimulatorFixture f;
  f.running().conPassword = "letmein";
  f.running().conLogin = true;
  f.running().bannerMotd = "Authorised use only";
  f.running().bannerLogin = "Login banner";
  f.running().bannerExec = "Exec banner";
  f.enter("");
  EXPECT_EQ(f.newOutput(), "\n\nAuthorised use only\nLogin banner\n \nUser Access Verification");
  EXPECT_EQ(f.input(), "Password: ");
  EXPECT_EQ(f.mode(), CliMode::user);
  f.enter("LetMeIn");
  EXPECT_EQ(f.newOutput(), "\nPassword: LetMeIn\nExec banner");
  EXPECT_EQ(f.input(), "Router>");
}

TEST(ConsoleLogin, ThirdWrongPasswordRestartsTheConsole) {
  SimulatorFixture f;
  f.running().conPassword = "letmein";
  f.running().conLogin = true;
  f.enter("");
  f.enter("a");
  f.enter("b");
  EXPECT_EQ(f.input(), "Password: ");
  f.enter("c");
  EXPECT_EQ(f.mode(), CliMode::none);
  EXPECT_TRUE(f.sim.console.output().ends_with("Press RETURN to get started."));
  EXPECT_EQ(f.sim.router().passwordTries, 0);
}

TEST(ConsoleLogin, QuestionMarkAtThePasswordPromptStillReachesHelp) {
  SimulatorFixture f;
  f.running().conPassword = "letmein";
  f.running().conLogin = true;
  f.enter("");
  f.type("?");
  EXPECT_EQ(f.sim.interactionPending(), Interaction::consoleLogin);
}

}  // namespace
}  // namespace kovrel

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
  EXPECT_EQ(f.newOutput(), "\nRouter>enable\npassword: ");
  f.enter("  DOOR7 ");
  EXPECT_EQ(f.prompt(), "Router#");
  EXPECT_EQ(f.sim.router().passwordTries, 0);
}

TEST(EnableQuestion, ThirdFailureClosesTheQuestionWithItsMessage) {
  struct Case {
    std::string secret, password, answer, message;
  };
  for (const Case& c : std::vector<Case>{
           {"s3cret", "", "nope", "\n% Bad passwords\n "},
           {"", "pass", "nope", "\nTOo many tries!!!"},
           {"s3cret", "pass", "pass", "\n% Bad passwords\n "},  // with both set, only the secret
           {"s3cret", "", "", "\n% Bad passwords\n "}}) {
    SimulatorFixture f;
    f.running().enableSecret = c.secret;
    f.running().enablePassword = c.password;
    f.startSession(CliMode::user);
    for (const char* line : {"enable", c.answer.c_str(), c.answer.c_str()}) f.enter(line);
    f.newOutput();
    f.enter(c.answer);
    EXPECT_EQ(f.newOutput(), "\nPassword: " + c.message);
    EXPECT_EQ(f.prompt(), "Router>");
    EXPECT_EQ(f.mode(), CliMode::user);
    EXPECT_EQ(f.sim.interactionPending(), Interaction::none);
    EXPECT_EQ(f.sim.router().passwordTries, 0);
  }
}

// At every password question the window, the echo, Ctrl-R, Ctrl-Z and help show the question
// alone, while the editing keys work on the hidden answer and the history never holds it.
TEST(PasswordQuestions, AnswerStaysHiddenAndEditable) {
  struct Case {
    std::string secret, password, question;
    bool login;
  };
  for (const Case& c : std::vector<Case>{{"zq9secret", "", "Password: ", false},
                                         {"", "zq9secret", "password: ", false},
                                         {"", "", "Password: ", true}}) {
    SimulatorFixture f;
    f.running().enableSecret = c.secret;
    f.running().enablePassword = c.password;
    f.running().conPassword = "zq9secret";
    f.running().conLogin = c.login;
    f.startSession(CliMode::user);
    if (!c.login) f.enter("enable");
    f.type("zq9secrxt");
    EXPECT_EQ(f.platform.shownInput, c.question);
    f.ctrl('R');
    f.ctrl('Z');
    f.type("?");
    EXPECT_EQ(f.newOutput().find("zq9"), std::string::npos) << c.question;
    f.type("zq9secrxtet");  // Backspace works on the hidden text
    f.ctrl('B');
    f.ctrl('D');  // deletes the "e" before the caret, unseen
    EXPECT_EQ(f.platform.shownInput, "Password: ");
    EXPECT_EQ(f.platform.shownCaret, 10u);
    f.enter("e");
    EXPECT_EQ(f.newOutput().find("zq9"), std::string::npos);
    EXPECT_EQ(f.mode(), c.login ? CliMode::user : CliMode::priv) << c.question;
    EXPECT_EQ(f.platform.shownInput, f.prompt());
    f.enter("show history");
    EXPECT_EQ(f.newOutput().find("zq9"), std::string::npos);
  }
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
  EXPECT_EQ(f.newOutput(), "\nPassword: \nExec banner");
  EXPECT_EQ(f.input(), "Router>");
}

TEST(ConsoleLogin, ThirdWrongPasswordRestartsTheConsole) {
  SimulatorFixture f;
  f.running().conPassword = "letmein";
  f.running().conLogin = true;
  for (const char* line : {"", "a", "b"}) f.enter(line);
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

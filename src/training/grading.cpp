#include "training/grading.h"

#include <array>
#include <cmath>

#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/simulator.h"
#include "training/answer_text.h"

namespace kovrel {
namespace {

std::string_view withoutSurroundingBlanks(std::string_view field) {
  const auto first = field.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = field.find_last_not_of(" \t\r\n");
  return field.substr(first, last - first + 1);
}

// Banner texts forgive the case and the blanks (and line breaks) around them.
bool textIs(std::string_view field, std::string_view expected) {
  return toLower(withoutSurroundingBlanks(field)) == expected;
}

// Host names and passwords keep their case, as the router keeps them: they must be exact.
bool valueIs(std::string_view field, std::string_view expected) {
  return withoutSurroundingBlanks(field) == expected;
}

constexpr std::array kTest1Tasks{
    GradedTask{"Part1> Setting terminal history to 12: ",
               [](const RouterConfig& c) { return c.historySize == 12; }},
    GradedTask{"Part2> MOTD banner: ",
               [](const RouterConfig& c) { return textIs(c.bannerMotd, "motd banner"); }},
    GradedTask{"Part3> Configuring console 0", nullptr},
    GradedTask{"   3a> Setting timeout: ",
               [](const RouterConfig& c) {
                 return c.line(TerminalLine::console).execTimeoutMinutes == 22 &&
                        c.line(TerminalLine::console).execTimeoutSeconds == 33;
               }},
    GradedTask{"   3b> Enabling login: ",
               [](const RouterConfig& c) { return c.line(TerminalLine::console).login; }},
    GradedTask{"   3c> Setting password: ",
               [](const RouterConfig& c) {
                 return valueIs(c.line(TerminalLine::console).password, "dor584");
               }},
    GradedTask{"Part4> Setting host name: ",
               [](const RouterConfig& c) { return valueIs(c.hostname, "test1"); }},
    GradedTask{"Part5> Setting unencrypted privileged mode password: ",
               [](const RouterConfig& c) { return valueIs(c.enablePassword, "pel39"); }},
};

constexpr std::array kTest2Tasks{
    GradedTask{"Part1> Setting EXEC banner: ",
               [](const RouterConfig& c) { return textIs(c.bannerExec, "router test"); }},
    GradedTask{"Part2> Disabling DNS lookup: ",
               [](const RouterConfig& c) { return !c.domainLookup; }},
    GradedTask{"Part3> Configuring vty lines", nullptr},
    GradedTask{"   3a> Setting timeout: ",
               [](const RouterConfig& c) {
                 return c.line(TerminalLine::vty).execTimeoutMinutes == 30 &&
                        c.line(TerminalLine::vty).execTimeoutSeconds == 20;
               }},
    GradedTask{"   3b> Enabling login: ",
               [](const RouterConfig& c) { return c.line(TerminalLine::vty).login; }},
    GradedTask{"   3c> Setting password: ",
               [](const RouterConfig& c) {
                 return valueIs(c.line(TerminalLine::vty).password, "gut362");
               }},
    GradedTask{"Part4> Setting host name: ",
               [](const RouterConfig& c) { return valueIs(c.hostname, "test2"); }},
    GradedTask{"Part5> Setting enable secret: ",
               [](const RouterConfig& c) { return valueIs(c.enableSecret, "tovir58"); }},
};

constexpr std::array kTest3Tasks{
    GradedTask{"Part1> Configuring ethernet 0", nullptr},
    GradedTask{"   1a> Configuring ethernet 0 ip address: ",
               [](const RouterConfig& c) {
                 return c.ethernet0.ipAddress == "220.14.5.6" &&
                        c.ethernet0.subnetMask == "255.255.255.0";
               }},
    GradedTask{"   1b> Bringing up ethernet 0: ",
               [](const RouterConfig& c) { return !c.ethernet0.shutdown; }},
    GradedTask{"Part2> Configuring serial 0", nullptr},
    GradedTask{"   2a> Configuring serial 0 ip address: ",
               [](const RouterConfig& c) {
                 return c.serial0.ipAddress == "194.23.2.1" &&
                        c.serial0.subnetMask == "255.255.255.0";
               }},
    GradedTask{"   2b> Bringing up serial 0: ",
               [](const RouterConfig& c) { return !c.serial0.shutdown; }},
    GradedTask{"   2c> Providing clocking: ",
               [](const RouterConfig& c) { return c.serial0.clockRate == 56000; }},
    GradedTask{"Part3> Enabling RIP routing: ", [](const RouterConfig& c) { return c.ripEnabled; }},
};

constexpr std::array kTests{
    TestGrading{"Test 1 Report", kTest1Tasks, "test1Solution", "Solution To Test 1"},
    TestGrading{"Test 2 Report", kTest2Tasks, "test2Solution", "Solution To Test 2"},
    TestGrading{"Test 3 Report", kTest3Tasks, "test3Solution", "Solution To Test 3"},
};

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

const TestGrading* testGrading(int testNumber) {
  if (testNumber < 1 || testNumber > static_cast<int>(kTests.size())) return nullptr;
  return &kTests[static_cast<std::size_t>(testNumber - 1)];
}

int testScore(int correctCount, int incorrectCount) {
  const int graded = correctCount + incorrectCount;
  if (graded <= 0) return 0;
  const double exact = static_cast<double>(correctCount) / graded * 1000.0;
  const double below = std::floor(exact);
  const double fraction = exact - below;
  double rounded = fraction < 0.5 ? below : below + 1.0;
  if (fraction == 0.5 && std::fmod(below, 2.0) == 0.0) rounded = below;
  return static_cast<int>(rounded);
}

TestReport gradeTest(const RouterState& router, const TestGrading& test,
                     std::string_view solutionText) {
  TestReport report;
  std::string& text = report.text;
  text = std::string(test.title) + std::string(kLineBreak) + std::string(kLineBreak) +
         "'Diagnostic Report': ";
  for (const GradedTask& task : test.tasks) {
    text += kLineBreak;
    text += task.label;
    if (task.check == nullptr) continue;
    const bool correct = task.check(router.config);
    text += correct ? "Correct" : "Incorrect";
    ++(correct ? report.correctCount : report.incorrectCount);
  }
  report.score = testScore(report.correctCount, report.incorrectCount);
  const std::string grade = report.score < kPassMark ? "Fail!" : "Pass!";
  for (const std::string& line :
       {std::string("   "), std::string("Total Score: 1000"),
        "Your Score: " + std::to_string(report.score), "Your Grade: " + grade, std::string("   "),
        std::string(test.solutionHeading), std::string("  ")}) {
    text += kLineBreak;
    text += line;
  }
  if (!solutionText.empty()) {
    text += kLineBreak;
    text += solutionText;
  }
  return report;
}

std::string displayAnswerToTest(Simulator& sim, int testNumber) {
  const TestGrading* test = testGrading(testNumber);
  if (test == nullptr) return {};
  const std::string solution = trapped(
      sim, "displayAnswerToTest" + std::to_string(testNumber),
      [&] { return sim.database.testText(test->solutionKey).value_or(""); }, std::string());
  const std::string report = gradeTest(sim.router(), *test, solution).text;
  displayAnswerText(sim, report);
  return report;
}

std::string openTestReport(Simulator& sim) {
  sim.state.training.currentActivity = Activity::testReport;
  if (RichTextTarget* pane = sim.state.training.panes.report) pane->clear();
  return displayAnswerToTest(sim, sim.state.training.currentTest);
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/grading.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/simulator.h"
#include "network/lab_topology.h"
#include "network/network_view.h"
#include "network/reachability.h"
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

// A router's live configuration, whether it is at the console or parked.
const RouterConfig& configOf(const Simulator& sim, RouterId router) {
  if (sim.state.currentRouter == router) return sim.state.current.config;
  return router == RouterId::a ? sim.state.parkedA.config : sim.state.parkedB.config;
}

bool addressIs(const InterfaceConfig& interface, std::string_view address, std::string_view mask) {
  return interface.ipAddress == address && interface.subnetMask == mask;
}

bool ripFor(const RouterConfig& config, std::string_view lan, std::string_view link) {
  return config.ripEnabled && hasRipNetwork(config.ripNetworks, lan) &&
         hasRipNetwork(config.ripNetworks, link);
}

// Whether a ping from `router` would succeed now, whichever router is at the console: seen from
// the parked router, the one at the console is the other.
bool pingsFrom(const Simulator& sim, RouterId router, std::string_view target) {
  const NetworkView view = networkView(sim);
  if (router == sim.state.currentRouter) return testReachability(view, target);
  return testReachability(NetworkView{view.other, view.own, view.addresses, view.topology, router},
                          target);
}

constexpr std::array kTest4Tasks{
    GradedTask{"Part1> Configuring RouterA", nullptr},
    GradedTask{"   1a> Ethernet0 address, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& lan = configOf(s, RouterId::a).ethernet0;
                 return addressIs(lan, "200.61.1.1", "255.255.255.0") && !lan.shutdown;
               }},
    GradedTask{"   1b> Serial0 address, clock rate, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& link = configOf(s, RouterId::a).serial0;
                 return addressIs(link, "200.63.1.1", "255.255.255.0") && link.clockRate == 64000 &&
                        !link.shutdown;
               }},
    GradedTask{"   1c> RIP for both networks: ", nullptr,
               [](const Simulator& s) {
                 return ripFor(configOf(s, RouterId::a), "200.61.1.0", "200.63.1.0");
               }},
    GradedTask{"Part2> Configuring RouterB", nullptr},
    GradedTask{"   2a> Ethernet0 address, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& lan = configOf(s, RouterId::b).ethernet0;
                 return addressIs(lan, "200.62.1.1", "255.255.255.0") && !lan.shutdown;
               }},
    GradedTask{"   2b> Serial1 address, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& link = configOf(s, RouterId::b).serial1;
                 return addressIs(link, "200.63.1.2", "255.255.255.0") && !link.shutdown;
               }},
    GradedTask{"   2c> RIP for both networks: ", nullptr,
               [](const Simulator& s) {
                 return ripFor(configOf(s, RouterId::b), "200.62.1.0", "200.63.1.0");
               }},
    GradedTask{"Part3> RouterA reaches the LAN of RouterB: ", nullptr,
               [](const Simulator& s) { return pingsFrom(s, RouterId::a, "200.62.1.10"); }},
    GradedTask{"Part4> RouterB reaches the LAN of RouterA: ", nullptr,
               [](const Simulator& s) { return pingsFrom(s, RouterId::b, "200.61.1.10"); }},
};

// A static route to the network /24 that leads to the next hop or out of the interface named.
bool routesTo(const RouterConfig& config, std::string_view network, std::string_view nextHop,
              InterfaceNumber exit) {
  return std::any_of(config.staticRoutes.begin(), config.staticRoutes.end(),
                     [&](const StaticRoute& route) {
                       return route.network == network && route.mask == "255.255.255.0" &&
                              (route.nextHop == nextHop || route.interface == exit);
                     });
}

bool runsNoRoutingProtocol(const RouterConfig& config) {
  return !config.ripEnabled && !config.igrpEnabled;
}

constexpr std::array kTest6Tasks{
    GradedTask{"Part1> Configuring RouterA", nullptr},
    GradedTask{"   1a> Ethernet0 address, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& lan = configOf(s, RouterId::a).ethernet0;
                 return addressIs(lan, "10.6.1.1", "255.255.255.0") && !lan.shutdown;
               }},
    GradedTask{"   1b> Serial0 /30 address, clock rate, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& link = configOf(s, RouterId::a).serial0;
                 return addressIs(link, "10.6.3.1", "255.255.255.252") && link.clockRate == 64000 &&
                        !link.shutdown;
               }},
    GradedTask{"   1c> Static route to 10.6.2.0/24: ", nullptr,
               [](const Simulator& s) {
                 return routesTo(configOf(s, RouterId::a), "10.6.2.0", "10.6.3.2", kSerial0);
               }},
    GradedTask{"Part2> Configuring RouterB", nullptr},
    GradedTask{"   2a> Ethernet0 address, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& lan = configOf(s, RouterId::b).ethernet0;
                 return addressIs(lan, "10.6.2.1", "255.255.255.0") && !lan.shutdown;
               }},
    GradedTask{"   2b> Serial1 /30 address, up: ", nullptr,
               [](const Simulator& s) {
                 const InterfaceConfig& link = configOf(s, RouterId::b).serial1;
                 return addressIs(link, "10.6.3.2", "255.255.255.252") && !link.shutdown;
               }},
    GradedTask{"   2c> Static route to 10.6.1.0/24: ", nullptr,
               [](const Simulator& s) {
                 return routesTo(configOf(s, RouterId::b), "10.6.1.0", "10.6.3.1", kSerial1);
               }},
    GradedTask{"Part3> No routing protocol on either router: ", nullptr,
               [](const Simulator& s) {
                 return runsNoRoutingProtocol(configOf(s, RouterId::a)) &&
                        runsNoRoutingProtocol(configOf(s, RouterId::b));
               }},
    GradedTask{"Part4> RouterA reaches the LAN of RouterB: ", nullptr,
               [](const Simulator& s) { return pingsFrom(s, RouterId::a, "10.6.2.10"); }},
    GradedTask{"Part5> RouterB reaches the LAN of RouterA: ", nullptr,
               [](const Simulator& s) { return pingsFrom(s, RouterId::b, "10.6.1.10"); }},
};

constexpr std::array kTest5Tasks{
    GradedTask{"Part1> Setting the enable secret: ",
               [](const RouterConfig& c) { return valueIs(c.enableSecret, "vault55"); }},
    GradedTask{"Part2> Configuring console 0", nullptr},
    GradedTask{"   2a> Setting password: ",
               [](const RouterConfig& c) {
                 return valueIs(c.line(TerminalLine::console).password, "con55");
               }},
    GradedTask{"   2b> Enabling login: ",
               [](const RouterConfig& c) { return c.line(TerminalLine::console).login; }},
    GradedTask{"Part3> Configuring vty lines", nullptr},
    GradedTask{
        "   3a> Setting password: ",
        [](const RouterConfig& c) { return valueIs(c.line(TerminalLine::vty).password, "vty55"); }},
    GradedTask{"   3b> Enabling login: ",
               [](const RouterConfig& c) { return c.line(TerminalLine::vty).login; }},
    GradedTask{"   3c> Setting timeout: ",
               [](const RouterConfig& c) {
                 return c.line(TerminalLine::vty).execTimeoutMinutes == 5 &&
                        c.line(TerminalLine::vty).execTimeoutSeconds == 0;
               }},
    GradedTask{
        "Part4> Login banner: ",
        [](const RouterConfig& c) { return textIs(c.bannerLogin, "authorised access only"); }},
    GradedTask{"Part5> Saving the configuration: ", nullptr,
               [](const Simulator& s) {
                 const RouterConfig& saved = s.state.saved;
                 return valueIs(saved.enableSecret, "vault55") &&
                        valueIs(saved.line(TerminalLine::vty).password, "vty55") &&
                        valueIs(saved.line(TerminalLine::console).password, "con55") &&
                        textIs(saved.bannerLogin, "authorised access only");
               }},
};

constexpr std::array kTests{
    TestGrading{"Test 1 Report", kTest1Tasks, "test1Solution", "Solution To Test 1"},
    TestGrading{"Test 2 Report", kTest2Tasks, "test2Solution", "Solution To Test 2"},
    TestGrading{"Test 3 Report", kTest3Tasks, "test3Solution", "Solution To Test 3"},
    TestGrading{"Test 4 Report", kTest4Tasks, "test4Solution", "Solution To Test 4"},
    TestGrading{"Test 5 Report", kTest5Tasks, "test5Solution", "Solution To Test 5"},
    TestGrading{"Test 6 Report", kTest6Tasks, "test6Solution", "Solution To Test 6"},
};

constexpr std::string_view kLineBreak = "\r\n";

// The submitted report shown again, with a note under its title that it is the one kept.
std::string withSubmittedNote(const std::string& report) {
  const std::size_t titleEnd = std::min(report.find(kLineBreak), report.size());
  return report.substr(0, titleEnd) + std::string(kLineBreak) + std::string(kLineBreak) +
         "'Submitted already:' this is the report of your submission, and its score is kept. "
         "Reset starts the test again for a new attempt." +
         report.substr(titleEnd);
}

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

TestReport gradeTest(const Simulator& sim, const TestGrading& test, std::string_view solutionText) {
  TestReport report;
  std::string& text = report.text;
  text = std::string(test.title) + std::string(kLineBreak) + std::string(kLineBreak) +
         "'Diagnostic Report': ";
  for (const GradedTask& task : test.tasks) {
    text += kLineBreak;
    text += task.label;
    if (task.check == nullptr && task.network == nullptr) continue;
    const bool correct =
        task.network != nullptr ? task.network(sim) : task.check(sim.state.current.config);
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
  const std::string report = gradeTest(sim, *test, solution).text;
  displayAnswerText(sim, report);
  return report;
}

std::string openTestReport(Simulator& sim) {
  TrainingState& training = sim.state.training;
  training.currentActivity = Activity::testReport;
  if (RichTextTarget* pane = training.panes.report) pane->clear();
  if (!training.submittedReport.empty()) {
    // The model solution has been shown: grading again would score what it gave away.
    const std::string report = withSubmittedNote(training.submittedReport);
    displayAnswerText(sim, report);
    return report;
  }
  const int testNumber = training.currentTest;
  const std::string report = displayAnswerToTest(sim, testNumber);
  // Every submission is kept with its score, so the student sees the best and the last.
  if (const TestGrading* test = testGrading(testNumber)) {
    sim.progress.recordTest(testNumber, gradeTest(sim, *test, {}).score,
                            storedTime(sim.services.clock.now()));
    training.submittedReport = report;
    if (auto notice = sim.progress.takeNotice()) sim.services.messageBox.show(*notice);
  }
  return report;
}

}  // namespace kovrel

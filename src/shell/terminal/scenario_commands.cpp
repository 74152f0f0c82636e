// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/scenario_commands.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>

#include "base/simulator.h"
#include "network/topology_diagram.h"
#include "shell/terminal/feedback_commands.h"
#include "shell/terminal/training_commands.h"
#include "training/activity_menu.h"
#include "training/router_switch.h"
#include "training/scenarios.h"

namespace kovrel::terminal {
namespace {

using Arguments = std::span<const std::string>;

// The menu as a list: a heading line per group, then each item's number, caption and key, in
// columns so that the keys line up, and a tick after each item `done` names.
void listMenu(std::span<const ActivityMenuItem> menu, std::string_view heading, bool withGroups,
              ProgramCommandResult& result,
              const std::function<bool(std::string_view key)>& done = {}) {
  result.lines.emplace_back(heading);
  std::size_t width = 0;
  for (const ActivityMenuItem& item : menu) width = std::max(width, item.caption.size());
  std::string_view group;
  for (std::size_t i = 0; i < menu.size(); ++i) {
    if (withGroups && menu[i].group != group) {
      group = menu[i].group;
      result.lines.emplace_back(group);
    }
    std::string number = std::to_string(i + 1);
    std::string line = std::string(4 - std::min<std::size_t>(number.size(), 3), ' ') + number;
    std::string caption(menu[i].caption);
    caption.resize(width, ' ');
    line += "  " + caption + "  " + std::string(menu[i].key);
    if (done && done(menu[i].key)) line += "  " + std::string(tickMark(true));
    result.lines.push_back(line);
  }
}

void listLabs(const Simulator& sim, ProgramCommandResult& result) {
  const auto& labs = sim.progress.progress().labs;
  listMenu(labMenu(), "Labs (lab and a number, a key or a caption starts one):", true, result,
           [&](std::string_view key) {
             const auto found = labs.find(std::string(key));
             return found != labs.end() && found->second.completedAt.has_value();
           });
}

void listTests(ProgramCommandResult& result) {
  listMenu(testMenu(), "Tests (test and a number starts one):", false, result);
}

void listTroubleshootings(ProgramCommandResult& result) {
  listMenu(troubleshootingMenu(),
           "Troubleshooting scenarios (troubleshooting and a number starts one):", false, result);
}

// Starts an activity and shows what the student needs first: the study mode, then the
// instructions. A start that put Test Mode back to Learn Mode says so. Work in a test or scenario
// is replaced only once the student has agreed.
template <typename Start>
void startActivity(Simulator& sim, ProgramCommandResult& result, Start start) {
  if (!result.replaceAgreed && hasWorkToLose(sim)) {
    result.question = replaceWorkQuestion(sim);
    return;
  }
  const bool wasLearnMode = sim.state.training.learnMode;
  start();
  const bool learnMode = sim.state.training.learnMode;
  result.lines.push_back(studyModeLine(learnMode, learnMode && !wasLearnMode));
  addInstructionPane(sim, result);
}

std::string joined(std::span<const std::string> words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

void switchTo(Simulator& sim, RouterId router, ProgramCommandResult& result) {
  const char* name = router == RouterId::a ? "RouterA" : "RouterB";
  switch (switchRouter(sim, router)) {
    case SwitchOutcome::alreadyThere:
      result.lines.push_back(std::string(name) + " is already at the console.");
      break;
    case SwitchOutcome::noSecondRouter:
      result.lines.push_back("Only the two-router activities have a second router.");
      break;
    case SwitchOutcome::switched:
    case SwitchOutcome::refusedBusy:  // the message box has told the user
      break;
  }
}

constexpr int kDiagramWidth = 80;

}  // namespace

bool localeIsUtf8(const char* lcAll, const char* lcCtype, const char* lang) {
  // The first variable that is set decides, as it does for the C library.
  for (const char* value : {lcAll, lcCtype, lang}) {
    if (value == nullptr || *value == '\0') continue;
    std::string lower;
    for (const char* c = value; *c != '\0'; ++c) {
      if (*c != '-') lower += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    }
    return lower.find("utf8") != std::string::npos;
  }
  return false;
}

void labsCommand(Simulator& sim, Arguments, ProgramCommandResult& result) { listLabs(sim, result); }

void labCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  if (arguments.empty()) return listLabs(sim, result);
  const std::string name = joined(arguments);
  const std::optional<ActivityMenuItem> lab = findMenuItem(labMenu(), name);
  if (!lab) {
    result.lines.push_back("No lab named '" + name + "'; type labs for the list");
    return;
  }
  startActivity(sim, result, [&] { startLab(sim, std::string(lab->key)); });
}

void testsCommand(Simulator&, Arguments, ProgramCommandResult& result) { listTests(result); }

void testCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  if (arguments.empty()) return listTests(result);
  const std::optional<ActivityMenuItem> test = findMenuItem(testMenu(), arguments[0]);
  if (!test) {
    result.lines.push_back("There are tests 1 to " + std::to_string(testMenu().size()) + ".");
    return;
  }
  startActivity(sim, result, [&] { startTest(sim, std::string(test->key)); });
}

void troubleshootingsCommand(Simulator&, Arguments, ProgramCommandResult& result) {
  listTroubleshootings(result);
}

void troubleshootingCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  if (arguments.empty()) return listTroubleshootings(result);
  const std::optional<ActivityMenuItem> scenario =
      findMenuItem(troubleshootingMenu(), arguments[0]);
  if (!scenario) {
    result.lines.push_back("There are troubleshooting scenarios 1 to " +
                           std::to_string(troubleshootingMenu().size()) + ".");
    return;
  }
  startActivity(sim, result, [&] { startTroubleshooting(sim, std::string(scenario->key)); });
}

void routerACommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  switchTo(sim, RouterId::a, result);
}

void routerBCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  switchTo(sim, RouterId::b, result);
}

void networkCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  const bool unicode =
      localeIsUtf8(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG"));
  const std::string text = renderDiagramText(diagramFor(sim), kDiagramWidth, unicode);
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    result.lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

void startFirstActivity(Simulator& sim, const Options& options) {
  switch (options.firstActivity) {
    case FirstActivity::test:
      startTest(sim, "test" + options.firstActivityKey);
      break;
    case FirstActivity::troubleshooting:
      startTroubleshooting(sim, "troubleshooting" + options.firstActivityKey);
      break;
    case FirstActivity::lab:
      startLab(sim, options.firstActivityKey);
      break;
  }
}

}  // namespace kovrel::terminal

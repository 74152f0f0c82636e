#include "shell/terminal/scenario_commands.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

#include "base/simulator.h"
#include "network/topology_diagram.h"
#include "training/instructions.h"
#include "training/router_switch.h"
#include "training/scenarios.h"

namespace kovrel::terminal {
namespace {

using Arguments = std::span<const std::string>;

std::optional<int> numberFrom(const std::string& text, int last) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < 1 || number > last) {
    return std::nullopt;
  }
  return number;
}

void showInstructions(Simulator& sim, ProgramCommandResult& result) {
  for (const StyledRun& run : instructionPaneRuns(sim.state.training)) {
    appendRun(result.richText, run.text, run.style);
  }
}

void switchTo(Simulator& sim, int router, ProgramCommandResult& result) {
  const char* name = router == 0 ? "RouterA" : "RouterB";
  switch (switchRouter(sim, router)) {
    case SwitchOutcome::alreadyThere:
      result.lines.push_back(std::string(name) + " is already at the console.");
      break;
    case SwitchOutcome::noSecondRouter:
      result.lines.push_back("Only troubleshooting 4 to 6 have a second router.");
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

void labCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  initLabs(sim, arguments[0]);
  showInstructions(sim, result);
}

void testCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  const std::optional<int> test = numberFrom(arguments[0], 3);
  if (!test) {
    result.lines.push_back("There are tests 1, 2 and 3.");
    return;
  }
  initTests(sim, "test" + std::to_string(*test));
  showInstructions(sim, result);
}

void troubleshootingCommand(Simulator& sim, Arguments arguments, ProgramCommandResult& result) {
  const std::optional<int> scenario = numberFrom(arguments[0], 6);
  if (!scenario) {
    result.lines.push_back("There are troubleshooting scenarios 1 to 6.");
    return;
  }
  inittroubleshooting(sim, "troubleshooting" + std::to_string(*scenario));
  showInstructions(sim, result);
}

void routerACommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  switchTo(sim, 0, result);
}

void routerBCommand(Simulator& sim, Arguments, ProgramCommandResult& result) {
  switchTo(sim, 1, result);
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
      initTests(sim, "test" + options.firstActivityKey);
      break;
    case FirstActivity::troubleshooting:
      inittroubleshooting(sim, "troubleshooting" + options.firstActivityKey);
      break;
    case FirstActivity::lab:
      initLabs(sim, options.firstActivityKey);
      break;
  }
}

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/web/web_session.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "base/error_log.h"
#include "console/session.h"
#include "network/topology_diagram.h"
#include "shell/terminal/interactive_terminal.h"
#include "shell/terminal/key_event.h"
#include "shell/terminal/pasted_keys.h"
#include "shell/web/page_bridge.h"
#include "training/activity_menu.h"
#include "training/flash_cards.h"
#include "training/grading.h"
#include "training/hints.h"
#include "training/information.h"
#include "training/instructions.h"
#include "training/router_switch.h"
#include "training/scenarios.h"
#include "training/step_tracker.h"

namespace kovrel::web {
namespace {

constexpr const char* kHeader = " Kovrel Router Simulator ";
// The terminal sends pasted text between marks, so a paste is never answered as keys at a pause.
constexpr std::string_view kBracketedPasteOn = "\x1b[?2004h";
// The page mounts this folder from the browser's IndexedDB before the engine starts and writes it
// back after changes, so the student's progress outlives a reload of the page.
constexpr const char* kProgressPath = "/progress/progress.db";

std::string_view activityName(Activity activity) {
  switch (activity) {
    case Activity::lab:
      return "lab";
    case Activity::information:
      return "information";
    case Activity::flashCards:
      return "flashCards";
    case Activity::test:
      return "test";
    case Activity::testReport:
      return "testReport";
    case Activity::troubleshooting:
      return "troubleshooting";
  }
  return "lab";
}

std::string jsonBool(bool value) { return value ? "true" : "false"; }

std::string_view hintStateName(HintState state) {
  switch (state) {
    case HintState::offered:
      return "offered";
    case HintState::allRevealed:
      return "allRevealed";
    case HintState::testMode:
      return "testMode";
    case HintState::none:
      return "none";
  }
  return "none";
}

std::string checklistJson(const std::vector<StepStatus>& steps) {
  std::string json;
  for (const StepStatus& step : steps) {
    json += (json.empty() ? "[" : ",") + std::string("{\"number\":") + std::to_string(step.number) +
            ",\"heading\":" + jsonString(step.heading) + ",\"done\":" + jsonBool(step.done) + "}";
  }
  return json.empty() ? "[]" : json + "]";
}

std::string topicsJson(const std::vector<std::string>& topics) {
  std::string json;
  for (const std::string& topic : topics) json += (json.empty() ? "[" : ",") + jsonString(topic);
  return json.empty() ? "[]" : json + "]";
}

std::string menuJson(std::span<const ActivityMenuItem> menu) {
  std::string json;
  for (const ActivityMenuItem& item : menu) {
    json += (json.empty() ? "[" : ",") + std::string("{\"group\":") + jsonString(item.group) +
            ",\"caption\":" + jsonString(item.caption) + ",\"key\":" + jsonString(item.key) + "}";
  }
  return json.empty() ? "[]" : json + "]";
}

// The activity menus as the engine's table has them, for the page's menu bar.
std::string menusJson() {
  return "{\"labs\":" + menuJson(labMenu()) + ",\"tests\":" + menuJson(testMenu()) +
         ",\"troubleshooting\":" + menuJson(troubleshootingMenu()) + "}";
}

}  // namespace

PageByteSource::Status PageByteSource::read(char* buffer, std::size_t size, std::size_t& count,
                                            bool briefly) {
  count = 0;
  while (position_ == pending_.size()) {
    PageInput input = nextPageInput(!briefly, idle_);
    if (input.kind == PageInput::Kind::none) return Status::timedOut;
    if (input.kind == PageInput::Kind::keys) {
      pending_ = std::move(input.text);
      position_ = 0;
    } else if (idle_) {
      runner_(input.text);
    } else {
      publish("refused", jsonString(input.text));
    }
  }
  count = std::min(size, pending_.size() - position_);
  std::memcpy(buffer, pending_.data() + position_, count);
  position_ += count;
  return Status::data;
}

void PagePauser::pause(int milliseconds) { sleepMilliseconds(milliseconds); }

void PageMessageBox::show(const std::string& text) { showPageMessage(text); }

std::string PageErrorLog::write(const std::vector<std::string>& lines, bool) {
  for (const std::string& line : lines) std::fprintf(stderr, "%s\n", line.c_str());
  return "the browser's console";
}

WebSession::WebSession(std::string databasePath)
    : databasePath_(std::move(databasePath)),
      screen_([](std::string_view text) { writeTerminal(text); }, kHeader),
      source_([this](const std::string& command) { runCommand(command); }),
      keys_(source_),
      keyWaiter_(keys_),
      random_(std::nullopt),
      sim_(Services{screen_, pauser_, keyWaiter_, messageBox_, clock_, random_, errorLog_}) {
  sim_.state.training.listener = this;
  sim_.state.training.panes = {&instructions_, &information_, &report_};
}

// Start-up as kovrel-term does it: the welcome text read, and the console of the first lab open,
// so that the student can type at once.
void WebSession::run() {
  publish("menus", menusJson());
  writeTerminal(kBracketedPasteOn);
  trapped(sim_, "setWelcomeText", [&] { setWelcomeText(sim_, databasePath_); });
  openProgress();
  startActivity([&] { startLab(sim_, "aboutTheLabs"); });
  publishChanges();
  for (;;) {
    source_.setIdle(true);
    const std::optional<terminal::KeyEvent> event = keys_.next();
    source_.setIdle(false);
    if (!event) break;
    // The page has menus where the terminal has its program command line. A paste is typed by
    // the console's paste rules; Esc or Ctrl-C typed after it stops it.
    if (event->kind == terminal::KeyEventKind::pasteStart) {
      bool quit = false;
      const PasteResult result = terminal::typePastedKeys(
          sim_, keys_.takePaste(),
          [this](const terminal::KeyEvent& key) {
            deliverKey(sim_, key);
            return false;
          },
          [this] { return keys_.takeCancelKey(); }, quit);
      if (result.cancelled()) showPageMessage(pasteCancelledNotice(result));
    } else if (event->kind != terminal::KeyEventKind::programCommand) {
      deliverKey(sim_, *event);
    }
    publishChanges();
  }
}

void WebSession::runCommand(const std::string& command) {
  std::istringstream words(command);
  std::string verb;
  std::string argument;
  words >> verb;
  std::getline(words >> std::ws, argument);
  Simulator& sim = sim_;
  if (verb == "lab") {
    startActivity([&] { startLab(sim, argument); });
  } else if (verb == "test") {
    startActivity([&] { startTest(sim, argument); });
  } else if (verb == "troubleshooting") {
    startActivity([&] { startTroubleshooting(sim, argument); });
  } else if (verb == "information") {
    trapped(sim, "openInformation", [&] { openInformation(sim, argument); });
  } else if (verb == "cards") {
    trapped(sim, "openFlashCards", [&] {
      publish("topics", topicsJson(flashCardTopics(sim)));
      publishCard(openFlashCards(sim));
    });
  } else if (verb == "card") {
    trapped(sim, "flashCard", [&] {
      publishCard(argument == "back"     ? flashCardBack(sim)
                  : argument == "answer" ? flashCardShowAnswer(sim)
                                         : flashCardForward(sim));
    });
  } else if (verb == "rate") {
    trapped(sim, "rateFlashCard", [&] { publishCard(rateFlashCard(sim, argument == "knew")); });
  } else if (verb == "topic") {
    trapped(sim, "chooseCardTopic", [&] { publishCard(chooseCardTopic(sim, argument)); });
  } else if (verb == "hint") {
    trapped(sim, "revealHint", [&] { revealHint(sim); });
  } else if (verb == "solution") {
    trapped(sim, "revealSolution", [&] { revealSolution(sim); });
  } else if (verb == "reset") {
    trapped(sim, "resetActivity", [&] { resetActivity(sim); });
    checklistChanged_ = true;
  } else if (verb == "mode") {
    trapped(sim, "selectStudyMode", [&] { selectStudyMode(sim, argument == "learn"); });
  } else if (verb == "submit") {
    trapped(sim, "openTestReport", [&] { openTestReport(sim); });
  } else if (verb == "router") {
    trapped(sim, "switchRouter",
            [&] { switchRouter(sim, argument == "B" ? RouterId::b : RouterId::a); });
  } else if (verb == "picture") {
    pictureShown_ = argument != "off";
    if (argument == "dark" || argument == "light") darkPicture_ = argument == "dark";
    lastPicture_.clear();
  } else if (verb == "size") {
    resize(argument);
  }
  publishChanges();
}

void WebSession::startActivity(const std::function<void()>& launcher) {
  trapped(sim_, "startActivity", launcher);
  checklistChanged_ = true;
}

// A progress file that cannot be used is said once, and the lessons go on without saving.
void WebSession::openProgress() {
  trapped(sim_, "openProgress", [&] { sim_.progress.open(kProgressPath); });
  if (auto notice = sim_.progress.takeNotice()) showPageMessage(*notice);
}

void WebSession::scenarioSolved(int scenario) { publish("solved", std::to_string(scenario)); }

void WebSession::resize(const std::string& arguments) {
  int rows = 0;
  int columns = 0;
  if (std::sscanf(arguments.c_str(), "%d %d", &rows, &columns) != 2 || rows < 2 || columns < 20) {
    return;
  }
  screen_.resize(columns);
  sim_.state.console.pageLength = terminal::pageLengthForRows(rows);
}

void WebSession::activityStarted(const ActivityPanes& panes) {
  publish("activity", "{\"activity\":" + jsonString(activityName(panes.activity)) +
                          ",\"twoRouters\":" + jsonBool(panes.topology == TopologyPane::twoRouter) +
                          ",\"closePicture\":" + jsonBool(panes.closeNetworkPicture) +
                          ",\"focusLearnMode\":" + jsonBool(panes.focusLearnMode) +
                          ",\"submit\":" + jsonBool(panes.showAnswerAndSubmit) + "}");
}

void WebSession::routerSwitched(RouterId currentRouter) {
  publish("router", jsonString(currentRouter == RouterId::b ? "B" : "A"));
}

void WebSession::publishCard(const FlashCardView& view) {
  publish("card", "{\"question\":" + jsonString(view.questionBox) + ",\"answer\":" +
                      jsonString(view.answerBox) + ",\"back\":" + jsonBool(view.backEnabled) +
                      ",\"forward\":" + jsonBool(view.forwardEnabled) +
                      ",\"showAnswer\":" + jsonBool(view.showAnswerEnabled) +
                      ",\"rate\":" + jsonBool(view.rateEnabled) + "}");
}

// After every key and command: the panes whose text changed, the picture when it is open and
// differs, and where the training stands.
void WebSession::publishChanges() {
  for (auto [name, pane] :
       {std::pair{"instructions", &instructions_}, std::pair{"information", &information_},
        std::pair{"report", &report_}}) {
    if (pane->takeChanged()) {
      publish("pane", "{\"name\":" + jsonString(name) +
                          ",\"html\":" + jsonString(runsToHtml(pane->runs())) + "}");
    }
  }
  if (pictureShown_) {
    std::string picture;
    trapped(sim_, "showNetwork", [&] {
      const TopologyDiagram diagram = diagramFor(sim_);
      picture = "{\"title\":" + jsonString(diagram.title) + ",\"svg\":" +
                jsonString(renderDiagramSvg(
                    diagram, darkPicture_ ? DiagramPalette::dark : DiagramPalette::light)) +
                "}";
    });
    if (!picture.empty() && picture != lastPicture_) publish("picture", picture);
    lastPicture_ = std::move(picture);
  }
  if (checklistChanged_) publishChecklist();
  publishState();
}

// The steps of the current lab or scenario with their ticks; the page writes its progress back
// to the browser's storage when it hears of a change.
void WebSession::publishChecklist() {
  checklistChanged_ = false;
  std::vector<StepStatus> steps;
  trapped(sim_, "stepChecklist", [&] { steps = stepChecklist(sim_); });
  publish("checklist", checklistJson(steps));
}

void WebSession::publishState() {
  const TrainingState& training = sim_.state.training;
  const SolutionHints hints = solutionHints(training);
  publish("state", "{\"activity\":" + jsonString(activityName(training.currentActivity)) +
                       ",\"learnMode\":" + jsonBool(training.learnMode) +
                       ",\"canReset\":" + jsonBool(canResetActivity(sim_)) +
                       ",\"hints\":" + jsonString(hintStateName(hints.state)) + "}");
}

}  // namespace kovrel::web

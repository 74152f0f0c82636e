// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/step_tracker.h"

#include <algorithm>
#include <optional>

#include "base/activity_listener.h"
#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/output.h"
#include "console/keyboard.h"
#include "console/session.h"
#include "training/check_terms.h"
#include "training/lesson_steps.h"
#include "training/router_switch.h"
#include "training/scenarios.h"

namespace kovrel {
namespace {

/// Something the student did with one key, as the event terms name it.
struct SeenEvent {
  CheckKind kind;
  std::string detail;
  bool accepted = true;  // a command line the router did not answer with an error reply
};

// A typed word such as "s0" or "ethernet0" is the interface name and its number.
void addWord(std::vector<std::string>& words, std::string word) {
  const std::size_t digits = word.find_first_of("0123456789");
  const bool letters = digits != std::string::npos && digits > 0 &&
                       word.find_first_not_of("0123456789", digits) == std::string::npos;
  if (letters) {
    const std::string name = word.substr(0, digits);
    if (std::string_view("ethernet").starts_with(name) ||
        std::string_view("serial").starts_with(name)) {
      words.push_back(name);
      words.push_back(word.substr(digits));
      return;
    }
  }
  words.push_back(std::move(word));
}

std::vector<std::string> commandWords(std::string_view line) {
  std::vector<std::string> words;
  const std::string lower = toLower(line);
  for (std::size_t start = 0; start < lower.size();) {
    const std::size_t first = lower.find_first_not_of(" \t", start);
    if (first == std::string::npos) break;
    const std::size_t end = std::min(lower.find_first_of(" \t", first), lower.size());
    addWord(words, lower.substr(first, end - first));
    start = end;
  }
  return words;
}

std::string keyName(const HandledKey& key) {
  if (key.ctrl && key.keyCode >= 'A' && key.keyCode <= 'Z') {
    return std::string("ctrl-") + static_cast<char>(key.keyCode - 'A' + 'a');
  }
  switch (key.keyCode) {
    case key::kTab:
      return "tab";
    case key::kUp:
      return "up";
    case key::kDown:
      return "down";
    case key::kLeft:
      return "left";
    case key::kRight:
      return "right";
    case key::kEscape:
      return "esc";
    case key::kBackspace:
      return "backspace";
    default:
      return {};
  }
}

bool repliedWithError(std::string_view output) {
  return output.starts_with("% ") || output.find("\n% ") != std::string_view::npos;
}

void addLineEvents(const Simulator& sim, const HandledKey& key, std::vector<SeenEvent>& events) {
  const bool commandLine = key.interactionBefore == static_cast<int>(Interaction::none) &&
                           key.modeBefore != CliMode::none;
  if (!commandLine) return;
  const bool accepted = !repliedWithError(sim.console.outputSince(key.outputMark));
  if (key.character == key::kEnter) events.push_back({CheckKind::typed, key.typedBefore, accepted});
  if (key.character == '?') events.push_back({CheckKind::typed, key.typedBefore + "?", accepted});
}

void addStateEvents(const Simulator& sim, const HandledKey& key, std::vector<SeenEvent>& events) {
  const CliMode mode = sim.state.current.mode;
  if (key.modeBefore == CliMode::none && mode != CliMode::none) {
    events.push_back({CheckKind::sessionOpened, {}});
  }
  if (key.modeBefore != CliMode::none && mode == CliMode::none) {
    events.push_back({CheckKind::sessionClosed, {}});
  }
  const auto before = static_cast<Interaction>(key.interactionBefore);
  const bool settled = sim.interactionPending() == Interaction::none;
  if (before == Interaction::consoleLogin && settled && mode != CliMode::none) {
    events.push_back({CheckKind::answered, "console"});
  }
  if (before == Interaction::enablePassword && mode == CliMode::priv) {
    events.push_back({CheckKind::answered, "enable-password"});
  }
  if (before == Interaction::enableSecret && mode == CliMode::priv) {
    events.push_back({CheckKind::answered, "enable-secret"});
  }
  if (before == Interaction::vtyLogin && settled && mode == CliMode::user) {
    events.push_back({CheckKind::answered, "vty"});
  }
  if (before == Interaction::reloadConfirm && mode == CliMode::none) {
    events.push_back({CheckKind::reloaded, {}});
  }
  const bool dialog = before == Interaction::copyDialog || before == Interaction::configureSource;
  if (dialog && key.character == key::kEnter) {
    events.push_back({CheckKind::answered, toLower(key.typedBefore)});
    const std::string_view output = sim.console.outputSince(key.outputMark);
    const bool failed = repliedWithError(output) || output.find("%Error") != std::string::npos;
    if (before == Interaction::copyDialog && settled && !failed) {
      events.push_back({CheckKind::copyFinished, {}});
    }
  }
}

bool eventMatches(const CheckTerm& term, const SeenEvent& event) {
  const bool lineTerm = term.kind == CheckKind::typed || term.kind == CheckKind::tried;
  if (lineTerm) {
    return event.kind == CheckKind::typed && (event.accepted || term.kind == CheckKind::tried) &&
           commandMatches(term.arguments[0], event.detail);
  }
  if (term.kind != event.kind) return false;
  return term.arguments.empty() || term.arguments[0] == event.detail;
}

std::optional<int> troubleshootingNumber(const Simulator& sim) {
  const TrainingState& training = sim.state.training;
  if (training.currentActivity != Activity::troubleshooting) return std::nullopt;
  return training.currentTroubleshooting;
}

void showNotice(Simulator& sim) {
  if (auto notice = sim.progress.takeNotice()) sim.services.messageBox.show(*notice);
}

// Newly done steps, a completed lab and a solved scenario go to the progress store; a scenario's
// success is announced once, after the output of the command that brought it.
void recordProgress(Simulator& sim) {
  StepProgress& steps = sim.state.training.steps;
  const StoredTime now = storedTime(sim.services.clock.now());
  const std::optional<int> scenario = troubleshootingNumber(sim);
  if (!scenario) {
    for (std::size_t i = 0; i < steps.done.size(); ++i) {
      if (steps.done[i]) sim.progress.recordStep(steps.activityKey, static_cast<int>(i) + 1, now);
    }
    if (allStepsDone(sim)) sim.progress.recordLabCompleted(steps.activityKey, now);
  } else if (allStepsDone(sim) && !steps.solved) {
    steps.solved = true;
    writeConsoleLine(sim, "Troubleshooting " + std::to_string(*scenario) + " solved.");
    sim.progress.recordSolved(*scenario, now);
    if (ActivityListener* listener = sim.state.training.listener) {
      listener->scenarioSolved(*scenario);
    }
  }
  showNotice(sim);
}

void resetRouters(Simulator& sim) {
  returnConsoleToRouterA(sim);
  sim.state.current = RouterState{};
}

}  // namespace

bool commandMatches(std::string_view pattern, std::string_view typed) {
  const std::vector<std::string> wanted = commandWords(pattern);
  const std::vector<std::string> given = commandWords(typed);
  if (wanted.size() != given.size() || wanted.empty()) return false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    std::string_view want = wanted[i];
    std::string_view got = given[i];
    if (want.ends_with('?') != got.ends_with('?')) return false;
    if (want.ends_with('?')) {
      want.remove_suffix(1);
      got.remove_suffix(1);
      if (got.empty() != want.empty()) return false;
    }
    // Keywords may be shortened; numbers, addresses and names with digits are typed whole.
    const bool whole = want.find_first_of("0123456789") != std::string_view::npos;
    if (whole ? want != got : !want.starts_with(got) || (got.empty() && !want.empty()))
      return false;
  }
  return true;
}

void beginStepChecks(Simulator& sim) {
  TrainingState& training = sim.state.training;
  if (!training.keyObserver) training.keyObserver = followKey;
  StepProgress& steps = training.steps;
  steps = StepProgress{};
  std::string text;
  if (training.currentActivity == Activity::lab) {
    steps.activityKey = training.currentLabName;
    text = trapped(
        sim, "loadStepChecks", [&] { return sim.database.labChecks(steps.activityKey); },
        std::string());
  } else if (training.currentActivity == Activity::troubleshooting) {
    steps.activityKey = "troubleshooting" + std::to_string(training.currentTroubleshooting);
    text = trapped(
        sim, "loadStepChecks",
        [&] { return sim.database.troubleshootingChecks(steps.activityKey); }, std::string());
  }
  ParsedChecks parsed = parseChecks(text);
  if (parsed.error) parsed.checks.clear();  // the lesson build refuses such a text
  steps.checks = std::move(parsed.checks);
  steps.eventsSeen.resize(steps.checks.size());
  for (std::size_t i = 0; i < steps.checks.size(); ++i) {
    steps.eventsSeen[i].assign(steps.checks[i].terms.size(), false);
  }
  steps.done.assign(steps.checks.size(), false);
  steps.everDone.assign(steps.checks.size(), false);
  evaluateSteps(sim);
}

void followKey(Simulator& sim, const HandledKey& key) {
  StepProgress& steps = sim.state.training.steps;
  if (steps.checks.empty()) return;
  const bool plainTyping = !key.ctrl && key.character >= ' ' && key.character < 127 &&
                           key.character != '?' &&
                           key.interactionBefore == static_cast<int>(Interaction::none);
  if (plainTyping) return;
  std::vector<SeenEvent> events;
  addLineEvents(sim, key, events);
  addStateEvents(sim, key, events);
  if (const std::string name = keyName(key); !name.empty()) {
    events.push_back({CheckKind::pressed, name});
  }
  // Steps are ticked in order: what the student does counts for a step once the steps before it
  // were done, so a command that an earlier step asks for again does not tick a later one early.
  for (std::size_t i = 0; i < steps.checks.size() && (i == 0 || steps.everDone[i - 1]); ++i) {
    const auto& terms = steps.checks[i].terms;
    for (std::size_t t = 0; t < terms.size(); ++t) {
      if (!isEvent(terms[t].kind) || steps.eventsSeen[i][t]) continue;
      steps.eventsSeen[i][t] = std::any_of(events.begin(), events.end(), [&](const SeenEvent& e) {
        return eventMatches(terms[t], e);
      });
    }
  }
  evaluateSteps(sim);
}

bool evaluateSteps(Simulator& sim) {
  StepProgress& steps = sim.state.training.steps;
  bool changed = false;
  bool earlierDone = true;
  for (std::size_t i = 0; i < steps.checks.size(); ++i) {
    const StepCheck& check = steps.checks[i];
    bool holds = true;
    for (std::size_t t = 0; t < check.terms.size() && holds; ++t) {
      const CheckTerm& term = check.terms[t];
      if (term.kind == CheckKind::read) {
        holds = earlierDone;
      } else {
        holds = isEvent(term.kind) ? steps.eventsSeen[i][t] : factHolds(sim, term);
      }
    }
    const bool done = holds || (check.once && steps.everDone[i]);
    if (done != steps.done[i]) changed = true;
    steps.done[i] = done;
    if (done) steps.everDone[i] = true;
    earlierDone = earlierDone && steps.everDone[i];
  }
  if (changed) {
    recordProgress(sim);
    if (ActivityListener* listener = sim.state.training.listener) listener->stepsChanged();
  }
  return changed;
}

std::vector<StepStatus> stepChecklist(const Simulator& sim) {
  const TrainingState& training = sim.state.training;
  const StepProgress& steps = training.steps;
  std::vector<StepStatus> list;
  if (training.currentActivity == Activity::troubleshooting && !steps.checks.empty()) {
    list.push_back(
        {1, "Troubleshooting " + std::to_string(training.currentTroubleshooting) + " solved",
         allStepsDone(sim)});
    return list;
  }
  if (training.currentActivity != Activity::lab) return list;
  const std::vector<LessonStep> headings = lessonSteps(training.instructionText);
  for (std::size_t i = 0; i < steps.checks.size(); ++i) {
    const std::string heading = i < headings.size() ? headings[i].heading : std::string();
    list.push_back({static_cast<int>(i) + 1, heading, steps.done[i]});
  }
  return list;
}

bool allStepsDone(const Simulator& sim) {
  const StepProgress& steps = sim.state.training.steps;
  return !steps.done.empty() &&
         std::all_of(steps.done.begin(), steps.done.end(), [](bool done) { return done; });
}

bool canResetActivity(const Simulator& sim) {
  switch (sim.state.training.currentActivity) {
    case Activity::lab:
      return sim.state.training.consoleOpen;
    case Activity::test:
    case Activity::testReport:
    case Activity::troubleshooting:
      return true;
    default:
      return false;
  }
}

bool resetActivity(Simulator& sim) {
  if (!canResetActivity(sim)) return false;
  TrainingState& training = sim.state.training;
  switch (training.currentActivity) {
    case Activity::lab:
      resetRouters(sim);
      startFreshRouter(sim);
      training.linesEntered = 0;
      beginStepChecks(sim);
      return true;
    case Activity::test:
    case Activity::testReport:  // a test graded already is taken again
      resetRouters(sim);
      return startTest(sim, "test" + std::to_string(training.currentTest));
    case Activity::troubleshooting:
      resetRouters(sim);
      return startTroubleshooting(
          sim, "troubleshooting" + std::to_string(training.currentTroubleshooting));
    default:
      return false;
  }
}

}  // namespace kovrel

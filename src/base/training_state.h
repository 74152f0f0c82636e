// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/flash_card_deck.h"
#include "base/rich_text.h"
#include "base/router_records.h"
#include "base/step_check.h"

namespace kovrel {

class ActivityListener;

/// What the student is doing now (a lab, a test, a troubleshooting scenario ...).
enum class Activity {
  lab = 0,
  information = 1,
  flashCards = 2,
  test = 3,
  testReport = 4,
  troubleshooting = 5
};

/// The network a scenario runs on: the single router of the labs, or RouterA and RouterB linked
/// by a serial line.
enum class Topology { lab, twoRouters };

/// The router at the console; only the two-router topology has RouterB.
enum class RouterId { a, b };

/// The addresses of the current scenario's surroundings: the hosts and networks the reachability
/// rules compare the routers' configurations with. Empty until a scenario sets them.
struct AddressSet {
  std::string lanHost1;
  std::string lanHost2;
  std::string remoteHost1;
  std::string remoteHost2;
  std::string lanNetwork;
  std::string neighbourSerialAddress;  // lab topology only
  std::string remoteGateway;           // lab topology only
  std::string remoteMask;              // lab topology only
  std::string serialNetwork;           // lab topology only
  std::string remoteLanNetwork;        // two-router topology only

  bool operator==(const AddressSet&) const = default;
};

class Simulator;

/// One key as the console handled it, with what stood before it: the training layer learns from
/// it what the student did without knowing how the console parses a line.
struct HandledKey {
  int keyCode = 0;
  bool ctrl = false;
  int character = 0;
  CliMode modeBefore = CliMode::none;
  int interactionBefore = 0;   // the `Interaction` pending before the key
  std::string typedBefore;     // the typed text of the input line before the key
  std::size_t outputMark = 0;  // `ConsoleBuffer::writtenBytes` before the key
};

/// The current activity's step checks and the student's work towards them. `done` holds after
/// each command; the events seen stay seen until the activity starts again.
struct StepProgress {
  std::string activityKey;  // the lab key or "troubleshootingN"; empty: nothing is checked
  std::vector<StepCheck> checks;
  std::vector<std::vector<bool>> eventsSeen;  // per step, per term
  std::vector<bool> done;                     // per step
  std::vector<bool> everDone;                 // per step: done at some time in this run
  bool solved = false;                        // the scenario's success was announced
};

/// The training globals: the current activity, its topology and address set, and its
/// instruction texts.
struct TrainingState {
  Activity currentActivity = Activity::lab;
  Topology topology = Topology::lab;
  int currentTest = 1;
  int currentTroubleshooting = 1;
  std::string currentLabName;
  AddressSet addresses;
  std::string instructionText;
  std::string solutionText;
  int solutionStepsRevealed = 0;  // the troubleshooting solution's steps the student asked to see
  bool learnMode = true;  // Learn Mode shows every command (and the solutions); Test Mode does not
  bool consoleOpen = false;  // until the first scenario opens it, a lab starts from a fresh router
  // Lines the student entered at the console since the activity started: the work that starting
  // another activity would replace.
  int linesEntered = 0;
  // The report of the current test once it was submitted: the submission stands, and a new
  // attempt starts the test again.
  std::string submittedReport;
  ActivityListener* listener = nullptr;  // the front-end's panes; none in batch runs and tests
  RichTextPanes panes;          // the front-end's rich-text panes; a pane left null is not drawn
  std::string informationText;  // the information window's text, kept apart from the lesson's
  FlashCardDeck flashCards;     // the open flash-card viewer's deck
  StepProgress steps;           // the current activity's checks
  // Told of every key the console handled; set by the training layer, which follows the student.
  std::function<void(Simulator&, const HandledKey&)> keyObserver;
};

}  // namespace kovrel

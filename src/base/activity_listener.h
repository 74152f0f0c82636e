// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/training_state.h"

namespace kovrel {

/// The topology pane that sits beside the console: one router, or RouterA and RouterB with the
/// buttons that switch between them.
enum class TopologyPane { singleRouter, twoRouter };

/// The panes a scenario needs. A desktop front-end opens and closes windows by it; a terminal
/// announces the activity. Windows of other activities (information text, flash cards, test
/// report) are always closed when a scenario starts.
struct ActivityPanes {
  Activity activity = Activity::lab;
  TopologyPane topology = TopologyPane::singleRouter;
  bool closeNetworkPicture = false;  // the picture of the previous scenario no longer fits
  bool focusLearnMode = false;       // the study-mode options appear afresh, Learn Mode chosen
  bool showAnswerAndSubmit = false;  // tests: "Show Answer/ Submit" is offered
  bool operator==(const ActivityPanes&) const = default;
};

/// How the engine tells the front-end what happens around the console: a scenario started, or
/// the other router came to the console. Injected through `TrainingState::listener`.
class ActivityListener {
 public:
  virtual ~ActivityListener() = default;
  virtual void activityStarted(const ActivityPanes& panes) = 0;
  /// The network picture follows the router at the console.
  virtual void routerSwitched(RouterId currentRouter) = 0;
  /// A step of the current activity was done or undone: a checklist shows the change.
  virtual void stepsChanged() {}
  /// The troubleshooting scenario's goal was reached for the first time.
  virtual void scenarioSolved(int /*scenario*/) {}
};

}  // namespace kovrel

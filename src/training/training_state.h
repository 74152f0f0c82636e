#pragma once

#include <string>

namespace kovrel {

/// What the student is doing now (a lab, a test, a troubleshooting scenario ...).
enum class Activity { lab = 0, information = 1, flashCards = 2, test = 3, testReport = 4, troubleshooting = 5 };

/// The training globals: the current activity, its topology and its instruction texts.
struct TrainingState {
  Activity currentActivity = Activity::lab;
  int topologyKind = 1;  // 1 single router, 2 two routers
  int currentTest = 1;
  int currentTroubleshooting = 1;
  std::string currentLabName;
  std::string instructionText;
  std::string solutionText;
};

}  // namespace kovrel

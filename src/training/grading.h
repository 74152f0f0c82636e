// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/router_records.h"

namespace kovrel {

class Simulator;

/// One line of a test's diagnostic report: a graded task with its check on the running
/// configuration of the router at the console, or on the whole simulator (both routers, the saved
/// configuration, a ping) for a task that looks further; a group heading when it has neither.
struct GradedTask {
  std::string_view label;
  bool (*check)(const RouterConfig& config);
  bool (*network)(const Simulator& sim) = nullptr;
};

/// A test as its report grades it: the report's title, the tasks in report order, and the lesson
/// database key of its model solution.
struct TestGrading {
  std::string_view title;
  std::span<const GradedTask> tasks;
  std::string_view solutionKey;
  std::string_view solutionHeading;
};

/// The grading of a test by its number in the menu; null for any other number.
const TestGrading* testGrading(int testNumber);

/// The lowest score that passes.
inline constexpr int kPassMark = 801;

/// correct / (correct + incorrect) x 1000, rounded to the nearest whole number with halves going
/// to the even neighbour; 0 when nothing was graded.
int testScore(int correctCount, int incorrectCount);

/// A graded test: the report text (CR LF between lines) and its figures.
struct TestReport {
  std::string text;
  int correctCount = 0;
  int incorrectCount = 0;
  int score = 0;
};

/// Grades the routers as they are, changing nothing, and builds the report with the model solution
/// at its end.
TestReport gradeTest(const Simulator& sim, const TestGrading& test, std::string_view solutionText);

/// Grades the current router against test 1, 2 or 3 and shows the report. Returns the report
/// text.
std::string displayAnswerToTest(Simulator& sim, int testNumber);

/// Opens the test report window ("Show Answer/ Submit"): the current activity becomes the report
/// and the current test is graded; for no valid test the window stays empty. Returns the report.
std::string openTestReport(Simulator& sim);

}  // namespace kovrel

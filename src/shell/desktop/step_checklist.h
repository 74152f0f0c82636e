// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "training/step_tracker.h"

class QLabel;
class QListWidget;

namespace kovrel::desktop {

/// The checklist beside the instructions: each step of the current lab (or the goal of a
/// troubleshooting scenario) with a tick once its check holds, and how many are done. Hidden when
/// the activity has no steps to check.
class StepChecklist : public QWidget {
  Q_OBJECT

 public:
  explicit StepChecklist(QWidget* parent = nullptr);

  void showSteps(const std::vector<StepStatus>& steps);

  QListWidget* list() const { return list_; }
  QLabel* count() const { return count_; }
  /// The ticked steps, in order (for tests and screen readers alike).
  std::vector<bool> ticks() const;

 private:
  QLabel* count_;
  QListWidget* list_;
};

}  // namespace kovrel::desktop

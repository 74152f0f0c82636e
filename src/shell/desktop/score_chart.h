// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "training/progress_summary.h"

class QPainter;

namespace kovrel::desktop {

/// Paints each test's scores as a line over the student's submissions, oldest first, on a scale
/// of 0 to 1000 with the pass mark drawn across it; the colours follow `palette`.
void paintScoreChart(QPainter& painter, const QRectF& area, const std::vector<TestProgress>& tests,
                     const QPalette& palette);

/// The chart of the test scores in the Progress window; the same drawing goes into a saved summary.
class ScoreChart : public QWidget {
  Q_OBJECT

 public:
  explicit ScoreChart(QWidget* parent = nullptr);

  void setTests(std::vector<TestProgress> tests);
  /// The chart drawn on a white page, for a saved summary.
  QImage image(QSize size) const;
  /// How many scores the chart shows.
  int pointCount() const;

  QSize sizeHint() const override { return {520, 240}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TestProgress> tests_;
};

}  // namespace kovrel::desktop

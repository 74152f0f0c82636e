// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "shell/desktop/document_export.h"
#include "training/progress_summary.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTextDocument;

namespace kovrel::desktop {

class ScoreChart;

/// The Progress window: labs done by topic, each test's best and last score with the chart of its
/// scores over time, the troubleshooting scenarios solved and the flash cards due, as the
/// engine's progress summary gives them. It can be saved as a PDF or HTML page.
class ProgressWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent = nullptr);
  ~ProgressWindow() override;

  void showSummary(const ProgressSummary& summary);

  /// The summary as a page to save, the chart a picture named by `images`.
  std::unique_ptr<QTextDocument> document(DocumentImages& images) const;

  QLabel* labsDone() const { return labsDone_; }
  QTableWidget* labs() const { return labs_; }
  QTableWidget* tests() const { return tests_; }
  QTableWidget* solved() const { return solved_; }
  QLabel* cards() const { return cards_; }
  ScoreChart* chart() const { return chart_; }
  QPushButton* saveButton() const { return save_; }

 signals:
  void saveRequested();

 private:
  void fillLabs();
  void fillTests();
  void fillSolved();

  ProgressSummary summary_;
  QLabel* labsDone_;
  QTableWidget* labs_;
  QTableWidget* tests_;
  QTableWidget* solved_;
  QLabel* solvedHeading_;
  QLabel* cards_;
  QLabel* notSaved_;
  ScoreChart* chart_;
  QPushButton* save_;
};

}  // namespace kovrel::desktop

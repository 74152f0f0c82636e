// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kovrel::desktop {

/// The side panel: the study-mode options under "Instruction Mode", the buttons that move
/// between the instructions, the network picture and the test report, and Reset, which starts
/// the activity again from a fresh router.
class SidePanel : public QWidget {
  Q_OBJECT

 public:
  /// `logoFile`: the program's logo, shown above the options when the file is there.
  explicit SidePanel(const QString& logoFile, QWidget* parent = nullptr);

  /// Every command disabled and the study-mode options hidden.
  void reset();
  /// What a started scenario offers: the instructions, the network picture and Reset, and for a
  /// test "Show Answer/ Submit"; the study-mode options are shown.
  void offerScenario(bool showAnswerAndSubmit);
  void setLearnMode(bool learnMode);
  /// Hint and Show Solution: shown for troubleshooting in Learn Mode, enabled while some of the
  /// solution is still hidden.
  void offerHints(bool shown, bool enabled);
  void focusLearnMode();

  QRadioButton* learnMode() const { return learnMode_; }
  QRadioButton* testMode() const { return testMode_; }
  QPushButton* showInstructions() const { return showInstructions_; }
  QPushButton* showNetwork() const { return showNetwork_; }
  QPushButton* showAnswer() const { return showAnswer_; }
  QPushButton* resetButton() const { return reset_; }
  QPushButton* hintButton() const { return hint_; }
  QPushButton* solutionButton() const { return solution_; }

 signals:
  void studyModeChosen(bool learnMode);
  void instructionsRequested();
  void networkRequested();
  void answerRequested();
  void resetRequested();
  void hintRequested();
  void solutionRequested();

 private:
  QGroupBox* studyModes_;
  QRadioButton* learnMode_;
  QRadioButton* testMode_;
  QPushButton* showInstructions_;
  QPushButton* showNetwork_;
  QPushButton* showAnswer_;
  QPushButton* reset_;
  QPushButton* hint_;
  QPushButton* solution_;
};

}  // namespace kovrel::desktop

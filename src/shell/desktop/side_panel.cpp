// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/side_panel.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace kovrel::desktop {

SidePanel::SidePanel(const QString& logoFile, QWidget* parent)
    : QWidget(parent),
      studyModes_(new QGroupBox(tr("Instruction Mode"), this)),
      learnMode_(new QRadioButton(tr("Learn Mode"), studyModes_)),
      testMode_(new QRadioButton(tr("Test Mode"), studyModes_)),
      showInstructions_(new QPushButton(tr("Show Instructions And Terminal"), this)),
      showNetwork_(new QPushButton(tr("Show Network"), this)),
      showAnswer_(new QPushButton(tr("Show Answer/ Submit"), this)),
      reset_(new QPushButton(tr("Reset"), this)),
      hint_(new QPushButton(tr("Hint"), this)),
      solution_(new QPushButton(tr("Show Solution"), this)) {
  auto* modes = new QVBoxLayout(studyModes_);
  modes->addWidget(learnMode_);
  modes->addWidget(testMode_);
  learnMode_->setChecked(true);
  learnMode_->setAccessibleDescription(tr("The instructions show every command"));
  testMode_->setAccessibleDescription(tr("The instructions show the step headings only"));
  showInstructions_->setAccessibleDescription(tr("Back to the instructions and the console"));
  showNetwork_->setAccessibleDescription(tr("Open the picture of the network"));
  showAnswer_->setAccessibleDescription(tr("Grade the test and show the model solution"));
  reset_->setAccessibleDescription(tr("Start this activity again from a fresh router"));
  reset_->setToolTip(reset_->accessibleDescription());
  hint_->setAccessibleDescription(tr("Reveal the next step of the solution"));
  hint_->setToolTip(hint_->accessibleDescription());
  solution_->setAccessibleDescription(tr("Reveal the whole solution"));
  solution_->setToolTip(solution_->accessibleDescription());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  if (QFileInfo::exists(logoFile)) {
    auto* logo = new QSvgWidget(logoFile, this);
    const QSize natural = logo->renderer()->defaultSize();
    logo->setFixedSize(natural.scaled(200, 56, Qt::KeepAspectRatio));
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
  }
  layout->addWidget(studyModes_);
  layout->addSpacing(8);
  for (QPushButton* button :
       {showInstructions_, showNetwork_, showAnswer_, reset_, hint_, solution_}) {
    if (button == reset_ || button == hint_) layout->addSpacing(8);
    button->setMinimumHeight(button->sizeHint().height() * 3 / 2);
    layout->addWidget(button);
  }
  layout->addStretch(1);

  // `clicked` only: the options also change when a scenario starts, which chooses nothing.
  connect(learnMode_, &QRadioButton::clicked, this, [this] { emit studyModeChosen(true); });
  connect(testMode_, &QRadioButton::clicked, this, [this] { emit studyModeChosen(false); });
  connect(showInstructions_, &QPushButton::clicked, this, &SidePanel::instructionsRequested);
  connect(showNetwork_, &QPushButton::clicked, this, &SidePanel::networkRequested);
  connect(showAnswer_, &QPushButton::clicked, this, &SidePanel::answerRequested);
  connect(reset_, &QPushButton::clicked, this, &SidePanel::resetRequested);
  connect(hint_, &QPushButton::clicked, this, &SidePanel::hintRequested);
  connect(solution_, &QPushButton::clicked, this, &SidePanel::solutionRequested);
  reset();
}

void SidePanel::reset() {
  studyModes_->setVisible(false);
  for (QPushButton* button : {showInstructions_, showNetwork_, showAnswer_, reset_}) {
    button->setEnabled(false);
  }
  offerHints(false, false);
}

void SidePanel::offerHints(bool shown, bool enabled) {
  for (QPushButton* button : {hint_, solution_}) {
    button->setVisible(shown);
    button->setEnabled(enabled);
  }
}

void SidePanel::offerScenario(bool showAnswerAndSubmit) {
  studyModes_->setVisible(true);
  showInstructions_->setEnabled(true);
  showNetwork_->setEnabled(true);
  showAnswer_->setEnabled(showAnswerAndSubmit);
  reset_->setEnabled(true);
}

void SidePanel::setLearnMode(bool learnMode) {
  (learnMode ? learnMode_ : testMode_)->setChecked(true);
}

void SidePanel::focusLearnMode() {
  learnMode_->setChecked(true);
  learnMode_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's study feedback: the checklist and the banner beside the instructions, Reset,
// the menus' marks, the Progress window, the flash cards' ratings and topics, and saving the
// test report and the progress summary.
#include <QStatusBar>

#include "base/simulator.h"
#include "shell/desktop/activity_menus.h"
#include "shell/desktop/document_export.h"
#include "shell/desktop/flash_card_viewer.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/progress_window.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/side_panel.h"
#include "shell/desktop/step_checklist.h"
#include "shell/desktop/topology_window.h"
#include "training/flash_cards.h"
#include "training/hints.h"
#include "training/progress_summary.h"
#include "training/step_tracker.h"

namespace kovrel::desktop {
namespace {

constexpr int kStatusMs = 6000;

}  // namespace

void MainWindow::stepsChanged() { showStudyFeedback(); }

void MainWindow::scenarioSolved(int) { showStudyFeedback(); }

void MainWindow::showStudyFeedback() {
  Simulator& sim = engine_->simulator();
  const TrainingState& training = sim.state.training;
  topology_->checklist()->showSteps(stepChecklist(sim));
  QString banner;
  if (training.currentActivity == Activity::troubleshooting && training.steps.solved) {
    banner = tr("Solved! Troubleshooting %1 works again.").arg(training.currentTroubleshooting);
  } else if (training.currentActivity == Activity::lab && allStepsDone(sim)) {
    banner = tr("Lab complete: every step is done.");
  }
  topology_->setBanner(banner);
  offerHints();
  markProgress(engineActions_, sim.progress.progress());
  if (progress_ != nullptr && progress_->isVisible()) progress_->showSummary(progressSummary(sim));
}

void MainWindow::offerHints() {
  const HintState state = solutionHints(engine_->simulator().state.training).state;
  sidePanel_->offerHints(state == HintState::offered || state == HintState::allRevealed,
                         state == HintState::offered);
}

void MainWindow::revealSolutionPart(void (*reveal)(Simulator&)) {
  if (engine_->running()) return;
  if (!engine_->run([this, reveal] { reveal(engine_->simulator()); })) return;
  showWindow(topology_);
  offerHints();
}

void MainWindow::resetActivity() {
  Simulator& sim = engine_->simulator();
  const TrainingState& training = sim.state.training;
  if (engine_->running()) return;
  if (!canResetActivity(sim)) {
    statusBar()->showMessage(tr("There is no lab, test or scenario to reset."), kStatusMs);
    return;
  }
  if (training.linesEntered > 0 &&
      !engine_->messageBox().confirm(tr("Start this activity again from a fresh router? What "
                                        "you typed in it is lost."))) {
    return;
  }
  bool reset = false;
  if (!engine_->run([&] { reset = kovrel::resetActivity(sim); }) || !reset) return;
  sidePanel_->setLearnMode(training.learnMode);
  showWindow(topology_);
  showStudyFeedback();
  redrawPicture();
  statusBar()->showMessage(tr("The activity starts afresh from a clean router."), kStatusMs);
}

void MainWindow::connectFlashCards() {
  const auto button = [this](auto signal, FlashCardView (*press)(Simulator&)) {
    connect(flashCards_, signal, this, [this, press] {
      engine_->run([this, press] { flashCards_->showCard(press(engine_->simulator())); });
    });
  };
  button(&FlashCardViewer::forwardClicked, &flashCardForward);
  button(&FlashCardViewer::backClicked, &flashCardBack);
  button(&FlashCardViewer::showAnswerClicked, &flashCardShowAnswer);
  connect(flashCards_, &FlashCardViewer::rated, this, [this](bool knewIt) {
    if (!engine_->run([this, knewIt] {
          flashCards_->showCard(rateFlashCard(engine_->simulator(), knewIt));
        })) {
      return;
    }
    showStudyFeedback();
  });
  connect(flashCards_, &FlashCardViewer::topicChosen, this, [this](const std::string& topic) {
    engine_->run(
        [this, topic] { flashCards_->showCard(chooseCardTopic(engine_->simulator(), topic)); });
  });
}

void MainWindow::openProgressFile() {
  Simulator& sim = engine_->simulator();
  if (!folders_.progressFile.empty() && !sim.progress.open(folders_.progressFile)) {
    if (auto notice = sim.progress.takeNotice()) engine_->messageBox().show(*notice);
  }
  showStudyFeedback();
}

void MainWindow::openProgress() {
  if (progress_ == nullptr) {
    progress_ = new ProgressWindow(this);
    progress_->setWindowFlag(Qt::Window);
    connect(progress_, &ProgressWindow::saveRequested, this, &MainWindow::saveProgressAs);
  }
  ProgressSummary summary;
  if (!engine_->run([&] { summary = progressSummary(engine_->simulator()); })) return;
  progress_->showSummary(summary);
  progress_->show();
  progress_->raise();
}

void MainWindow::saveReportAs() {
  if (report_->document()->isEmpty()) {
    statusBar()->showMessage(tr("There is no test report to save; submit a test first."),
                             kStatusMs);
    return;
  }
  const QString path = askDocumentPath(this, tr("Save Report As"), tr("test-report"));
  if (!path.isEmpty()) saveReportTo(path);
}

void MainWindow::saveProgressAs() {
  const QString path = askDocumentPath(this, tr("Save Progress As"), tr("progress"));
  if (!path.isEmpty()) saveProgressTo(path);
}

bool MainWindow::saveReportTo(const QString& path) {
  QString error;
  if (saveDocument(*report_->document(), path, {}, error)) {
    statusBar()->showMessage(tr("Report saved in %1").arg(path), kStatusMs);
    return true;
  }
  engine_->messageBox().show(
      tr("The report could not be saved in %1: %2").arg(path, error).toStdString());
  return false;
}

bool MainWindow::saveProgressTo(const QString& path) {
  if (progress_ == nullptr || !progress_->isVisible()) openProgress();
  if (progress_ == nullptr) return false;
  DocumentImages images;
  const auto page = progress_->document(images);
  QString error;
  if (saveDocument(*page, path, images, error)) {
    statusBar()->showMessage(tr("Progress saved in %1").arg(path), kStatusMs);
    return true;
  }
  engine_->messageBox().show(
      tr("The progress could not be saved in %1: %2").arg(path, error).toStdString());
  return false;
}

}  // namespace kovrel::desktop

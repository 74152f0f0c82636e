// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's program side: the menu bar and the busy state, the layout kept between runs,
// the search box, saving the session and quitting.
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>

#include "shell/desktop/activity_menus.h"
#include "shell/desktop/command_reference_window.h"
#include "shell/desktop/console_widget.h"
#include "shell/desktop/flash_card_viewer.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/picture_viewer.h"
#include "shell/desktop/progress_window.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/search_dialog.h"
#include "shell/desktop/side_panel.h"
#include "shell/desktop/topology_window.h"
#include "shell/desktop/view_settings.h"

namespace kovrel::desktop {

void MainWindow::buildMenus() {
  MenuHandlers handlers;
  handlers.lab = [this](const std::string& key) { startLab(key); };
  handlers.test = [this](const std::string& key) { startTest(key); };
  handlers.troubleshooting = [this](const std::string& key) { startTroubleshooting(key); };
  handlers.flashCards = [this] { openFlashCards(); };
  handlers.reset = [this] { resetActivity(); };
  handlers.progress = [this] { openProgress(); };
  handlers.saveReport = [this] { saveReportAs(); };
  handlers.saveSession = [this] { saveSessionAs(); };
  handlers.quit = [this] { close(); };
  handlers.search = [this] { openSearch(); };
  handlers.commandReference = [this] { openCommandReference(); };
  handlers.about = [this] { showAbout(); };
  handlers.studyPlan = [this] { openInformation("studyPlan"); };
  handlers.disclaimer = [this] { openInformation("disclaimer"); };
  engineActions_ = buildMenuBar(menuBar(), handlers, view_->buildMenu(this));
  // F10 opens the menu bar from anywhere, as in most desktop programs.
  auto* openMenus = new QAction(tr("Open the menu bar"), this);
  openMenus->setShortcut(QKeySequence(Qt::Key_F10));
  connect(openMenus, &QAction::triggered, this, [this] {
    if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
  });
  addAction(openMenus);
  connect(engine_.get(), &EngineSession::busyChanged, this, &MainWindow::setEngineBusy);
  connect(engine_.get(), &EngineSession::keyWaitChanged, topology_->console()->input(),
          &ConsoleInputLine::setCaretShown);
}

// What runs a command is greyed while the router works; keys still reach the console, which
// answers a " --More--" with them.
void MainWindow::setEngineBusy(bool busy) {
  for (QAction* action : engineActions_) action->setEnabled(!busy);
  sidePanel_->setEnabled(!busy);
  flashCards_->setEnabled(!busy);
  topology_->setRouterButtonsEnabled(!busy);
  topology_->console()->pasteAction()->setEnabled(!busy);
  topology_->console()->setTypingAccepted(!busy);
}

void MainWindow::restoreLayout() {
  const QSettings settings;
  if (!restoreGeometry(settings.value("window/geometry").toByteArray())) {
    // Roomy on a large screen, and never taller or wider than a small laptop's.
    const QSize available = screen()->availableGeometry().size() * 0.92;
    resize(QSize(1120, 760).boundedTo(available));
  }
  topology_->splitter()->restoreState(settings.value("window/splitter").toByteArray());
  pictureSized_ = picture_->restoreGeometry(settings.value("network/geometry").toByteArray());
}

void MainWindow::saveLayout() const {
  QSettings settings;
  settings.setValue("window/geometry", saveGeometry());
  settings.setValue("window/splitter", topology_->splitter()->saveState());
  if (picture_->isVisible()) settings.setValue("network/geometry", picture_->saveGeometry());
}

void MainWindow::openSearch() {
  if (search_ == nullptr) {
    std::unique_ptr<ActivitySearch> texts;
    engine_->run([this, &texts] {
      texts = std::make_unique<ActivitySearch>(engine_->simulator().database);
    });
    if (texts == nullptr) return;
    search_ = new SearchDialog(
        std::move(texts),
        [this](const SearchEntry& found) {
          switch (found.kind) {
            case SearchKind::lab:
              return startLab(found.key);
            case SearchKind::test:
              return startTest(found.key);
            case SearchKind::troubleshooting:
              return startTroubleshooting(found.key);
            case SearchKind::flashCard:
              return openFlashCards();
          }
        },
        this);
  }
  search_->open();
}

void MainWindow::openCommandReference() {
  if (commandReference_ == nullptr) {
    std::vector<ReferenceCommand> commands;
    if (!engine_->run([this, &commands] {
          commands = kovrel::commandReference(engine_->simulator().database);
        })) {
      return;
    }
    commandReference_ = new CommandReferenceWindow(commands, this);
  }
  commandReference_->show();
  commandReference_->raise();
  commandReference_->filter()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::saveSessionAs() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Save Session As"), tr("session.txt"),
                                                    tr("Text files (*.txt)"));
  if (!path.isEmpty()) saveSessionTo(path);
}

bool MainWindow::saveSessionTo(const QString& path) {
  QFile file(path);
  const QByteArray text = topology_->console()->transcript().toUtf8();
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) &&
      file.write(text) == text.size() && file.flush()) {
    statusBar()->showMessage(tr("Session saved in %1").arg(path), 5000);
    return true;
  }
  engine_->messageBox().show(
      tr("The session could not be saved in %1: %2").arg(path, file.errorString()).toStdString());
  return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (gradedTestOpen_ &&
      !engine_->messageBox().confirm(tr("A graded test is open and has not been submitted. "
                                        "Quit without a score?"))) {
    event->ignore();
    return;
  }
  // Only the layout is kept; the router and the lessons start afresh next time, and no open
  // wait may hold the program up.
  saveLayout();
  engine_->abandonWaits();
  picture_->close();
  informationBeside_->close();
  if (progress_ != nullptr) progress_->close();
  event->accept();
}

}  // namespace kovrel::desktop

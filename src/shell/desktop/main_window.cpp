// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/main_window.h"

#include <QCommandLinkButton>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "base/error_log.h"
#include "console/session.h"
#include "network/topology_diagram.h"
#include "shell/desktop/about_box.h"
#include "shell/desktop/console_widget.h"
#include "shell/desktop/flash_card_viewer.h"
#include "shell/desktop/picture_viewer.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/side_panel.h"
#include "shell/desktop/step_checklist.h"
#include "shell/desktop/topology_window.h"
#include "shell/desktop/view_settings.h"
#include "training/activity_menu.h"
#include "training/flash_cards.h"
#include "training/grading.h"
#include "training/hints.h"
#include "training/information.h"
#include "training/instructions.h"
#include "training/router_switch.h"
#include "training/scenarios.h"

namespace kovrel::desktop {
namespace {

QString pictureFile(const SessionFolders& folders, const char* name) {
  return QString::fromStdString((folders.dataFolder / "pictures" / name).string());
}

}  // namespace

MainWindow::MainWindow(const SessionFolders& folders, QWidget* parent)
    : QMainWindow(parent), folders_(folders) {
  setWindowTitle(tr("Kovrel Router Simulator"));
  const QString icon = pictureFile(folders_, "kovrel-icon.svg");
  if (QFileInfo::exists(icon)) setWindowIcon(QIcon(icon));
  view_ = new ViewSettings(this);
  setCentralWidget(buildCentre());
  picture_ = new PictureViewer(this);
  picture_->setWindowFlag(Qt::Window);
  picture_->setWindowTitle(tr("Network"));
  informationBeside_ = new RichTextPane(this);
  informationBeside_->setWindowFlag(Qt::Window);
  informationBeside_->resize(620, 560);
  informationBeside_->setAccessibleName(tr("Information"));

  engine_ = std::make_unique<EngineSession>(*topology_->console(), this, folders_);
  TrainingState& training = engine_->simulator().state.training;
  training.listener = this;
  training.panes = {topology_->instructions(), information_, report_};
  engine_->pauser().setInstant(view_->instant());

  buildMenus();
  connect(engine_.get(), &EngineSession::notice, statusBar(),
          [this](const QString& text) { statusBar()->showMessage(text, 10000); });
  connectConsole();
  connectPanels();
  applyZoom(view_->zoomFactor());
  restoreLayout();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCentre() {
  auto* centre = new QWidget(this);
  sidePanel_ = new SidePanel(pictureFile(folders_, "kovrel-logo.svg"), centre);
  stack_ = new QStackedWidget(centre);
  informationPage_ = buildInformationPage(stack_);
  topology_ = new TopologyWindow(stack_);
  report_ = new RichTextPane(stack_);
  report_->setAccessibleName(tr("Test report"));
  report_->setAccessibleDescription(tr("The graded tasks, the score and the model solution"));
  flashCards_ = new FlashCardViewer(stack_);
  for (QWidget* window : {informationPage_, static_cast<QWidget*>(topology_),
                          static_cast<QWidget*>(report_), static_cast<QWidget*>(flashCards_)}) {
    stack_->addWidget(window);
  }
  sidePanel_->setFixedWidth(sidePanel_->sizeHint().width() + 16);
  auto* layout = new QHBoxLayout(centre);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(sidePanel_);
  layout->addWidget(stack_, 1);
  return centre;
}

QWidget* MainWindow::buildInformationPage(QWidget* parent) {
  auto* page = new QWidget(parent);
  information_ = new RichTextPane(page);
  information_->setAccessibleName(tr("Information"));
  const ActivityMenuItem first = labMenu().front();
  startHere_ = new QCommandLinkButton(
      tr("Start here"),
      tr("The first lab, \"%1\", shows how the labs work")
          .arg(QString::fromUtf8(first.caption.data(), first.caption.size())),
      page);
  connect(startHere_, &QCommandLinkButton::clicked, this,
          [this, key = std::string(first.key)] { startLab(key); });
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(information_, 1);
  layout->addWidget(startHere_);
  return page;
}

void MainWindow::connectConsole() {
  ConsoleWidget* console = topology_->console();
  connect(console, &ConsoleWidget::keyPressed, this, [this](ConsoleKey key) {
    engine_->pressKey(key);
    // The picture follows the configuration: a command has just run.
    if (key.character == '\r' && !engine_->running()) redrawPicture();
  });
  connect(console, &ConsoleWidget::keyReleased, this,
          [this](int keyCode) { engine_->releaseKey(keyCode); });
  connect(console, &ConsoleWidget::pasteRequested, this, [this](const QString& text) {
    engine_->paste(text);
    redrawPicture();
  });
  connect(console, &ConsoleWidget::pageLengthChanged, this,
          [this](int lines) { engine_->setPageLength(lines); });
  connect(topology_, &TopologyWindow::routerRequested, this, [this](int router) {
    // The router bar numbers its buttons 0 (RouterA) and 1 (RouterB).
    const RouterId id = router == 0 ? RouterId::a : RouterId::b;
    engine_->run([this, id] { switchRouter(engine_->simulator(), id); });
    topology_->console()->focusInput();
  });
}

void MainWindow::connectPanels() {
  connect(sidePanel_, &SidePanel::studyModeChosen, this, &MainWindow::chooseStudyMode);
  connect(sidePanel_, &SidePanel::instructionsRequested, this,
          &MainWindow::showInstructionsAndTerminal);
  connect(sidePanel_, &SidePanel::networkRequested, this, &MainWindow::showNetwork);
  connect(sidePanel_, &SidePanel::answerRequested, this, &MainWindow::showAnswer);
  connect(sidePanel_, &SidePanel::resetRequested, this, &MainWindow::resetActivity);
  connect(sidePanel_, &SidePanel::hintRequested, this,
          [this] { revealSolutionPart([](Simulator& sim) { revealHint(sim); }); });
  connect(sidePanel_, &SidePanel::solutionRequested, this,
          [this] { revealSolutionPart([](Simulator& sim) { revealSolution(sim); }); });
  connectFlashCards();
  connect(view_, &ViewSettings::zoomChanged, this, &MainWindow::applyZoom);
  connect(view_, &ViewSettings::instantChanged, this,
          [this](bool instant) { engine_->pauser().setInstant(instant); });
  connect(view_, &ViewSettings::paletteChanged, this, [this] { redrawPicture(); });
}

void MainWindow::start() {
  Simulator& sim = engine_->simulator();
  const std::string database = (folders_.dataFolder / kDatabaseName).string();
  engine_->run([&] {
    trapped(sim, "setWelcomeText", [&] { setWelcomeText(sim, database); });
    kovrel::openInformation(sim, "welcomeText");
  });
  openProgressFile();
  sidePanel_->reset();
  startHere_->show();
  showWindow(informationPage_);
}

QWidget* MainWindow::currentWindow() const { return stack_->currentWidget(); }

void MainWindow::showWindow(QWidget* window) {
  stack_->setCurrentWidget(window);
  if (window == topology_) topology_->console()->focusInput();
}

void MainWindow::activityStarted(const ActivityPanes& panes) {
  gradedTestOpen_ = panes.showAnswerAndSubmit;
  if (panes.closeNetworkPicture) picture_->hide();
  // The checks of the new activity are read after this; until then it shows none.
  topology_->checklist()->showSteps({});
  topology_->setBanner({});
  topology_->setTwoRouters(panes.topology == TopologyPane::twoRouter);
  sidePanel_->reset();
  sidePanel_->offerScenario(panes.showAnswerAndSubmit);
  if (panes.focusLearnMode) sidePanel_->focusLearnMode();
  showWindow(topology_);
}

void MainWindow::routerSwitched(RouterId currentRouter) {
  topology_->setCurrentRouter(currentRouter == RouterId::b ? 1 : 0);
  redrawPicture();
}

void MainWindow::startActivity(const std::function<void()>& launcher) {
  const Simulator& sim = engine_->simulator();
  if (engine_->running()) return;
  if (hasWorkToLose(sim) &&
      !engine_->messageBox().confirm(QString::fromStdString(replaceWorkQuestion(sim)))) {
    return;
  }
  if (!engine_->run(launcher)) return;
  showStudyFeedback();
  sidePanel_->setLearnMode(engine_->simulator().state.training.learnMode);
  // The student types next: the console has the keyboard once the router has booted.
  topology_->console()->focusInput();
  redrawPicture();
}

void MainWindow::startLab(const std::string& labName) {
  startActivity([this, labName] { kovrel::startLab(engine_->simulator(), labName); });
}

void MainWindow::startTest(const std::string& testName) {
  startActivity([this, testName] { kovrel::startTest(engine_->simulator(), testName); });
}

void MainWindow::startTroubleshooting(const std::string& name) {
  startActivity([this, name] { kovrel::startTroubleshooting(engine_->simulator(), name); });
}

void MainWindow::openFlashCards() {
  engine_->run([this] {
    Simulator& sim = engine_->simulator();
    flashCards_->showCard(kovrel::openFlashCards(sim));
    flashCards_->setTopics(flashCardTopics(sim), sim.state.training.flashCards.topic);
  });
  showWindow(flashCards_);
}

void MainWindow::openInformation(const std::string& id) {
  Simulator& sim = engine_->simulator();
  if (sim.state.training.consoleOpen) {
    // A scenario runs: the text opens beside it, and the scenario keeps its window and controls.
    const bool shown = engine_->run([&sim, this, id] {
      sim.state.training.panes.information = informationBeside_;
      setText(sim, id);
    });
    sim.state.training.panes.information = information_;
    if (!shown) return;
    informationBeside_->setWindowTitle(informationBeside_->document()->firstBlock().text());
    informationBeside_->show();
    informationBeside_->raise();
    return;
  }
  if (!engine_->run([this, &sim, id] { kovrel::openInformation(sim, id); })) return;
  sidePanel_->reset();
  startHere_->setVisible(id == "welcomeText");
  showWindow(informationPage_);
}

void MainWindow::showAbout() {
  AboutBox box(pictureFile(folders_, "kovrel-logo.svg"), this);
  box.exec();
}

void MainWindow::chooseStudyMode(bool learnMode) {
  engine_->run([this, learnMode] { selectStudyMode(engine_->simulator(), learnMode); });
  sidePanel_->setLearnMode(engine_->simulator().state.training.learnMode);
  offerHints();
}

void MainWindow::showInstructionsAndTerminal() {
  showWindow(topology_);
  raise();
  activateWindow();
}

void MainWindow::showNetwork() {
  drawPicture();
  if (!pictureSized_) {
    // The drawing at its own size when the screen has room for it, else as large as fits.
    const QSize room = screen()->availableGeometry().size() * 0.9;
    QSize natural = picture_->naturalSize();
    if (natural.width() > room.width() || natural.height() > room.height())
      natural.scale(room, Qt::KeepAspectRatio);
    picture_->resize(natural);
    pictureSized_ = true;
  }
  picture_->show();
  picture_->raise();
}

void MainWindow::showAnswer() {
  if (!engine_->run([this] { openTestReport(engine_->simulator()); })) return;
  gradedTestOpen_ = false;
  showWindow(report_);
  showStudyFeedback();
}

void MainWindow::redrawPicture() {
  if (picture_->isVisible()) drawPicture();
}

void MainWindow::drawPicture() {
  const TopologyDiagram diagram = diagramFor(engine_->simulator());
  const DiagramPalette palette = view_->dark() ? DiagramPalette::dark : DiagramPalette::light;
  picture_->setWindowTitle(QString::fromStdString(diagram.title));
  picture_->showSvg(QByteArray::fromStdString(renderDiagramSvg(diagram, palette)));
}

void MainWindow::applyZoom(double factor) {
  const double consolePoints = 11.0 * factor;
  topology_->console()->setFontPointSize(consolePoints);
  flashCards_->setFontPointSize(12.0 * factor);
  for (RichTextPane* pane :
       {topology_->instructions(), information_, informationBeside_, report_}) {
    pane->setZoom(factor);
  }
  picture_->setZoom(factor);
}

}  // namespace kovrel::desktop

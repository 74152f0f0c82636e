// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the desktop's study feedback on the offscreen platform: the checklist beside the
// instructions, the banner, Reset, the menus' marks, the Progress window, the flash cards' ratings
// and topics, and saving the report and the summary. The engine's own rules are tested elsewhere.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/desktop/command_line.h"
#include "shell/desktop/console_widget.h"
#include "shell/desktop/desktop_style.h"
#include "shell/desktop/flash_card_viewer.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/progress_window.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/score_chart.h"
#include "shell/desktop/side_panel.h"
#include "shell/desktop/step_checklist.h"
#include "shell/desktop/topology_window.h"

using namespace kovrel::desktop;

namespace {
const QString kScenario1 = QStringLiteral("Troubleshooting 1: LAN Hosts Cannot Reach The Router");
}  // namespace

class StudyFeedbackTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  QTemporaryDir folder_;

  QString progressFile() const { return folder_.filePath("progress.db"); }
  ConsoleWidget* console() { return window_->topology()->console(); }
  QString output() { return console()->output()->toPlainText(); }
  StepChecklist* checklist() { return window_->topology()->checklist(); }
  void type(const QString& text) { QTest::keyClicks(console()->input(), text); }
  void enter(const QString& line = {}) {
    type(line);
    QTest::keyClick(console()->input(), Qt::Key_Return);
  }

  // The menu item of the caption, whatever best score a test's caption carries.
  QAction* menuItem(const QString& wanted) {
    for (QAction* action : window_->findChildren<QAction*>()) {
      const QString caption = action->text().remove(QLatin1Char('&'));
      if (caption.section(QStringLiteral(" (best "), 0, 0) == wanted) return action;
    }
    return nullptr;
  }

  void trigger(const QString& wanted) {
    QAction* action = menuItem(wanted);
    QVERIFY2(action != nullptr, qPrintable("no menu item " + wanted));
    action->trigger();
  }

  void open() {
    SessionFolders folders;
    folders.applicationFolder = folder_.path().toStdString();
    folders.dataFolder = KOVREL_TEST_APP_DIR;
    folders.stateFolder = folders.applicationFolder;
    folders.progressFile = progressFile().toStdString();
    folders.seed = 1;
    window_ = std::make_unique<MainWindow>(folders);
    window_->engine().messageBox().setModal(false);
    window_->engine().pauser().setInstant(true);
    window_->show();
    window_->start();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  std::vector<bool> ticks(std::initializer_list<int> done, int steps) {
    std::vector<bool> expected(static_cast<std::size_t>(steps), false);
    for (const int step : done) expected[static_cast<std::size_t>(step - 1)] = true;
    return expected;
  }

 private slots:
  void initTestCase() {
    installDesktopStyle();
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QVERIFY(folder_.isValid());
  }

  void init() {
    QFile::remove(progressFile());
    open();
  }

  void cleanup() {
    window_.reset();
    QSettings().clear();
  }

  // Each command ticks its step at once; the finished lab shows its banner, is ticked in the
  // Labs menu and is still ticked in the next run.
  void checklistTicksAfterEachCommandAndTheLabStaysDone() {
    trigger("Router Status");
    QVERIFY(checklist()->isVisible());
    const int steps = static_cast<int>(checklist()->ticks().size());
    QVERIFY(steps >= 6);
    QCOMPARE(checklist()->ticks(), ticks({}, steps));
    enter();
    enter("enable");
    QCOMPARE(checklist()->ticks(), ticks({1}, steps));
    enter("show version");
    QCOMPARE(checklist()->ticks(), ticks({1, 2}, steps));
    QCOMPARE(checklist()->count()->text(), QStringLiteral("2 of %1 steps done").arg(steps));
    QVERIFY(!window_->topology()->banner()->isVisible());
    QVERIFY(!menuItem("Router Status")->isChecked());
    window_->engine().setPageLength(500);  // no " --More--" to answer
    for (const char* line :
         {"show flash", "show clock", "show users", "show protocols", "show interfaces"})
      enter(line);
    QCOMPARE(checklist()->ticks(), std::vector<bool>(static_cast<std::size_t>(steps), true));
    QVERIFY(window_->topology()->banner()->isVisible());
    QVERIFY(menuItem("Router Status")->isChecked());
    // A click on the ticked item starts the lab again and leaves its tick alone.
    trigger("Router Status");
    QVERIFY(menuItem("Router Status")->isChecked());
    QVERIFY(!window_->topology()->banner()->isVisible());

    window_.reset();
    open();
    QVERIFY(menuItem("Router Status")->isChecked());
    QVERIFY(!menuItem("Router Modes")->isChecked());
  }

  void troubleshootingShowsSolvedOnceItsPingWorks() {
    trigger(kScenario1);
    QCOMPARE(checklist()->ticks(), ticks({}, 1));
    enter();
    enter("enable");
    enter("configure terminal");
    enter("interface ethernet 0");
    QVERIFY(!window_->topology()->banner()->isVisible());
    enter("ip address 128.16.31.1 255.255.0.0");
    QCOMPARE(checklist()->ticks(), ticks({1}, 1));
    QVERIFY(window_->topology()->banner()->isVisible());
    QVERIFY(window_->topology()->banner()->text().contains("Troubleshooting 1"));
    QVERIFY(output().contains("Troubleshooting 1 solved."));
  }

  // In Learn Mode a scenario's solution is revealed a step at a time or whole; Test Mode and
  // other activities offer no hint.
  void hintsRevealTheSolutionInLearnModeOnly() {
    SidePanel* side = window_->sidePanel();
    const auto shownText = [this] {
      return window_->topology()->instructions()->toPlainText().size();
    };
    trigger(kScenario1);
    QVERIFY(side->hintButton()->isVisible() && side->hintButton()->isEnabled());
    const auto task = shownText();
    QTest::mouseClick(side->hintButton(), Qt::LeftButton);
    const auto oneStep = shownText();
    QTest::mouseClick(side->solutionButton(), Qt::LeftButton);
    QVERIFY(task < oneStep && oneStep < shownText());
    QVERIFY(side->hintButton()->isVisible() && !side->hintButton()->isEnabled());
    QVERIFY(!side->solutionButton()->isEnabled());
    side->testMode()->click();
    QVERIFY(!side->hintButton()->isVisible());
    trigger("Router Modes");
    QVERIFY(!side->hintButton()->isVisible());
  }

  // Reset from the side panel and from the Activity menu: the router starts afresh, the ticks go,
  // and typed work is only thrown away when the student agrees.
  void resetStartsAfreshAndAsksWhenWorkWouldBeLost() {
    QVERIFY(!window_->sidePanel()->resetButton()->isEnabled());
    trigger("Setting Hostname");
    QVERIFY(window_->sidePanel()->resetButton()->isEnabled());
    enter();
    enter("enable");
    enter("configure terminal");
    enter("hostname Branch");
    const std::vector<bool> before = checklist()->ticks();
    QVERIFY(before != ticks({}, static_cast<int>(before.size())));
    window_->engine().messageBox().setTestAnswer(false);
    QTest::mouseClick(window_->sidePanel()->resetButton(), Qt::LeftButton);
    QCOMPARE(window_->engine().simulator().state.current.config.hostname, "Branch");
    window_->engine().messageBox().setTestAnswer(true);
    trigger("Reset");
    QCOMPARE(window_->engine().simulator().state.current.config.hostname, "Router");
    QVERIFY(output().endsWith("Press RETURN to get started."));
    QCOMPARE(checklist()->ticks(), ticks({}, static_cast<int>(before.size())));
    QCOMPARE(window_->currentWindow(), window_->topology());
  }

  // A submitted test keeps its report; Reset starts a new attempt from the report window, and the
  // menu shows the best score.
  void submittedTestNeedsAResetForASecondAttempt() {
    trigger("Test 1: Router Setup");
    QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    QCOMPARE(window_->currentWindow(), window_->report());
    QVERIFY(menuItem("Test 1: Router Setup")->text().endsWith("(best 0)"));
    QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    QVERIFY(window_->report()->toPlainText().contains("Submitted already"));
    QTest::mouseClick(window_->sidePanel()->resetButton(), Qt::LeftButton);
    QCOMPARE(window_->currentWindow(), window_->topology());
    QVERIFY(window_->gradedTestOpen());
    QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    QVERIFY(!window_->report()->toPlainText().contains("Submitted already"));
    QCOMPARE(window_->engine().simulator().progress.progress().tests.size(), 2u);

    const QString pdf = folder_.filePath("report.pdf");
    const QString html = folder_.filePath("report.html");
    QVERIFY(window_->saveReportTo(pdf) && window_->saveReportTo(html));
    QFile page(html);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(page.readAll()).contains("Your Score: 0"));
    QFile document(pdf);
    QVERIFY(document.open(QIODevice::ReadOnly) && document.read(5) == "%PDF-");
    QVERIFY(!window_->saveReportTo(folder_.filePath("no-such-folder/report.pdf")));
    QVERIFY(window_->engine().messageBox().lastMessage().startsWith("The report could not"));
  }

  // The window follows the progress while it is open: a submission made meanwhile shows at once.
  void progressWindowShowsTheSummaryAndNeverGoesStale() {
    trigger("Progress");
    ProgressWindow* progress = window_->progressWindow();
    QVERIFY(progress != nullptr && progress->isVisible());
    QVERIFY(progress->labsDone()->text().startsWith("Labs done: 0 of "));
    QCOMPARE(progress->tests()->item(0, 1)->text(), QString());
    QCOMPARE(progress->chart()->pointCount(), 0);
    trigger("Test 3: Network Configuration");
    QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    QCOMPARE(progress->tests()->item(2, 1)->text(), QStringLiteral("0"));
    QCOMPARE(progress->tests()->item(2, 5)->text(), QStringLiteral("1"));
    QCOMPARE(progress->chart()->pointCount(), 1);

    const QString html = folder_.filePath("progress.html");
    QVERIFY(window_->saveProgressTo(html) && window_->saveProgressTo(folder_.filePath("p.pdf")));
    QFile page(html);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(page.readAll());
    QVERIFY(saved.contains("Test 3: Network Configuration"));
    QVERIFY(saved.contains("data:image/png;base64,"));  // the chart travels with the page
  }

  // Rating needs a revealed card; a rating is kept and the topic limits the deck.
  void cardsAreRatedOnceRevealedAndFilteredByTopic() {
    trigger("Load Flash Cards");
    FlashCardViewer* viewer = window_->flashCards();
    QVERIFY(!viewer->knewIt()->isEnabled() && !viewer->notYet()->isEnabled());
    QTest::mouseClick(viewer->showAnswer(), Qt::LeftButton);
    QVERIFY(viewer->knewIt()->isEnabled());
    const QString first = viewer->questionBox()->toPlainText();
    QTest::mouseClick(viewer->knewIt(), Qt::LeftButton);
    QVERIFY(viewer->questionBox()->toPlainText() != first);
    QVERIFY(!viewer->knewIt()->isEnabled());
    const auto& cards = window_->engine().simulator().progress.progress().cards;
    QCOMPARE(cards.size(), 1u);
    QCOMPARE(cards.begin()->second.box, 2);

    QVERIFY(viewer->topic()->count() > 2);
    viewer->topic()->setCurrentIndex(1);
    emit viewer->topic()->activated(1);
    const std::string topic = viewer->topic()->currentText().toStdString();
    QCOMPARE(window_->engine().simulator().state.training.flashCards.topic, topic);
    for (const auto& card : window_->engine().simulator().state.training.flashCards.cards)
      QCOMPARE(card.topic, topic);
  }

  void progressOptionNamesTheFile() {
    const DesktopCommandLine line =
        readDesktopCommandLine({"--progress", "/tmp/p.db"}, UnknownArguments::refuse);
    QCOMPARE(line.options.progressFile, "/tmp/p.db");
    QVERIFY(readDesktopCommandLine({"--progress="}, UnknownArguments::refuse).exitStatus == 2);
    QVERIFY(desktopUsageText().find("--progress PATH") != std::string::npos);
  }

  // A progress file that cannot be used is named once and the lesson runs on.
  void anUnusableProgressFileIsReportedAndTheRunGoesOn() {
    window_.reset();
    for (const char* journal : {"-wal", "-shm"}) QFile::remove(progressFile() + journal);
    QFile bad(progressFile());
    QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(bad.write("not a database file at all") > 0);
    bad.close();
    open();
    QVERIFY(window_->engine().messageBox().lastMessage().contains(progressFile()));
    trigger("Progress");
    QVERIFY(window_->progressWindow()->isVisible());
  }

  // Not a check: with KOVREL_SCREENSHOTS set to a folder, saves the checklist, the banner, the
  // Progress window and the flash cards as a student sees them at 800x600.
  void screenshots() {
    const QString folder = qEnvironmentVariable("KOVREL_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KOVREL_SCREENSHOTS names no folder");
    window_->resize(800, 600);
    trigger("Router Status");
    enter();
    enter("enable");
    enter("show version");
    window_->grab().save(folder + "/checklist.png");
    trigger(kScenario1);
    for (const char* line : {"", "enable", "configure terminal", "interface ethernet 0",
                             "ip address 128.16.31.1 255.255.0.0"})
      enter(line);
    window_->grab().save(folder + "/solved.png");
    for (const char* test :
         {"Test 1: Router Setup", "Test 3: Network Configuration", "Test 1: Router Setup"}) {
      trigger(test);
      QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    }
    window_->grab().save(folder + "/report-pass-fail.png");
    trigger("Progress");
    window_->progressWindow()->grab().save(folder + "/progress.png");
    trigger("Load Flash Cards");
    QTest::mouseClick(window_->flashCards()->showAnswer(), Qt::LeftButton);
    window_->grab().save(folder + "/cards.png");
  }
};

QTEST_MAIN(StudyFeedbackTest)
#include "study_feedback_test.moc"

// Widget tests of the desktop program on the offscreen platform: they check that the windows are
// wired to the engine (the engine's own behaviour is tested elsewhere).
#include <QAction>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>

#include "shell/desktop/console_widget.h"
#include "shell/desktop/flash_card_viewer.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/side_panel.h"
#include "shell/desktop/topology_window.h"

using namespace kovrel::desktop;

class DesktopTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  std::deque<char> answers_;  // keys for the " --More--" waits still to come
  QTimer answerer_;

  ConsoleWidget* console() { return window_->topology()->console(); }
  QString output() { return console()->output()->toPlainText(); }
  QString inputLine() { return console()->input()->text(); }
  void type(const QString& text) { QTest::keyClicks(console()->input(), text); }
  void enter() { QTest::keyClick(console()->input(), Qt::Key_Return); }

  void trigger(const QString& caption) {
    for (QAction* action : window_->menuBar()->findChildren<QAction*>()) {
      if (action->text() == caption) return action->trigger();
    }
    QFAIL(qPrintable("no menu item " + caption));
  }

  // Answers each " --More--" with the next key of `answers_`, from inside the wait.
  void answerMoreWith(const std::string& keys) {
    answers_.assign(keys.begin(), keys.end());
    answerer_.start(5);
  }

  void startSession(const QString& lab) {
    trigger(lab);
    enter();
    type("enable");
    enter();
  }

  void open(const char* dataFolder) {
    SessionFolders folders;
    folders.applicationFolder = KOVREL_TEST_BUILD_DIR "/desktop-test";  // its error log
    folders.dataFolder = dataFolder;
    folders.stateFolder = folders.applicationFolder;
    folders.seed = 1;
    window_ = std::make_unique<MainWindow>(folders);
    window_->engine().messageBox().setModal(false);
    window_->engine().pauser().setInstant(true);
    window_->show();
    window_->start();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    connect(&answerer_, &QTimer::timeout, this, [this] {
      if (answers_.empty() || !window_->engine().waitingForKey()) return;
      QTest::keyClick(console()->input(), answers_.front());
      answers_.pop_front();
    });
  }

  void init() { open(KOVREL_TEST_APP_DIR); }

  void cleanup() {
    answerer_.stop();
    window_.reset();
  }

  void startsWithTheWelcomeText() {
    QCOMPARE(window_->currentWindow(), window_->information());
    QVERIFY(window_->information()->toPlainText().contains("Kovrel"));
    QVERIFY(window_->engine().messageBox().lastMessage().isEmpty());
    QVERIFY(!window_->sidePanel()->showNetwork()->isEnabled());
  }

  void missingDatabaseIsReportedAndTheConsoleStillWorks() {
    open(KOVREL_TEST_BUILD_DIR "/no-such-folder");
    QCOMPARE(window_->engine().messageBox().lastMessage(),
             QStringLiteral(" Not Able To Access DB. Please Check README."));
    startSession("Router StartUp");
    QCOMPARE(inputLine(), QStringLiteral("Router#"));
  }

  void labFromItsMenuBootsTheConsoleAndShowsItsInstructions() {
    trigger("Router StartUp");
    QCOMPARE(window_->currentWindow(), window_->topology());
    QVERIFY(output().endsWith("Press RETURN to get started."));
    QVERIFY(!window_->topology()->instructions()->toPlainText().isEmpty());
    QVERIFY(window_->sidePanel()->showNetwork()->isEnabled());
    QVERIFY(!window_->sidePanel()->showAnswer()->isEnabled());
    QVERIFY(!window_->topology()->routerButton(1)->isVisible());
    window_->grab().save(QStringLiteral(KOVREL_TEST_BUILD_DIR "/desktop-main-window.png"));
  }

  void typedCommandsTabAndHelpReachTheEngine() {
    startSession("Router Modes");
    QCOMPARE(inputLine(), QStringLiteral("Router#"));
    type("show histor");
    QTest::keyClick(console()->input(), Qt::Key_Tab);
    QCOMPARE(inputLine(), QStringLiteral("Router#show history "));
    enter();
    QVERIFY(output().endsWith("  enable\n  show history "));
    type("show ?");
    QVERIFY(output().contains("running-config"));
  }

  void pagedDisplayIsAnsweredWithSpaceAndQ() {
    startSession("Router Modes");
    window_->engine().setPageLength(3);
    answerMoreWith(" q");
    type("show running-config");
    enter();
    QVERIFY(answers_.empty());
    QCOMPARE(inputLine(), QStringLiteral("Router#"));
    QVERIFY(!output().contains("\nend"));  // "q" left the rest of the display unwritten
  }

  void multiLinePasteLosesNoLine() {
    startSession("Router Modes");
    window_->engine().setPageLength(3);
    window_->engine().paste("show running-config\r\nconfigure terminal\nhostname Pasted\rend\n");
    QVERIFY(output().contains("\nend"));
    QCOMPARE(inputLine(), QStringLiteral("pasted#"));
  }

  void routerBIsRefusedDuringAQuestionAndBuiltOnItsFirstVisit() {
    startSession("Troubleshooting 4");
    QVERIFY(window_->topology()->routerButton(1)->isVisible());
    type("configure");
    enter();
    QTest::mouseClick(window_->topology()->routerButton(1), Qt::LeftButton);
    QCOMPARE(window_->engine().messageBox().lastMessage(),
             QStringLiteral(" Please switch router when at prompt"));
    QVERIFY(window_->topology()->routerButton(0)->isChecked());
    enter();
    type("end");
    enter();
    QTest::mouseClick(window_->topology()->routerButton(1), Qt::LeftButton);
    QVERIFY(window_->topology()->routerButton(1)->isChecked());
    QVERIFY(output().contains("RouterB con0 is now available"));
  }

  void studyModesAndTheTestReport() {
    trigger("Router Modes");
    const QString learn = window_->topology()->instructions()->toPlainText();
    window_->sidePanel()->testMode()->click();
    const QString test = window_->topology()->instructions()->toPlainText();
    QVERIFY(test.size() < learn.size());
    window_->sidePanel()->learnMode()->click();
    QCOMPARE(window_->topology()->instructions()->toPlainText(), learn);

    trigger("Test 1: Router Setup");
    QVERIFY(window_->sidePanel()->showAnswer()->isEnabled());
    QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    QCOMPARE(window_->currentWindow(), window_->report());
    QVERIFY(window_->report()->toPlainText().contains("Your Score: 0"));
  }

  void flashCardButtonsFollowTheDeck() {
    trigger("Load Flash Cards");
    FlashCardViewer* viewer = window_->flashCards();
    QCOMPARE(window_->currentWindow(), viewer);
    QVERIFY(viewer->questionBox()->toPlainText().startsWith("Question: "));
    QVERIFY(!viewer->back()->isEnabled());
    QVERIFY(viewer->forward()->isEnabled());
    QTest::mouseClick(viewer->showAnswer(), Qt::LeftButton);
    QVERIFY(viewer->answerBox()->toPlainText().size() > QStringLiteral("Answer: ").size());
    QTest::mouseClick(viewer->forward(), Qt::LeftButton);
    QVERIFY(viewer->back()->isEnabled());
    QCOMPARE(viewer->answerBox()->toPlainText(), QStringLiteral("Answer: "));
  }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the desktop program on the offscreen platform: they check that the windows are
// wired to the engine (the engine's own behaviour is tested elsewhere).
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCommandLinkButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

#include "shell/desktop/activity_menus.h"
#include "shell/desktop/command_reference_window.h"
#include "shell/desktop/console_widget.h"
#include "shell/desktop/desktop_style.h"
#include "shell/desktop/flash_card_viewer.h"
#include "shell/desktop/main_window.h"
#include "shell/desktop/picture_viewer.h"
#include "shell/desktop/rich_text_pane.h"
#include "shell/desktop/search_dialog.h"
#include "shell/desktop/side_panel.h"
#include "shell/desktop/topology_window.h"
#include "training/activity_menu.h"

using namespace kovrel::desktop;

namespace {

// The caption as the activity table has it: without its mnemonic and a test's best score.
QString caption(const QAction* action) {
  return action->text().remove(QLatin1Char('&')).section(QStringLiteral(" (best "), 0, 0);
}

// The letters after "&" in the menu's captions, once each; a repeated one or a caption without one
// is reported.
QString mnemonicFaults(const QList<QAction*>& actions) {
  QString seen, faults;
  for (const QAction* action : actions) {
    if (action->isSeparator()) continue;
    const QString text = action->text().replace(QLatin1String("&&"), QString());
    const qsizetype marker = text.indexOf(QLatin1Char('&'));
    const QChar letter = marker >= 0 ? text.at(marker + 1).toLower() : QChar();
    if (marker < 0 || seen.contains(letter)) faults += action->text() + QLatin1Char(' ');
    seen += letter;
  }
  return faults;
}

bool hasBoldText(const QTextDocument* document) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().charFormat().fontWeight() == QFont::Bold) return true;
    }
  }
  return false;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  std::deque<char> answers_;  // keys for the " --More--" waits still to come
  QTimer answerer_;
  std::function<void()> duringWait_;  // checked once, inside the next " --More--" wait
  QTemporaryDir folder_;              // the error log, saved sessions

  ConsoleWidget* console() { return window_->topology()->console(); }
  QString output() { return console()->output()->toPlainText(); }
  QString inputLine() { return console()->input()->text(); }
  void type(const QString& text) { QTest::keyClicks(console()->input(), text); }
  void enter() { QTest::keyClick(console()->input(), Qt::Key_Return); }

  QAction* menuItem(const QString& wanted) {
    for (QAction* action : window_->findChildren<QAction*>()) {
      if (caption(action) == wanted) return action;
    }
    return nullptr;
  }

  void trigger(const QString& wanted) {
    QAction* action = menuItem(wanted);
    QVERIFY2(action != nullptr, qPrintable("no menu item " + wanted));
    action->trigger();
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
    folders.applicationFolder = folder_.path().toStdString();  // its error log
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
    installDesktopStyle();
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QVERIFY(folder_.isValid());
    connect(&answerer_, &QTimer::timeout, this, [this] {
      if (answers_.empty() || !window_->engine().waitingForKey()) return;
      if (duringWait_) std::exchange(duringWait_, nullptr)();
      QTest::keyClick(console()->input(), answers_.front());
      answers_.pop_front();
    });
  }

  void init() { open(KOVREL_TEST_APP_DIR); }

  void cleanup() {
    answerer_.stop();
    window_.reset();
    QSettings().clear();
  }

  void startsWithTheWelcomeText() {
    QCOMPARE(window_->currentWindow(), window_->informationPage());
    QVERIFY(window_->information()->toPlainText().contains("Kovrel"));
    QVERIFY(window_->startHere()->isVisible());
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
  }

  void menusComeFromTheActivityTableWithAMnemonicEach() {
    QString faults = mnemonicFaults(window_->menuBar()->actions());
    std::size_t activities = 0, listed = 0;
    for (QMenu* menu : window_->menuBar()->findChildren<QMenu*>()) {
      faults += mnemonicFaults(menu->actions());
      for (QAction* action : menu->actions()) {
        if (!action->menu() && !action->isSeparator() && action->statusTip().isEmpty())
          faults += caption(action) + QLatin1String(" has no status tip ");
      }
    }
    QCOMPARE(faults, QString());
    for (const auto& list :
         {kovrel::labMenu(), kovrel::testMenu(), kovrel::troubleshootingMenu()}) {
      listed += list.size();
      for (const kovrel::ActivityMenuItem& item : list) {
        activities +=
            menuItem(QString::fromUtf8(item.caption.data(), item.caption.size())) != nullptr;
      }
    }
    QCOMPARE(activities, listed);
    QString taken = QStringLiteral("a");
    QCOMPARE(withMnemonic(QStringLiteral("Q & A"), taken), QStringLiteral("&Q && A"));
    QCOMPARE(withMnemonic(QStringLiteral("aq"), taken), QStringLiteral("aq"));
  }

  // The busy guard: while the engine waits, nothing may start another command inside it.
  void menuCommandsAreRefusedDuringMoreAndPing() {
    startSession("Router Modes");
    window_->engine().setPageLength(3);
    QAction* lab = menuItem("Router StartUp");
    bool checked = false;
    duringWait_ = [&] {
      QVERIFY(window_->engine().busy());
      QVERIFY(!lab->isEnabled());
      QVERIFY(!window_->sidePanel()->isEnabled());
      QVERIFY(!console()->pasteAction()->isEnabled());
      QVERIFY(menuItem("Quit")->isEnabled());
      window_->startLab("routerStartUp");
      window_->openInformation("studyPlan");
      QCOMPARE(window_->currentWindow(), window_->topology());
      checked = true;
    };
    answerMoreWith("q");
    type("show running-config");
    enter();
    QVERIFY(checked);
    QVERIFY(lab->isEnabled() && !window_->engine().busy());
    QCOMPARE(inputLine(), QStringLiteral("Router#"));

    window_->engine().pauser().setInstant(false);
    checked = false;
    QTimer::singleShot(0, this, [&] {
      QVERIFY(window_->engine().busy() && !lab->isEnabled());
      QVERIFY(!window_->engine().run([] { QFAIL("re-entered the engine"); }));
      window_->engine().pauser().setInstant(true);
      checked = true;
    });
    type("ping 10.0.0.1");
    enter();
    QVERIFY(checked);
    QVERIFY(output().contains("Success rate"));
    QVERIFY(lab->isEnabled());
  }

  void ctrlZLeavesConfigurationAndHelpIsBold() {
    startSession("Router Modes");
    type("configure terminal");
    enter();
    QTest::keyClick(console()->input(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(inputLine(), QStringLiteral("Router#"));
    QVERIFY(!hasBoldText(console()->output()->document()));
    window_->engine().setPageLength(500);
    type("?");
    QVERIFY(hasBoldText(console()->output()->document()));
  }

  void keyboardAloneOpensALabRunsACommandAndQuits() {
    QTest::keyClick(window_.get(), Qt::Key_L, Qt::AltModifier);
    auto* labs = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(labs != nullptr);
    QCOMPARE(labs->title(), QStringLiteral("&Labs"));
    // The first item is chosen as the menu opens: down to "Starting Up", into it, then down.
    for (const auto key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down})
      QTest::keyClick(QApplication::activePopupWidget(), key);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QCOMPARE(window_->currentWindow(), window_->topology());
    QCOMPARE(window_->topology()->instructions()->toPlainText().section('\n', 0, 0),
             "Router Modes");
    enter();
    type("enable");
    enter();
    QCOMPARE(inputLine(), QStringLiteral("Router#"));
    QTest::keyClick(console()->input(), Qt::Key_F10);
    QVERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(console()->input(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window_->isVisible());
  }

  void quittingAGradedTestAsksFirst() {
    trigger("Test 1: Router Setup");
    QVERIFY(window_->gradedTestOpen());
    window_->engine().messageBox().setTestAnswer(false);
    trigger("Quit");
    QVERIFY(window_->isVisible());
    QVERIFY(window_->engine().messageBox().lastMessage().contains("graded test"));
    QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
    QVERIFY(!window_->gradedTestOpen());
    trigger("Quit");
    QVERIFY(!window_->isVisible());
  }

  void typedWorkInATestIsReplacedOnlyWhenTheStudentAgrees() {
    startSession("Test 1: Router Setup");
    window_->engine().messageBox().setTestAnswer(false);
    trigger("Router Modes");
    QVERIFY(window_->gradedTestOpen());
    QVERIFY(window_->engine().messageBox().lastMessage().endsWith("?"));
    window_->engine().messageBox().setTestAnswer(true);
    trigger("Router Modes");
    QVERIFY(!window_->gradedTestOpen());
  }

  void sessionIsSavedAsTextAndAFailureIsReported() {
    startSession("Router Modes");
    const QString path = folder_.filePath("session.txt");
    QVERIFY(window_->saveSessionTo(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), console()->transcript());
    QVERIFY(console()->transcript().endsWith("Router#\n"));
    QVERIFY(!window_->saveSessionTo(folder_.filePath("no-such-folder/session.txt")));
    QVERIFY(window_->engine().messageBox().lastMessage().startsWith("The session could not"));
  }

  void startHereInformationBesideAndThePictureFollowTheScenario() {
    QTest::mouseClick(window_->startHere(), Qt::LeftButton);
    QCOMPARE(window_->currentWindow(), window_->topology());
    trigger("Study Plan");
    QVERIFY(window_->informationBeside()->isVisible());
    QCOMPARE(window_->currentWindow(), window_->topology());
    QVERIFY(window_->sidePanel()->learnMode()->isVisible());
    QVERIFY(window_->sidePanel()->showNetwork()->isEnabled());

    QTest::mouseClick(window_->sidePanel()->showNetwork(), Qt::LeftButton);
    QVERIFY(window_->picture()->isVisible());
    const QString labPicture = window_->picture()->windowTitle();
    const QRect shown = window_->picture()->pictureRect();
    const QSize natural = window_->picture()->naturalSize();
    QVERIFY(qAbs(shown.width() * natural.height() - shown.height() * natural.width()) <
            natural.width() + natural.height());  // the drawing keeps its shape
    trigger("Troubleshooting 4: Two Routers, No Link");
    QVERIFY(!window_->picture()->isVisible() || window_->picture()->windowTitle() != labPicture);
  }

  // Every widget a student can reach has a name a screen reader can say.
  void everyInteractiveWidgetHasAnAccessibleName() {
    trigger("Troubleshooting 4: Two Routers, No Link");
    QString unnamed;
    for (QWidget* root :
         {static_cast<QWidget*>(window_.get()), static_cast<QWidget*>(window_->picture()),
          static_cast<QWidget*>(window_->informationBeside())}) {
      QList<QWidget*> widgets = root->findChildren<QWidget*>();
      widgets << root;
      for (QWidget* widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus || qobject_cast<QMenu*>(widget)) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).isEmpty())
          unnamed += QLatin1String(widget->metaObject()->className()) + QLatin1Char(' ');
      }
    }
    QCOMPARE(unnamed, QString());
  }

  void searchOpensWhatItFindsAndTheReferenceFilters() {
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(window_->search() != nullptr && window_->search()->isVisible());
    QTest::keyClicks(window_->search()->query(), "login BANNER");
    QVERIFY(window_->search()->results()->count() > 1);
    QCOMPARE(window_->search()->results()->item(0)->text(), "Lab: Login Banner");
    QTest::keyClick(window_->search()->query(), Qt::Key_Return);
    QCOMPARE(window_->currentWindow(), window_->topology());
    QVERIFY(window_->topology()->instructions()->toPlainText().startsWith("Login Banner"));

    trigger("Command Reference");
    CommandReferenceWindow* reference = window_->commandReference();
    QVERIFY(reference != nullptr && reference->isVisible());
    const int all = reference->shownCount();
    QTest::keyClicks(reference->filter(), "pad");
    QVERIFY(reference->shownCount() >= 1 && reference->shownCount() < all);
    const auto pads = reference->tree()->findItems("pad", Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!pads.isEmpty() && pads.first()->text(2) == "not carried out");
  }

  // Not a check: with KOVREL_SCREENSHOTS set to a folder, saves what a student sees at 800x600.
  void screenshots() {
    const QString folder = qEnvironmentVariable("KOVREL_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KOVREL_SCREENSHOTS names no folder");
    window_->resize(800, 600);
    window_->grab().save(folder + "/welcome.png");
    for (const char* palette : {"Light", "Dark"}) {
      trigger(palette);
      startSession("Troubleshooting 4: Two Routers, No Link");
      type("show ip interface brief");
      enter();
      trigger("Study Plan");
      QApplication::processEvents();
      window_->grab().save(folder + "/main-" + palette + ".png");
      window_->informationBeside()->grab().save(folder + "/information-" + palette + ".png");
      QTest::mouseClick(window_->sidePanel()->showNetwork(), Qt::LeftButton);
      window_->picture()->grab().save(folder + "/network-" + palette + ".png");
      trigger("Test 3: Network Configuration");
      window_->sidePanel()->showAnswer()->click();
      window_->grab().save(folder + "/report-" + palette + ".png");
    }
  }

  void typedCommandsTabAndHelpReachTheEngine() {
    startSession("Router Modes");
    window_->engine().setPageLength(500);
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
    QCOMPARE(inputLine(), QStringLiteral("Pasted#"));
  }

  // A long paste stops at Esc half way and says what it left; a close stops it too.
  void longPasteStopsAtEscOrCloseAndSaysHowManyLinesWereLeft() {
    startSession("Router Modes");
    QString text = QStringLiteral("configure terminal\n");
    for (int line = 1; line < 2000; ++line) text += QStringLiteral("hostname H%1\n").arg(line);
    QSignalSpy notices(&window_->engine(), &EngineSession::notice);
    QTimer stopper;
    connect(&stopper, &QTimer::timeout, this, [this] {
      if (window_->engine().simulator().state.current.config.hostname.size() >= 5)  // h1000
        QTest::keyClick(console()->input(), Qt::Key_Escape);
    });
    stopper.start(0);
    window_->engine().paste(text);
    stopper.stop();
    QCOMPARE(notices.size(), 1);
    int untyped = 0, typed = 0;
    QCOMPARE(std::sscanf(qPrintable(notices[0][0].toString()),
                         "Paste cancelled: %d lines not typed (%d typed)", &untyped, &typed),
             2);
    QCOMPARE(untyped + typed, 2000);
    QVERIFY2(typed >= 1000 && untyped > 0, qPrintable(notices[0][0].toString()));
    QCOMPARE(inputLine(), QStringLiteral("H%1(config)#").arg(typed - 1));
    QVERIFY(window_->statusBar()->currentMessage().startsWith("Paste cancelled"));
    QTimer::singleShot(0, window_.get(), &QWidget::close);
    window_->engine().paste(text);
    QVERIFY(!window_->isVisible());
    QCOMPARE(notices.size(), 2);
  }

  // Closing cuts a ping's pauses short; a click during one is refused, not kept for later.
  void closeAndClicksDuringAPingActAtOnce() {
    trigger("Test 1: Router Setup");
    enter();
    type("enable");
    enter();
    window_->engine().pauser().setInstant(false);
    bool clicked = false;
    QTimer::singleShot(0, this, [&] {
      QVERIFY(!window_->sidePanel()->showAnswer()->isEnabled());
      QTest::mouseClick(window_->sidePanel()->showAnswer(), Qt::LeftButton);
      clicked = true;
      window_->engine().messageBox().setTestAnswer(true);
      window_->close();
    });
    type("ping 10.0.0.1");
    enter();
    QVERIFY(clicked);
    QVERIFY(!window_->isVisible());
    QVERIFY(output().contains("Success rate"));
    QCoreApplication::processEvents();
    QCOMPARE(window_->engine().simulator().state.training.currentActivity, kovrel::Activity::test);
  }

  // Ctrl-^ (Ctrl-Shift-6) and Ctrl-C abort a trace or a ping during its pauses; were the key
  // lost, the rest would run at once and show every hop and probe.
  void escapeSequenceAbortsATraceAndAPing() {
    startSession("Router Modes");
    const struct {
      const char* command;
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      const char* ending;
    } cases[] = {
        {"traceroute 10.1.2.3", Qt::Key_AsciiCircum, Qt::ControlModifier | Qt::ShiftModifier,
         "Tracing the route to 10.1.2.3\n "},
        {"traceroute 10.1.2.3", Qt::Key_C, Qt::ControlModifier, "Tracing the route to 10.1.2.3\n "},
        {"ping 10.1.2.3", Qt::Key_C, Qt::ControlModifier,
         "timeout is 2 seconds:\n.\nSuccess rate is 0 percent (0/1)"},
    };
    for (const auto& row : cases) {
      window_->engine().setPageLength(100);  // no " --More--" takes the key first
      window_->engine().pauser().setInstant(false);
      QTimer::singleShot(0, this,
                         [&] { QTest::keyClick(console()->input(), row.key, row.modifiers); });
      QTimer::singleShot(0, this, [this] { window_->engine().pauser().setInstant(true); });
      type(row.command);
      enter();
      QVERIFY2(output().endsWith(row.ending), qPrintable(output().right(99)));
      QCOMPARE(inputLine(), QStringLiteral("Router#"));
    }
  }

  void routerBIsRefusedDuringAQuestionAndBuiltOnItsFirstVisit() {
    startSession("Troubleshooting 4: Two Routers, No Link");
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMainWindow>
#include <memory>
#include <string>

#include "base/activity_listener.h"
#include "shell/desktop/engine_session.h"

class QAction;
class QCommandLinkButton;
class QStackedWidget;

namespace kovrel::desktop {

class FlashCardViewer;
class PictureViewer;
class ProgressWindow;
class CommandReferenceWindow;
class SearchDialog;
class RichTextPane;
class SidePanel;
class TopologyWindow;
class ViewSettings;

/// The main window: the menus, the side panel, and the window of the current activity (the
/// information text, the topology window with instructions and console, the test report or the
/// flash cards). The network picture is a window of its own beside it, so that it can stay open
/// while the student types. Windows open and close as the engine's scenario launchers say.
class MainWindow : public QMainWindow, public ActivityListener {
  Q_OBJECT

 public:
  explicit MainWindow(const SessionFolders& folders, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// Start-up: the lesson database with its boot and welcome texts (and the message box when it
  /// cannot be reached), then the information window with the welcome text.
  void start();

  void activityStarted(const ActivityPanes& panes) override;
  void routerSwitched(RouterId currentRouter) override;
  void stepsChanged() override;
  void scenarioSolved(int scenario) override;

  // The menu commands.
  void startLab(const std::string& labName);
  void startTest(const std::string& testName);
  void startTroubleshooting(const std::string& name);
  void openFlashCards();
  void openInformation(const std::string& id);
  void showAbout();
  /// The search box (Ctrl+K), its texts read from the lesson database the first time.
  void openSearch();
  /// The command reference, read from the lesson database the first time.
  void openCommandReference();
  /// Asks for a file and writes the console's text into it.
  void saveSessionAs();
  /// Writes the console's text (output, then the input line) as UTF-8; false, with a message to
  /// the student, when the file cannot be written.
  bool saveSessionTo(const QString& path);

  // The side panel's commands.
  void chooseStudyMode(bool learnMode);
  void showInstructionsAndTerminal();
  void showNetwork();
  void showAnswer();
  /// Starts the current activity again from a fresh router, asking first when typed work would
  /// be lost.
  void resetActivity();
  /// Hint and Show Solution as the engine offers them for the current activity and mode.
  void offerHints();
  /// Reveals the next step of the troubleshooting solution, or all of it, in the instructions.
  void revealSolutionPart(void (*reveal)(Simulator&));

  /// The Progress window, filled afresh from the progress store.
  void openProgress();
  /// Asks for a file and saves the test report (or the progress summary) as PDF or HTML.
  void saveReportAs();
  void saveProgressAs();
  /// Write the report or the summary to `path` (PDF for ".pdf", else HTML); false, with a message
  /// to the student, when the file cannot be written.
  bool saveReportTo(const QString& path);
  bool saveProgressTo(const QString& path);

  EngineSession& engine() { return *engine_; }
  SidePanel* sidePanel() const { return sidePanel_; }
  TopologyWindow* topology() const { return topology_; }
  RichTextPane* information() const { return information_; }
  /// The information window in the main window: the welcome text, with its "Start here" link.
  QWidget* informationPage() const { return informationPage_; }
  /// Information opened while a scenario runs: a window of its own, beside the scenario.
  RichTextPane* informationBeside() const { return informationBeside_; }
  QCommandLinkButton* startHere() const { return startHere_; }
  RichTextPane* report() const { return report_; }
  FlashCardViewer* flashCards() const { return flashCards_; }
  PictureViewer* picture() const { return picture_; }
  SearchDialog* search() const { return search_; }
  CommandReferenceWindow* commandReference() const { return commandReference_; }
  ProgressWindow* progressWindow() const { return progress_; }
  QWidget* currentWindow() const;
  /// The menu actions that run something in the engine: disabled while it is busy.
  const QList<QAction*>& engineActions() const { return engineActions_; }
  /// A graded test is open and not yet submitted: quitting asks first.
  bool gradedTestOpen() const { return gradedTestOpen_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildCentre();
  QWidget* buildInformationPage(QWidget* parent);
  void buildMenus();
  void connectConsole();
  void connectPanels();
  void setEngineBusy(bool busy);
  void restoreLayout();
  void saveLayout() const;
  void applyZoom(double factor);
  void redrawPicture();
  void drawPicture();
  void startActivity(const std::function<void()>& launcher);
  void showWindow(QWidget* window);
  /// The checklist, the banner, the menus' marks and an open Progress window follow the engine.
  void showStudyFeedback();
  void connectFlashCards();
  void openProgressFile();

  SessionFolders folders_;
  SidePanel* sidePanel_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QWidget* informationPage_ = nullptr;
  RichTextPane* information_ = nullptr;
  RichTextPane* informationBeside_ = nullptr;
  QCommandLinkButton* startHere_ = nullptr;
  TopologyWindow* topology_ = nullptr;
  RichTextPane* report_ = nullptr;
  FlashCardViewer* flashCards_ = nullptr;
  PictureViewer* picture_ = nullptr;
  ViewSettings* view_ = nullptr;
  SearchDialog* search_ = nullptr;
  CommandReferenceWindow* commandReference_ = nullptr;
  ProgressWindow* progress_ = nullptr;
  QList<QAction*> engineActions_;
  bool gradedTestOpen_ = false;
  bool pictureSized_ = false;  // the network window has had its size: saved, or set once
  // Declared last, so that the engine goes before the windows it draws in.
  std::unique_ptr<EngineSession> engine_;
};

}  // namespace kovrel::desktop

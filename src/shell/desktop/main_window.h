#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "base/activity_listener.h"
#include "shell/desktop/engine_session.h"

class QStackedWidget;

namespace kovrel::desktop {

class FlashCardViewer;
class PictureViewer;
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

  // The menu commands.
  void startLab(const std::string& labName);
  void startTest(const std::string& testName);
  void startTroubleshooting(const std::string& name);
  void openFlashCards();
  void openInformation(const std::string& id);
  void showAbout();

  // The side panel's commands.
  void chooseStudyMode(bool learnMode);
  void showInstructionsAndTerminal();
  void showNetwork();
  void showAnswer();

  EngineSession& engine() { return *engine_; }
  SidePanel* sidePanel() const { return sidePanel_; }
  TopologyWindow* topology() const { return topology_; }
  RichTextPane* information() const { return information_; }
  RichTextPane* report() const { return report_; }
  FlashCardViewer* flashCards() const { return flashCards_; }
  PictureViewer* picture() const { return picture_; }
  QWidget* currentWindow() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildCentre();
  void buildMenus();
  void connectConsole();
  void connectPanels();
  void applyZoom(double factor);
  void redrawPicture();
  void afterScenarioStart();
  void startActivity(const std::function<void()>& launcher);
  void showWindow(QWidget* window);

  SessionFolders folders_;
  SidePanel* sidePanel_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  RichTextPane* information_ = nullptr;
  TopologyWindow* topology_ = nullptr;
  RichTextPane* report_ = nullptr;
  FlashCardViewer* flashCards_ = nullptr;
  PictureViewer* picture_ = nullptr;
  ViewSettings* view_ = nullptr;
  // Declared last, so that the engine goes before the windows it draws in.
  std::unique_ptr<EngineSession> engine_;
};

}  // namespace kovrel::desktop

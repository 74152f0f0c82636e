// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "base/activity_listener.h"
#include "base/simulator.h"
#include "base/standard_services.h"
#include "shell/terminal/key_reader.h"
#include "shell/terminal/terminal_screen.h"
#include "shell/web/rich_text_html.h"

namespace kovrel {
struct FlashCardView;
}

namespace kovrel::web {

/// Key bytes from the page's terminal. While the engine waits between commands, a command from
/// the page's menus that arrives is run at once; during a " --More--" it is refused, so nothing
/// re-enters the engine halfway through a command.
class PageByteSource : public terminal::ByteSource {
 public:
  using CommandRunner = std::function<void(const std::string& command)>;
  explicit PageByteSource(CommandRunner runner) : runner_(std::move(runner)) {}

  Status read(char* buffer, std::size_t size, std::size_t& count, bool briefly) override;
  bool ready() override { return position_ < pending_.size(); }
  void setIdle(bool idle) { idle_ = idle; }

 private:
  CommandRunner runner_;
  std::string pending_;
  std::size_t position_ = 0;
  bool idle_ = false;
};

/// Services of the page: pauses sleep the engine while the page runs on, messages are the page's
/// dialog, and error reports go to the browser's console.
class PagePauser : public Pauser {
 public:
  void pause(int milliseconds) override;
};
class PageMessageBox : public MessageBox {
 public:
  void show(const std::string& text) override;
};
class PageErrorLog : public ErrorLogSink {
 public:
  std::string write(const std::vector<std::string>& lines, bool truncate) override;
};

/// One run of the page: the simulator with the page's services, the terminal drawn by the terminal
/// front-end's screen, the lesson panes as HTML, and the commands of the page's menus.
class WebSession : public ActivityListener {
 public:
  explicit WebSession(std::string databasePath);

  /// Shows the welcome text, then handles the page's keys and commands for as long as it is open.
  void run();

  void activityStarted(const ActivityPanes& panes) override;
  void routerSwitched(RouterId currentRouter) override;
  void stepsChanged() override { checklistChanged_ = true; }
  void scenarioSolved(int scenario) override;

 private:
  void runCommand(const std::string& command);
  void startActivity(const std::function<void()>& launcher);
  void resize(const std::string& arguments);
  void publishCard(const FlashCardView& view);
  void publishChanges();
  void publishState();
  void publishChecklist();
  void openProgress();

  std::string databasePath_;
  terminal::TerminalScreen screen_;
  PageByteSource source_;
  terminal::KeyReader keys_;
  class MoreKeyWaiter : public KeyWaiter {
   public:
    explicit MoreKeyWaiter(terminal::KeyReader& keys) : keys_(keys) {}
    int waitForKey() override { return keys_.answerMore(); }

   private:
    terminal::KeyReader& keys_;
  } keyWaiter_;
  PagePauser pauser_;
  PageMessageBox messageBox_;
  SystemClock clock_;
  SeededRandom random_;
  PageErrorLog errorLog_;
  HtmlPane instructions_;
  HtmlPane information_;
  HtmlPane report_;
  Simulator sim_;
  bool pictureShown_ = false;
  bool darkPicture_ = false;
  std::string lastPicture_;
  bool checklistChanged_ = true;
};

}  // namespace kovrel::web

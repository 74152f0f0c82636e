// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>

#include "base/simulator.h"
#include "base/standard_services.h"
#include "shell/desktop/desktop_services.h"
#include "shell/desktop/key_translation.h"

namespace kovrel::desktop {

/// Where the program's files are and how it draws its random numbers.
struct SessionFolders {
  std::filesystem::path applicationFolder;  // the error log, when it can be written there
  std::filesystem::path dataFolder;         // the lesson database and the pictures
  std::filesystem::path stateFolder;        // the error log otherwise
  std::string progressFile;                 // the student's progress; empty: kept in memory only
  std::optional<std::uint32_t> seed;
};

/// The engine as the windows use it: the simulator with the services a window gives it, and the
/// one door through which keys, pastes and menu commands reach it. While a command runs nothing
/// else starts; a key then answers the wait.
///
/// `busy` is true while a running command holds the engine in a wait the window's event loop
/// serves (a pause, " --More--", a ping's replies): windows disable what the engine cannot take
/// until `busyChanged(false)`. A command that never waits never turns it on.
class EngineSession : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

 public:
  EngineSession(ConsoleView& view, QWidget* messageParent, const SessionFolders& folders);

  Simulator& simulator() { return sim_; }
  WindowPauser& pauser() { return pauser_; }
  WindowMessageBox& messageBox() { return messageBox_; }
  /// A command or key is being handled (nested waits included); anything else is refused.
  bool running() const { return depth_ > 0; }
  bool busy() const { return busy_; }
  bool waitingForKey() const { return keyWaiter_.waiting(); }

  /// Runs a menu or button command, trapping any failure, unless a command is running; false
  /// when it was refused.
  bool run(const std::function<void()>& command);

  /// A key answers an open " --More--"; while a command runs it waits its turn (typed ahead, as
  /// in the router's own buffer), except Esc and Ctrl-C during a paste, which stop the paste,
  /// and Ctrl-^ or Ctrl-C during a ping's or a trace's pause, which abort it.
  void pressKey(const ConsoleKey& pressed);
  void releaseKey(int keyCode);
  /// Types the text line by line at the console's own speed (the engine's paste rules), the
  /// window still answering; says how many lines were left untyped when it was stopped.
  void paste(const QString& text);
  void setPageLength(int lines) { sim_.state.console.pageLength = lines; }
  /// The window is closing: a paste stops, an open " --More--" ends and no pause holds the
  /// program up.
  void abandonWaits();

 signals:
  void busyChanged(bool busy);
  /// A " --More--" wait for one key starts (true) or ends (false).
  void keyWaitChanged(bool waiting);
  /// Something the student should read in passing (a stopped paste).
  void notice(const QString& text);

 private:
  WindowPauser pauser_;
  WindowKeyWaiter keyWaiter_;
  WindowMessageBox messageBox_;
  SystemClock clock_;
  SeededRandom random_;
  FileErrorLog errorLog_;
  Simulator sim_;
  int depth_ = 0;
  bool busy_ = false;
  bool pasting_ = false;
  bool pasteStopped_ = false;
  std::deque<ConsoleKey> typedAhead_;

  void startWaiting();
  void deliver(const ConsoleKey& pressed);
  void typeAhead();

  /// Marks a command running for as long as it (or a key) is handled, nested waits included.
  class RunningScope {
   public:
    explicit RunningScope(EngineSession& session);
    ~RunningScope();
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

   private:
    EngineSession& session_;
  };
};

}  // namespace kovrel::desktop

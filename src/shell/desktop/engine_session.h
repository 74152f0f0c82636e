#pragma once

#include <QString>
#include <cstdint>
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
  std::optional<std::uint32_t> seed;
};

/// The engine as the windows use it: the simulator with the services a window gives it, and the
/// one door through which keys, pastes and menu commands reach it. While the engine is busy (a
/// pause, a " --More--" wait) nothing else starts; a key then answers the wait.
class EngineSession {
 public:
  EngineSession(ConsoleView& view, QWidget* messageParent, const SessionFolders& folders);

  Simulator& simulator() { return sim_; }
  WindowPauser& pauser() { return pauser_; }
  WindowMessageBox& messageBox() { return messageBox_; }
  bool busy() const { return depth_ > 0; }
  bool waitingForKey() const { return keyWaiter_.waiting(); }

  /// Runs a menu or button command, trapping any failure, unless the engine is busy; false when
  /// it was refused.
  bool run(const std::function<void()>& command);

  void pressKey(const ConsoleKey& pressed);
  void releaseKey(int keyCode);
  /// Types the text key by key, each line break an Enter; paged displays go on by themselves.
  void paste(const QString& text);
  void setPageLength(int lines) { sim_.state.console.pageLength = lines; }
  /// The window is closing: an open " --More--" ends and no pause holds the program up.
  void abandonWaits();
  /// `typing` is told whether the console takes keys: not while the router works (a command, a
  /// pause, a paged display), again when the prompt is back. `waiting` is told when a
  /// " --More--" wait for one key starts (true) and ends (false).
  void setListeners(std::function<void(bool accepted)> typing,
                    std::function<void(bool waiting)> waiting);

 private:
  WindowPauser pauser_;
  WindowKeyWaiter keyWaiter_;
  WindowMessageBox messageBox_;
  SystemClock clock_;
  SeededRandom random_;
  FileErrorLog errorLog_;
  Simulator sim_;
  int depth_ = 0;
  std::function<void(bool)> typingListener_;

  /// Marks the engine busy for as long as one command or key runs, nested waits included.
  class BusyScope {
   public:
    explicit BusyScope(EngineSession& session);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    EngineSession& session_;
  };
};

}  // namespace kovrel::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/platform_adapters.h"

#include <pwd.h>
#include <unistd.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdlib>
#include <system_error>
#include <thread>

namespace kovrel::terminal {

#ifdef __EMSCRIPTEN__
// Under node the program is a script, and /proc/self/exe names node itself.
EM_JS(char*, scriptFolder, (), { return allocateUTF8(__dirname); });
#endif

std::filesystem::path applicationFolder() {
#ifdef __EMSCRIPTEN__
  char* folder = scriptFolder();
  std::filesystem::path path(folder);
  std::free(folder);
  return path;
#else
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || executable.empty()) return std::filesystem::current_path(error);
  return executable.parent_path();
#endif
}

std::filesystem::path stateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::filesystem::path(state) / "kovrel";
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') {
    const passwd* entry = getpwuid(getuid());
    home = entry != nullptr ? entry->pw_dir : "/tmp";
  }
  return std::filesystem::path(home) / ".local" / "state" / "kovrel";
}

StartedClock::Elapsed realTimeSinceNow() {
  const auto began = std::chrono::steady_clock::now();
  return [began] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 began);
  };
}

void SleepingPauser::pause(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool SleepingPauser::pauseUnlessEscaped(int milliseconds) {
  if (!escapeWithin_) {
    pause(milliseconds);
    return false;
  }
  const auto began = std::chrono::steady_clock::now();
  if (escapeWithin_(milliseconds)) return true;
  // The input ended before the time was up: the pause runs its course.
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - began);
  pause(milliseconds - static_cast<int>(waited.count()));
  return false;
}

}  // namespace kovrel::terminal

#include "shell/terminal/platform_adapters.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace kovrel::terminal {

std::filesystem::path applicationFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || executable.empty()) return std::filesystem::current_path(error);
  return executable.parent_path();
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

SeededRandom::SeededRandom(std::optional<std::uint32_t> seed)
    : generator_(seed ? *seed : std::random_device{}()) {}

double SeededRandom::nextUnit() {
  // Built by hand rather than with a distribution, whose results differ between libraries: the
  // same seed must give the same numbers everywhere.
  return static_cast<double>(generator_()) / 4294967296.0;
}

void SleepingPauser::pause(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool FileErrorLog::tryWrite(const std::filesystem::path& path,
                            const std::vector<std::string>& lines, bool truncate) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream file(path, truncate ? std::ios::trunc : std::ios::app);
  if (!file) return false;
  for (const std::string& line : lines) file << line << '\n';
  file.flush();
  return static_cast<bool>(file);
}

std::string FileErrorLog::write(const std::vector<std::string>& lines, bool truncate) {
  if (!chosen_.empty() && tryWrite(chosen_, lines, truncate)) return chosen_.string();
  // The first report of a run, or the chosen log stopped taking reports: start a log afresh.
  for (const std::filesystem::path& folder : {applicationFolder_, fallbackFolder_}) {
    const std::filesystem::path path = folder / kErrorLogName;
    if (path == chosen_) continue;
    if (tryWrite(path, lines, truncate || !chosen_.empty())) {
      chosen_ = path;
      return path.string();
    }
  }
  throw std::runtime_error("neither " + (applicationFolder_ / kErrorLogName).string() + " nor " +
                           (fallbackFolder_ / kErrorLogName).string() + " can be written");
}

}  // namespace kovrel::terminal

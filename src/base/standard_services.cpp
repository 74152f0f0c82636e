// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/standard_services.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace kovrel {

std::filesystem::path findDataFolder(const std::filesystem::path& executableFolder) {
  const std::filesystem::path installed = executableFolder.parent_path() / "share" / "kovrel";
  std::error_code error;
  for (const std::filesystem::path& folder : {executableFolder, installed}) {
    if (std::filesystem::is_regular_file(folder / kDatabaseName, error)) return folder;
  }
  return executableFolder;
}

SeededRandom::SeededRandom(std::optional<std::uint32_t> seed)
    : generator_(seed ? *seed : std::random_device{}()) {}

double SeededRandom::nextUnit() {
  // Built by hand rather than with a distribution, whose results differ between libraries: the
  // same seed must give the same numbers everywhere.
  return static_cast<double>(generator_()) / 4294967296.0;
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

}  // namespace kovrel

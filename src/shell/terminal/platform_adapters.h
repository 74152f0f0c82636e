#pragma once

#include <filesystem>

#include "base/standard_services.h"

namespace kovrel::terminal {

/// The folder of the running executable: the error log lives beside it, and the lesson database
/// beside it or under its prefix (`findDataFolder`).
std::filesystem::path applicationFolder();

/// Where the error log goes when the application folder cannot be written:
/// $XDG_STATE_HOME/kovrel, by default ~/.local/state/kovrel.
std::filesystem::path stateFolder();

/// The interactive pause: the router's imitated delays really pass.
class SleepingPauser : public Pauser {
 public:
  void pause(int milliseconds) override;
};

/// Batch runs never wait: a transcript is decided by its bytes, not by time.
class SkippingPauser : public Pauser {
 public:
  void pause(int) override {}
};

}  // namespace kovrel::terminal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

#include "base/standard_services.h"

namespace kovrel::terminal {

/// The folder of the running executable: the error log lives beside it, and the lesson database
/// beside it or under its prefix (`findDataFolder`).
std::filesystem::path applicationFolder();

/// Where the error log goes when the application folder cannot be written:
/// $XDG_STATE_HOME/kovrel, by default ~/.local/state/kovrel.
std::filesystem::path stateFolder();

/// A clock set going at a chosen time (--clock), moved on by the time the run says has passed: the
/// real time interactively, the skipped pauses in a batch run, so that the same keys show the same
/// times.
class StartedClock : public Clock {
 public:
  using Elapsed = std::function<std::chrono::milliseconds()>;
  StartedClock(std::chrono::system_clock::time_point start, Elapsed elapsed)
      : start_(start), elapsed_(std::move(elapsed)) {}
  std::chrono::system_clock::time_point now() override { return start_ + elapsed_(); }

 private:
  std::chrono::system_clock::time_point start_;
  Elapsed elapsed_;
};

/// The real time passed since this call, for a `StartedClock`.
StartedClock::Elapsed realTimeSinceNow();

/// The interactive pause: the router's imitated delays really pass. An escapable pause ends early
/// when `escapeWithin` (waiting up to the time given for a key) reports the escape sequence.
class SleepingPauser : public Pauser {
 public:
  explicit SleepingPauser(std::function<bool(int milliseconds)> escapeWithin = {})
      : escapeWithin_(std::move(escapeWithin)) {}
  void pause(int milliseconds) override;
  bool pauseUnlessEscaped(int milliseconds) override;

 private:
  std::function<bool(int milliseconds)> escapeWithin_;
};

/// Batch runs never wait: a transcript is decided by its bytes, not by time. The pauses skipped
/// are counted, as the time a run with a set clock has taken.
class SkippingPauser : public Pauser {
 public:
  /// `escapeTyped` takes the next key when it is the escape sequence, and tells whether it was:
  /// an escapable pause ends at once when it was typed right after the command.
  explicit SkippingPauser(std::function<bool()> escapeTyped = {})
      : escapeTyped_(std::move(escapeTyped)) {}
  void pause(int milliseconds) override {
    if (milliseconds > 0) skipped_ += std::chrono::milliseconds(milliseconds);
  }
  bool pauseUnlessEscaped(int milliseconds) override {
    if (escapeTyped_ && escapeTyped_()) return true;
    pause(milliseconds);
    return false;
  }
  std::chrono::milliseconds skipped() const { return skipped_; }

 private:
  std::function<bool()> escapeTyped_;
  std::chrono::milliseconds skipped_{0};
};

}  // namespace kovrel::terminal

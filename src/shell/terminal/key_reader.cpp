// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/key_reader.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "console/keyboard.h"

namespace kovrel::terminal {
namespace {

// How long a terminal's Esc sequence may take to arrive whole; a lone Esc waits this long.
constexpr int kEscapeDelayMilliseconds = 50;

}  // namespace

bool FdByteSource::waitForByte(bool briefly) {
  // A signal that came just before the wait began still ends it: its handler wrote to the wake
  // pipe, which the wait watches beside the input.
  pollfd requests[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  const nfds_t watched = wakeFd_ >= 0 ? 2 : 1;
  for (;;) {
    const int ready = poll(requests, watched, briefly ? kEscapeDelayMilliseconds : -1);
    if (ready < 0 && errno != EINTR) return true;  // let read() report the failure
    if (ready < 0 || (watched == 2 && requests[1].revents != 0)) {
      char drained[64];
      while (wakeFd_ >= 0 && ::read(wakeFd_, drained, sizeof drained) > 0) {
      }
      if (onInterrupted_) onInterrupted_();
      continue;
    }
    return ready > 0;
  }
}

ByteSource::Status FdByteSource::read(char* buffer, std::size_t size, std::size_t& count,
                                      bool briefly) {
  count = 0;
  if (beforeWaiting_ && !briefly && !ready()) beforeWaiting_();
  if (waitsBriefly_ && !waitForByte(briefly)) return Status::timedOut;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, size);
    if (got > 0) {
      count = static_cast<std::size_t>(got);
      return Status::data;
    }
    if (got < 0 && errno == EINTR) {
      if (onInterrupted_) onInterrupted_();
      continue;
    }
    return Status::ended;  // end of input, or input that can no longer be read
  }
}

bool FdByteSource::waitForInput(int milliseconds) {
  pollfd request{fd_, POLLIN, 0};
  const int ready = poll(&request, 1, std::max(milliseconds, 0));
  // A signal or a failing poll ends the wait early; the read that follows tells which.
  return ready != 0;
}

ByteSource::Status StringByteSource::read(char* buffer, std::size_t size, std::size_t& count,
                                          bool) {
  count = std::min(size, bytes_.size() - position_);
  if (count == 0) return Status::ended;
  std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return Status::data;
}

bool FdByteSource::ready() {
  pollfd request{fd_, POLLIN, 0};
  return poll(&request, 1, 0) > 0;
}

std::optional<KeyEvent> KeyReader::next() {
  if (heldBack_) return std::exchange(heldBack_, std::nullopt);
  while (std::optional<KeyEvent> event = nextEvent()) {
    if (event->kind == KeyEventKind::pasteStart) {
      gatherPaste();
      return event;
    }
    if (event->kind != KeyEventKind::pasteEnd) return event;
  }
  return std::nullopt;
}

void KeyReader::gatherPaste() {
  paste_.clear();
  // A paste whose end mark never comes ends with the input.
  while (std::optional<KeyEvent> event = nextEvent()) {
    if (event->kind == KeyEventKind::pasteEnd) return;
    if (event->kind != KeyEventKind::pasteStart) paste_.push_back(*event);
  }
}

int KeyReader::answerMore() {
  const std::optional<KeyEvent> event = next();
  if (!event) return 'q';
  switch (event->kind) {
    case KeyEventKind::programCommand:
      // Ctrl-] is the front-end's own key: it ends the display and still opens the program line.
      heldBack_ = event;
      return 'q';
    case KeyEventKind::pasteStart:
      heldBack_ = event;
      return ' ';
    default:
      return pagingCode(*event);
  }
}

void KeyReader::waitForAnyKey() {
  const std::optional<KeyEvent> event = next();
  if (event && event->kind == KeyEventKind::pasteStart) heldBack_ = event;
}

void KeyReader::readArrived() {
  char buffer[256];
  std::size_t count = 0;
  while (!ended_ && source_.ready()) {
    const ByteSource::Status status = source_.read(buffer, sizeof buffer, count, false);
    decode(status, buffer, count);
  }
  // An Esc alone is told from the start of a sequence only by the wait after it.
  if (!ended_ && decoder_.pending()) {
    const ByteSource::Status status = source_.read(buffer, sizeof buffer, count, true);
    decode(status, buffer, count);
  }
}

bool KeyReader::takeCancelKey() {
  readArrived();
  for (auto event = queue_.begin(); event != queue_.end(); ++event) {
    if (event->kind == KeyEventKind::pasteStart) return false;  // the next paste's keys
    const bool escape =
        event->kind == KeyEventKind::press && !event->ctrl && event->keyCode == key::kEscape;
    const bool controlC =
        event->kind == KeyEventKind::press && event->ctrl && event->keyCode == 'C';
    if (escape || controlC) {
      queue_.erase(event);
      return true;
    }
  }
  return false;
}

void KeyReader::decode(ByteSource::Status status, const char* buffer, std::size_t count) {
  std::vector<KeyEvent> events;
  switch (status) {
    case ByteSource::Status::data:
      for (std::size_t i = 0; i < count; ++i) {
        decoder_.feed(static_cast<unsigned char>(buffer[i]), events);
      }
      break;
    case ByteSource::Status::timedOut:
      decoder_.flush(events);
      break;
    case ByteSource::Status::ended:
      decoder_.flush(events);
      ended_ = true;
      break;
  }
  queue_.insert(queue_.end(), events.begin(), events.end());
}

bool KeyReader::takeEscapeSequence() {
  if (heldBack_) return false;  // a key held back comes first
  const std::optional<KeyEvent> event = nextEvent();
  if (!event) return false;
  const bool escape = event->kind == KeyEventKind::press && event->ctrl &&
                      (event->keyCode == '6' || event->keyCode == 'C');
  if (!escape) queue_.push_front(*event);
  return escape;
}

bool KeyReader::escapeSequenceWithin(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    if (takeQueuedEscape()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (ended_ || left.count() <= 0 || !source_.waitForInput(static_cast<int>(left.count()))) {
      return false;
    }
    readArrived();
  }
}

// Keys typed ahead of it stay queued for the console; the escape sequence among them counts.
bool KeyReader::takeQueuedEscape() {
  for (auto event = queue_.begin(); event != queue_.end(); ++event) {
    if (event->kind == KeyEventKind::pasteStart) return false;
    if (event->kind == KeyEventKind::press && event->ctrl &&
        (event->keyCode == '6' || event->keyCode == 'C')) {
      queue_.erase(event);
      return true;
    }
  }
  return false;
}

std::optional<KeyEvent> KeyReader::nextEvent() {
  while (queue_.empty() && !ended_) {
    char buffer[256];
    std::size_t count = 0;
    const ByteSource::Status status =
        source_.read(buffer, sizeof buffer, count, decoder_.pending());
    decode(status, buffer, count);
  }
  if (queue_.empty()) return std::nullopt;
  KeyEvent event = queue_.front();
  queue_.pop_front();
  return event;
}

}  // namespace kovrel::terminal

#include "shell/terminal/key_reader.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace kovrel::terminal {
namespace {

// How long a terminal's Esc sequence may take to arrive whole; a lone Esc waits this long.
constexpr int kEscapeDelayMilliseconds = 50;

}  // namespace

bool FdByteSource::waitForByte(bool briefly) {
  pollfd request{fd_, POLLIN, 0};
  for (;;) {
    const int ready = poll(&request, 1, briefly ? kEscapeDelayMilliseconds : -1);
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return true;  // let read() report the failure
    if (onInterrupted_) onInterrupted_();
  }
}

ByteSource::Status FdByteSource::read(char* buffer, std::size_t size, std::size_t& count,
                                      bool briefly) {
  count = 0;
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

ByteSource::Status StringByteSource::read(char* buffer, std::size_t size, std::size_t& count,
                                          bool) {
  count = std::min(size, bytes_.size() - position_);
  if (count == 0) return Status::ended;
  std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return Status::data;
}

std::optional<KeyEvent> KeyReader::next() {
  while (std::optional<KeyEvent> event = nextEvent()) {
    if (event->kind == KeyEventKind::pasteStart) {
      pasting_ = true;
    } else if (event->kind == KeyEventKind::pasteEnd) {
      pasting_ = false;
    } else {
      return event;
    }
  }
  return std::nullopt;
}

int KeyReader::answerMore() {
  if (pasting_) {
    // Only keys still to come make a paste: after the last pasted key the reader answers.
    const std::optional<KeyEvent> ahead = nextEvent();
    if (ahead && ahead->kind != KeyEventKind::pasteEnd) {
      queue_.push_front(*ahead);
      return ' ';
    }
    pasting_ = false;
  }
  const std::optional<KeyEvent> event = next();
  if (!event) return 'q';
  if (event->kind == KeyEventKind::programCommand) {
    // Ctrl-] is the front-end's own key: it ends the display and still opens the program line.
    queue_.push_front(*event);
    return 'q';
  }
  if (!pasting_) return pagingCode(*event);
  queue_.push_front(*event);  // a paste began while the pause waited: its first key is its own
  return ' ';
}

std::optional<KeyEvent> KeyReader::nextEvent() {
  std::vector<KeyEvent> events;
  while (queue_.empty() && !ended_) {
    char buffer[256];
    std::size_t count = 0;
    switch (source_.read(buffer, sizeof buffer, count, decoder_.pending())) {
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
    events.clear();
  }
  if (queue_.empty()) return std::nullopt;
  KeyEvent event = queue_.front();
  queue_.pop_front();
  return event;
}

}  // namespace kovrel::terminal

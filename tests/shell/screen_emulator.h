#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovrel::testing {

/// Just enough of a VT100 to check what a terminal view draws: printable text with the deferred
/// wrap at the last column, CR, LF with scrolling, cursor up (ESC[nA), column (ESC[nG), home
/// (ESC[H), erase below (ESC[J), clear (ESC[2J); attributes (ESC[...m) are ignored.
class ScreenEmulator {
 public:
  ScreenEmulator(int columns, int rows);

  void write(std::string_view bytes);
  /// The visible rows, trailing blanks removed.
  std::vector<std::string> rows() const;
  /// Rows scrolled off the top, then the visible rows, with trailing empty rows dropped.
  std::vector<std::string> allLines() const;
  int cursorRow() const { return row_; }
  int cursorColumn() const { return column_; }

 private:
  void put(char character);
  void lineFeed();
  void control(std::string_view parameters, char final);

  int columns_;
  int rowCount_;
  std::vector<std::string> grid_;
  std::vector<std::string> scrolledOff_;
  int row_ = 0;
  int column_ = 0;
  bool pendingWrap_ = false;
  std::string escape_;  // an escape sequence being read
};

}  // namespace kovrel::testing

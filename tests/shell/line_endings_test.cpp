// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/line_endings.h"

#include <gtest/gtest.h>

namespace kovrel::terminal {
namespace {

// What BatchView and StreamMessageBox write is checked by the transcripts, whole; only a pipe
// can split a CR LF between two pieces of output.
TEST(LineEndingFilter, JoinsACarriageReturnSplitFromItsLineFeed) {
  LineEndingFilter filter("\n");
  EXPECT_EQ(filter.convert("a\r\nb\r"), "a\nb");
  EXPECT_EQ(filter.convert("\nc"), "\nc");
  EXPECT_EQ(filter.convert("\rd\r"), "\rd");  // a CR alone is kept
  EXPECT_EQ(filter.reset(), "\r");
  EXPECT_EQ(filter.reset(), "");
}

TEST(LastLines, KeepsWhatAScreenOfThatManyLinesShows) {
  EXPECT_EQ(lastLines("a\r\nb\r\nc", 2), "b\r\nc");
  EXPECT_EQ(lastLines("a\r\nb", 5), "a\r\nb");
  EXPECT_EQ(lastLines("\r\n\r\nc", 2), "\r\nc");
}

TEST(ShowControlCharacters, ShowsEveryControlButLineFeedAndTab) {
  EXPECT_EQ(showControlCharacters(std::string("a\0b\x1b[2J\x07\t\r\n\x7f", 12)),
            "a^@b^[[2J^G\t^M\n^?");
}

}  // namespace
}  // namespace kovrel::terminal

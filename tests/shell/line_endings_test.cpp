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

}  // namespace
}  // namespace kovrel::terminal

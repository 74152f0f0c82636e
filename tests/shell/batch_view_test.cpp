#include <gtest/gtest.h>
#include <stdio.h>

#include "shell/terminal/batch_runner.h"
#include "shell/terminal/line_endings.h"

namespace kovrel::terminal {
namespace {

/// A BatchView writing into memory.
class MemoryStream {
 public:
  MemoryStream() : file_(open_memstream(&buffer_, &size_)) {}
  ~MemoryStream() {
    std::fclose(file_);
    std::free(buffer_);
  }
  std::FILE* file() { return file_; }
  std::string text() {
    std::fflush(file_);
    return std::string(buffer_, size_);
  }

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

TEST(LineEndingFilter, JoinsACarriageReturnSplitFromItsLineFeed) {
  LineEndingFilter filter("\n");
  EXPECT_EQ(filter.convert("a\r\nb\r"), "a\nb");
  EXPECT_EQ(filter.convert("\nc"), "\nc");
  EXPECT_EQ(filter.convert("\rd\r"), "\rd");  // a CR alone is kept
  EXPECT_EQ(filter.reset(), "\r");
  EXPECT_EQ(filter.reset(), "");
}

TEST(BatchView, WritesTheConsoleAsPlainLines) {
  MemoryStream out;
  BatchView view(out.file(), false);
  view.outputReplaced("boot\r\nPress RETURN to get started.");
  view.outputAppended("\r\nRouter>enable", false);
  view.outputAppended("\r\n", false);
  view.outputAppended("help line", true);
  view.inputChanged("Router#", 7);
  view.writeOwn("\nRouter#\n");
  EXPECT_EQ(out.text(),
            "\fboot\nPress RETURN to get started.\nRouter>enable\nhelp line\nRouter#\n");
}

TEST(BatchView, AnsiModeBoldsEmphasisButNotTheLineBreakBeforeIt) {
  MemoryStream out;
  BatchView view(out.file(), true);
  view.outputAppended("\r\nplain", false);
  view.outputAppended("\r\nshow", true);
  view.outputAppended("\r\n", true);
  EXPECT_EQ(out.text(), "\nplain\n\x1b[1mshow\x1b[0m\n");
}

TEST(StreamMessageBox, WritesOneLinePerLineOfText) {
  MemoryStream err, out;
  StreamMessageBox box(err.file(), out.file());
  box.show("The Application encountered an error.\n Please see details at /x/ErrorLog.txt");
  box.show(" Not Able To Access DB. Please Check README.");
  EXPECT_EQ(err.text(),
            "The Application encountered an error.\n Please see details at /x/ErrorLog.txt\n"
            " Not Able To Access DB. Please Check README.\n");
}

}  // namespace
}  // namespace kovrel::terminal

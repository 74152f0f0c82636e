#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel::testing {

/// One transcript: the key bytes fed to `kovrel-term --batch` and what it must write.
///
/// File format (tests/transcripts/NAME.txt; each file is one test, named after the file):
///   # Any comment line.
///   # ARGS: --page-length 5        extra command-line arguments, split at blanks
///   # DATABASE: lessons            the real lesson database instead of the transcripts' own
///   # INPUT: enable\r              key bytes; several INPUT lines are joined with nothing between
///   # STDERR: a line               one expected line of standard error (none: it must be empty)
///   # STATUS: 0                    the expected exit status (default 0)
///   # EXPECT:
///   everything after the EXPECT line, to the end of the file, is the exact standard output.
/// INPUT escapes: \r Enter, \n LF, \t Tab, \b Backspace, \e ESC, \\ backslash, \xHH any byte
/// (\x1d is Ctrl-], \x1a Ctrl-Z, \x20 a blank at the end of a line).
/// In the expected output, a form feed is written <FF>, an ESC <ESC>, and a line that ends in
/// blanks gets <EOL> after them, so that no editor can strip them unseen.
struct Transcript {
  std::string input;
  std::vector<std::string> arguments;
  bool realDatabase = false;
  std::vector<std::string> expectedStderr;
  int expectedStatus = 0;
  std::string expectedOutput;
};

/// Reads a transcript file; throws std::runtime_error naming the line of a malformed one.
Transcript readTranscript(const std::filesystem::path& file);

/// Decodes the escapes of an INPUT line.
std::string decodeInputEscapes(std::string_view text);

/// Program output in the notation of the EXPECT section.
std::string renderOutput(std::string_view output);

/// The transcript files of `folder` (not its subfolders), sorted by name.
std::vector<std::filesystem::path> transcriptFiles(const std::filesystem::path& folder);

}  // namespace kovrel::testing

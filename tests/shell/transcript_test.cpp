// SPDX-License-Identifier: GPL-3.0-or-later
// Runs each transcript of tests/transcripts through `kovrel-term --batch` and compares what it
// writes. A new file there is a new test; tests/transcripts/README.md describes the format.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace kovrel::testing {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = 0;
  std::string output;
  std::string errors;
};

/// One transcript: the arguments and key bytes of a `kovrel-term --batch` run, and its result.
struct Transcript {
  std::vector<std::string> arguments{"--batch", "--db", KOVREL_TRANSCRIPT_DATABASE, "--seed", "1"};
  std::string input;
  std::string locale = "C";  // LC_ALL of the run, so that no tester's locale changes the output
  RunResult expected;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The escapes of an INPUT line: \r \n \t \b \e \\ and \xHH.
std::string decodeInputEscapes(std::string_view text) {
  constexpr std::string_view kNames = "rntbe\\", kBytes = "\r\n\t\b\x1b\\";
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      bytes.push_back(text[i]);
    } else if (++i >= text.size()) {
      throw std::runtime_error("a lone backslash ends the line");
    } else if (text[i] == 'x') {
      unsigned value = 0;
      const char* digits = text.data() + i + 1;
      if (i + 2 >= text.size() || std::from_chars(digits, digits + 2, value, 16).ptr != digits + 2)
        throw std::runtime_error("\\x needs two hex digits");
      bytes.push_back(static_cast<char>(value));
      i += 2;
    } else if (kNames.find(text[i]) != std::string_view::npos) {
      bytes.push_back(kBytes[kNames.find(text[i])]);
    } else {
      throw std::runtime_error(std::string("unknown escape \\") + text[i]);
    }
  }
  return bytes;
}

// Program output in the notation of the EXPECT section: <FF>, <ESC>, and <EOL> after a line
// that ends in blanks.
std::string renderOutput(std::string_view output) {
  std::string rendered;
  char previous = '\n';
  const auto endLine = [&] {
    if (previous == ' ' || previous == '\t') rendered += "<EOL>";
  };
  for (const char character : output) {
    if (character == '\n') endLine();
    rendered += character == '\x0c'   ? "<FF>"
                : character == '\x1b' ? "<ESC>"
                                      : std::string(1, character);
    previous = character;
  }
  endLine();
  return rendered;
}

void readHeaderLine(std::string_view line, Transcript& transcript) {
  const auto value = [line](std::string_view prefix) -> std::optional<std::string> {
    if (!line.starts_with(prefix)) return std::nullopt;
    return std::string(line.substr(prefix.size()));
  };
  if (const auto input = value("# INPUT: ")) {
    transcript.input += decodeInputEscapes(*input);
  } else if (const auto arguments = value("# ARGS: ")) {
    std::istringstream words(*arguments);
    for (std::string word; words >> word;) transcript.arguments.push_back(word);
  } else if (const auto database = value("# DATABASE: ")) {
    if (*database != "lessons") throw std::runtime_error("DATABASE must be 'lessons'");
    transcript.arguments[2] = KOVREL_TEST_DATABASE;
  } else if (const auto locale = value("# LOCALE: ")) {
    transcript.locale = *locale;
  } else if (const auto error = value("# STDERR: ")) {
    transcript.expected.errors += *error + "\n";
  } else if (const auto status = value("# STATUS: ")) {
    transcript.expected.status = std::stoi(*status);
  } else if (!line.starts_with("#") && !line.empty()) {
    throw std::runtime_error("header lines start with '#'; put '# EXPECT:' before the output");
  }
}

Transcript readTranscript(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  Transcript transcript;
  for (std::string line; std::getline(in, line);) {
    if (line == "# EXPECT:") {
      transcript.expected.output.assign(std::istreambuf_iterator<char>(in), {});
      return transcript;
    }
    readHeaderLine(line, transcript);
  }
  throw std::runtime_error(file.string() + ": no '# EXPECT:' line");
}

std::vector<fs::path> transcriptFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Files rather than pipes: the whole input is there from the start, so nothing can deadlock.
RunResult runTerm(const std::vector<std::string>& arguments, const std::string& input,
                  const std::string& locale = "C") {
  std::string folder = (fs::temp_directory_path() / "kovrel-transcript-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) throw std::runtime_error("no scratch folder");
  std::ofstream(folder + "/in", std::ios::binary) << input;
  // The program runs from the scratch folder, so that its error log lands there and not beside
  // the build's programs.
  const fs::path program = fs::path(folder) / "kovrel-term";
  std::error_code linkError;
  fs::create_hard_link(KOVREL_TERM_BINARY, program, linkError);
  if (linkError) fs::copy_file(KOVREL_TERM_BINARY, program);
  std::string command = "LC_ALL='" + locale + "' '" + program.string() + "'";
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  command += " <" + folder + "/in >" + folder + "/out 2>" + folder + "/err";
  const int status = std::system(command.c_str());
  RunResult result{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                   readFile(folder + "/out"), readFile(folder + "/err")};
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return result;
}

class TranscriptTest : public ::testing::TestWithParam<fs::path> {};

TEST_P(TranscriptTest, WritesExactlyTheExpectedOutput) {
  const Transcript transcript = readTranscript(GetParam());
  const RunResult result = runTerm(transcript.arguments, transcript.input, transcript.locale);
  EXPECT_EQ(result.status, transcript.expected.status);
  EXPECT_EQ(renderOutput(result.output), transcript.expected.output) << "transcript " << GetParam();
  EXPECT_EQ(result.errors, transcript.expected.errors);
}

std::string testName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.stem().string();
  std::replace_if(
      name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Transcripts, TranscriptTest,
                         ::testing::ValuesIn(transcriptFiles(KOVREL_TRANSCRIPT_DIR)), testName);

// The command line around the transcripts: a bad option ends the run before anything starts; a
// missing database is reported and the console runs all the same.
TEST(TermCommandLine, BadOptionAndMissingDatabase) {
  const RunResult bad = runTerm({"--batch", "--page-length", "0"}, "");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.output, "");
  EXPECT_NE(bad.errors.find("--page-length"), std::string::npos) << bad.errors;
  const RunResult result = runTerm({"--batch", "--db", "/nonexistent/DataStore.db"}, "\r");
  EXPECT_EQ(result.status, 0);
  // Two message boxes, one line of standard error per line of their text.
  EXPECT_TRUE(
      result.errors.starts_with("The Application encountered an error. Behavior maybe "
                                "unpredictable.\n Please see details at "))
      << result.errors;
  EXPECT_TRUE(
      result.errors.ends_with("/ErrorLog.txt\n Not Able To Access DB. Please Check README.\n"))
      << result.errors;
  EXPECT_TRUE(result.output.ends_with("\nRouter>\n")) << result.output;
}

}  // namespace
}  // namespace kovrel::testing

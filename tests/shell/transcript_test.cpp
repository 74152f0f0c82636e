// Runs each transcript of tests/transcripts through `kovrel-term --batch` and compares what it
// writes. A new file there is a new test (see transcript_file.h for the format).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "shell/transcript_file.h"

extern char** environ;

namespace kovrel::testing {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string output;
  std::string errors;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

/// A scratch folder for one run's input and output files, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "kovrel-transcript-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Files rather than pipes: the whole input is there from the start, so nothing can deadlock.
RunResult runTerm(const std::vector<std::string>& arguments, const std::string& input) {
  ScratchFolder scratch;
  const fs::path in = scratch.path() / "in", out = scratch.path() / "out",
                 err = scratch.path() / "err";
  std::ofstream(in, std::ios::binary) << input;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> all = {KOVREL_TERM_BINARY};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  RunResult result;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return result;
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.output = readFile(out);
  result.errors = readFile(err);
  return result;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

class TranscriptTest : public ::testing::TestWithParam<fs::path> {};

TEST_P(TranscriptTest, WritesExactlyTheExpectedOutput) {
  const Transcript transcript = readTranscript(GetParam());
  std::vector<std::string> arguments = {
      "--batch", "--db",
      transcript.realDatabase ? KOVREL_TEST_DATABASE : KOVREL_TRANSCRIPT_DATABASE, "--seed", "1"};
  arguments.insert(arguments.end(), transcript.arguments.begin(), transcript.arguments.end());
  const RunResult result = runTerm(arguments, transcript.input);
  EXPECT_EQ(result.status, transcript.expectedStatus);
  EXPECT_EQ(renderOutput(result.output), transcript.expectedOutput) << "transcript " << GetParam();
  EXPECT_EQ(result.errors, joinLines(transcript.expectedStderr));
}

std::string testName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.stem().string();
  for (char& character : name) {
    if (!std::isalnum(static_cast<unsigned char>(character))) character = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Transcripts, TranscriptTest,
                         ::testing::ValuesIn(transcriptFiles(KOVREL_TRANSCRIPT_DIR)), testName);

// The command-line contract around the transcripts: a bad option ends the run before anything
// starts, with status 2 and a message naming the option.
TEST(TermCommandLine, BadOptionExitsWithStatusTwo) {
  const RunResult result = runTerm({"--batch", "--page-length", "0"}, "");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.output, "");
  EXPECT_NE(result.errors.find("--page-length"), std::string::npos) << result.errors;
}

TEST(TermCommandLine, MissingDatabaseIsReportedAndTheConsoleStillRuns) {
  const RunResult result = runTerm({"--batch", "--db", "/nonexistent/DataStore.db"}, "\r");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.errors.find(" Not Able To Access DB. Please Check README."), std::string::npos)
      << result.errors;
  EXPECT_TRUE(result.output.ends_with("\nRouter>\n")) << result.output;
}

}  // namespace
}  // namespace kovrel::testing

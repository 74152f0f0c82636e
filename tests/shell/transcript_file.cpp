#include "shell/transcript_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kovrel::testing {
namespace {

constexpr std::string_view kInput = "# INPUT: ";
constexpr std::string_view kArgs = "# ARGS: ";
constexpr std::string_view kDatabase = "# DATABASE: ";
constexpr std::string_view kStderr = "# STDERR: ";
constexpr std::string_view kStatus = "# STATUS: ";
constexpr std::string_view kExpect = "# EXPECT:";

int hexDigit(char character) {
  if (character >= '0' && character <= '9') return character - '0';
  if (character >= 'a' && character <= 'f') return character - 'a' + 10;
  if (character >= 'A' && character <= 'F') return character - 'A' + 10;
  throw std::runtime_error(std::string("bad hex digit '") + character + "'");
}

std::vector<std::string> splitBlanks(std::string_view text) {
  std::istringstream stream{std::string(text)};
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

void readHeaderLine(std::string_view line, Transcript& transcript) {
  const auto value = [&](std::string_view prefix) { return line.substr(prefix.size()); };
  if (line.starts_with(kInput)) {
    transcript.input += decodeInputEscapes(value(kInput));
  } else if (line.starts_with(kArgs)) {
    for (std::string& word : splitBlanks(value(kArgs))) transcript.arguments.push_back(word);
  } else if (line.starts_with(kDatabase)) {
    if (value(kDatabase) != "lessons") throw std::runtime_error("DATABASE must be 'lessons'");
    transcript.realDatabase = true;
  } else if (line.starts_with(kStderr)) {
    transcript.expectedStderr.emplace_back(value(kStderr));
  } else if (line.starts_with(kStatus)) {
    transcript.expectedStatus = std::stoi(std::string(value(kStatus)));
  } else if (!line.starts_with("#") && !line.empty()) {
    throw std::runtime_error("header lines start with '#'; put '# EXPECT:' before the output");
  }
}

}  // namespace

std::string decodeInputEscapes(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      bytes.push_back(text[i]);
      continue;
    }
    if (++i >= text.size()) throw std::runtime_error("a lone backslash ends the line");
    switch (text[i]) {
      case 'r':
        bytes.push_back('\r');
        break;
      case 'n':
        bytes.push_back('\n');
        break;
      case 't':
        bytes.push_back('\t');
        break;
      case 'b':
        bytes.push_back('\b');
        break;
      case 'e':
        bytes.push_back('\x1b');
        break;
      case '\\':
        bytes.push_back('\\');
        break;
      case 'x':
        if (i + 2 >= text.size()) {
          throw std::runtime_error("\\x needs two hex digits");
        }
        bytes.push_back(static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2])));
        i += 2;
        break;
      default:
        throw std::runtime_error(std::string("unknown escape \\") + text[i]);
    }
  }
  return bytes;
}

std::string renderOutput(std::string_view output) {
  std::string rendered;
  std::size_t lineStart = 0;
  const auto endLine = [&] {
    const std::size_t last = rendered.find_last_not_of(" \t");
    const bool endsInBlank =
        rendered.size() > lineStart && (last == std::string::npos || last + 1 < rendered.size());
    if (endsInBlank) rendered += "<EOL>";
  };
  for (const char character : output) {
    if (character == '\n') {
      endLine();
      rendered += '\n';
      lineStart = rendered.size();
    } else if (character == '\x0c') {
      rendered += "<FF>";
    } else if (character == '\x1b') {
      rendered += "<ESC>";
    } else {
      rendered += character;
    }
  }
  endLine();
  return rendered;
}

Transcript readTranscript(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  Transcript transcript;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line == kExpect) {
      std::ostringstream rest;
      rest << in.rdbuf();
      transcript.expectedOutput = rest.str();
      return transcript;
    }
    try {
      readHeaderLine(line, transcript);
    } catch (const std::exception& error) {
      throw std::runtime_error(file.string() + ":" + std::to_string(number) + ": " + error.what());
    }
  }
  throw std::runtime_error(file.string() + ": no '# EXPECT:' line");
}

std::vector<std::filesystem::path> transcriptFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace kovrel::testing

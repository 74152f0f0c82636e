// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the lesson sources: text sections and catalogue tables (format in data/README.md).

#include "lesson_sources.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <utility>

#include "base/step_check.h"

namespace kovrel::dbbuild {

namespace fs = std::filesystem;

const std::vector<TextTable>& textTables() {
  static const std::vector<TextTable> tables{
      {"cmdInfo", "cmd", false, {"display"}},
      {"Misc", "id", false, {"contents"}},
      {"Labs", "LabName", false, {"labText", "checks"}},
      {"tests", "testName", false, {"testText"}},
      {"troubleshooting", "labName", false, {"troubleshootingText", "solutionText", "checks"}},
      {"flashCards", "ID", true, {"question", "answer", "topic"}},
  };
  return tables;
}

const std::vector<CatalogueTable>& catalogueTables() {
  static const std::vector<CatalogueTable> tables{
      {"userModeCmds", false},
      {"privModeCmds", false},
      {"confModeCmds", false},
      {"lineModeCmds", false},
      {"ifModeCmds", true},
      {"configRouterRipModeCmds", false},
      {"configRouterIgrpModeCmds", false},
      {"userModeCmdsExtended", false},
      {"privModeCmdsExtended", false},
      {"confModeCmdsExtended", false},
      {"ifModeCmdsExtended", true},
      {"configRouterRipModeCmdsExtended", false},
      {"configRouterIgrpModeCmdsExtended", false},
  };
  return tables;
}

namespace {

std::string where(const fs::path& file, std::size_t line) {
  return file.string() + ":" + std::to_string(line) + ": ";
}

// The console writes lesson texts as they are: a control character in one (an escape sequence, a
// bell, a NUL) would act on the student's terminal instead of being read.
void refuseControlCharacters(const std::string& line, const fs::path& file, std::size_t number) {
  for (const char character : line) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "0x%02X", byte);
      throw BuildError(where(file, number) + "control character " + code +
                       " (only Tab and line breaks may appear in a text)");
    }
  }
}

// The lines of a file without their line ends; a CR before the LF is part of the line end.
std::vector<std::string> readLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw BuildError(file.string() + ": cannot be read");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    refuseControlCharacters(line, file, lines.size() + 1);
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> result;
  for (const auto& part : splitAt(text, ' ')) {
    if (!part.empty()) result.push_back(part);
  }
  return result;
}

bool isInteger(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end;
}

const TextTable* findTextTable(const std::string& name) {
  for (const auto& table : textTables()) {
    if (table.name == name) return &table;
  }
  return nullptr;
}

// Section text: the lines joined with CR LF as the console writes them; empty lines at the end
// of a section only separate it from the next one.
std::string joinSection(std::vector<std::string> lines) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

/// The header of one section: which row and column its text fills.
struct SectionHeader {
  const TextTable* table;
  std::string key;
  std::string column;
};

SectionHeader parseHeader(const std::string& line, const fs::path& file, std::size_t number) {
  const auto parts = words(line.substr(3));
  if (parts.size() < 2 || parts.size() > 3) {
    throw BuildError(where(file, number) + "a section line is \"@@ <table> <key> [<column>]\"");
  }
  const TextTable* table = findTextTable(parts[0]);
  if (table == nullptr) throw BuildError(where(file, number) + "unknown table " + parts[0]);
  const std::string column = parts.size() == 3 ? parts[2] : table->columns.front();
  if (std::find(table->columns.begin(), table->columns.end(), column) == table->columns.end()) {
    throw BuildError(where(file, number) + "table " + table->name + " has no text column " +
                     column);
  }
  int id = 0;
  if (table->integerKey && !isInteger(parts[1], id)) {
    throw BuildError(where(file, number) + "the key of " + table->name + " is a number");
  }
  return {table, parts[1], column};
}

void addSection(Sources& sources, std::map<std::string, std::size_t>& rowIndex,
                const SectionHeader& header, std::string text, const fs::path& file,
                std::size_t number) {
  const std::string rowKey = header.table->name + '\n' + header.key;
  auto [found, isNew] = rowIndex.emplace(rowKey, sources.textRows.size());
  if (isNew) sources.textRows.push_back({header.table, header.key, {}});
  TextRow& row = sources.textRows[found->second];
  if (header.column == "checks") {
    const ParsedChecks parsed = parseChecks(text);
    if (parsed.error) {
      throw BuildError(where(file, number + static_cast<std::size_t>(parsed.error->line)) +
                       parsed.error->message);
    }
    sources.checkSections[found->second] = where(file, number);
  }
  if (!row.columns.emplace(header.column, std::move(text)).second) {
    throw BuildError(where(file, number) + header.table->name + " " + header.key + " " +
                     header.column + " is given twice");
  }
}

void parseTextFile(const fs::path& file, Sources& sources,
                   std::map<std::string, std::size_t>& rowIndex) {
  const auto lines = readLines(file);
  std::optional<SectionHeader> header;
  std::size_t headerLine = 0;
  std::vector<std::string> body;
  auto finishSection = [&] {
    if (header) addSection(sources, rowIndex, *header, joinSection(body), file, headerLine);
    body.clear();
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("@@ ", 0) == 0) {
      finishSection();
      header = parseHeader(lines[i], file, i + 1);
      headerLine = i + 1;
    } else if (header) {
      body.push_back(lines[i]);
    }  // lines before the first section are the file's comment header
  }
  finishSection();
}

bool isBlankLine(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

// Catalogue words are matched against lower-cased typed text, word by word, so a row must be
// lower case with single blanks between its words.
bool isWellFormedCmd(const std::string& cmd) {
  if (cmd.empty() || cmd.front() == ' ' || cmd.back() == ' ') return false;
  if (cmd.find("  ") != std::string::npos) return false;
  return std::none_of(cmd.begin(), cmd.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

CatalogueRow parseCatalogueLine(const std::string& line, bool hasInterface, const fs::path& file,
                                std::size_t number) {
  const auto fields = splitAt(line, '\t');
  const std::size_t expected = hasInterface ? 3 : 2;
  if (fields.size() != expected) {
    throw BuildError(where(file, number) + "expected " + std::to_string(expected) +
                     " tab-separated fields: cmd, implemented" +
                     (hasInterface ? ", interface" : ""));
  }
  CatalogueRow row{fields[0], 0, hasInterface ? fields[2] : std::string()};
  if (!isWellFormedCmd(row.cmd)) {
    throw BuildError(where(file, number) + "cmd must be lower case, single blanks between words");
  }
  if (!isInteger(fields[1], row.implemented)) {
    throw BuildError(where(file, number) + "implemented must be a whole number");
  }
  if (hasInterface && (row.interfaceCodes.empty() ||
                       row.interfaceCodes.find_first_not_of("012") != std::string::npos)) {
    throw BuildError(where(file, number) + "interface must be codes 0, 1 and 2 (such as 012)");
  }
  return row;
}

std::vector<CatalogueRow> parseCatalogueFile(const fs::path& file, bool hasInterface) {
  std::vector<CatalogueRow> rows;
  const auto lines = readLines(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (isBlankLine(lines[i]) || lines[i].front() == '#') continue;
    rows.push_back(parseCatalogueLine(lines[i], hasInterface, file, i + 1));
  }
  return rows;
}

std::vector<fs::path> filesWithExtension(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == extension) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return files;
}

// A lab's checks follow its step headings one for one, so a step added to a text without its
// check (or a check left over from a removed step) stops the build.
void checkEveryStepHasACheck(const Sources& sources) {
  for (const TextRow& row : sources.textRows) {
    const bool orphanTopic = row.table->name == "flashCards" && row.columns.contains("topic") &&
                             !row.columns.contains("question");
    if (orphanTopic) throw BuildError("flashCards " + row.key + " has a topic but no question");
  }
  for (const auto& [index, origin] : sources.checkSections) {
    const TextRow& row = sources.textRows[index];
    const std::string textColumn = row.table->columns.front();
    const auto text = row.columns.find(textColumn);
    const auto checks = row.columns.find("checks");
    if (row.table->name != "Labs" || text == row.columns.end()) continue;
    const auto steps = countStepHeadings(text->second);
    const auto checked = parseChecks(checks->second).checks.size();
    if (static_cast<std::size_t>(steps) != checked) {
      throw BuildError(origin + row.key + " has " + std::to_string(steps) + " steps but " +
                       std::to_string(checked) + " checks");
    }
  }
}

const CatalogueTable* findCatalogueTable(const std::string& name) {
  for (const auto& table : catalogueTables()) {
    if (table.name == name) return &table;
  }
  return nullptr;
}

}  // namespace

Sources readSources(const fs::path& dataDir) {
  if (!fs::is_directory(dataDir)) throw BuildError(dataDir.string() + ": no such data folder");
  Sources sources;
  std::map<std::string, std::size_t> rowIndex;
  for (const auto& file : filesWithExtension(dataDir / "text", ".txt")) {
    parseTextFile(file, sources, rowIndex);
  }
  // A misspelt file name would otherwise leave a catalogue silently empty.
  for (const auto& file : filesWithExtension(dataDir / "catalogue", ".tsv")) {
    const CatalogueTable* table = findCatalogueTable(file.stem().string());
    if (table == nullptr) throw BuildError(file.string() + ": no catalogue table of this name");
    sources.catalogues[table->name] = parseCatalogueFile(file, table->hasInterface);
  }
  checkEveryStepHasACheck(sources);
  return sources;
}

}  // namespace kovrel::dbbuild

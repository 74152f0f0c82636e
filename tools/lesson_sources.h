// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kovrel::dbbuild {

/// A fault in the lesson sources or in writing the database; the message names the file and line.
class BuildError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A table filled from text sections: its key column and the text columns a section may fill.
struct TextTable {
  std::string name;
  std::string keyColumn;
  bool integerKey;
  std::vector<std::string> columns;  // the first is filled when a section names no column
};

/// A command catalogue of one mode; the interface catalogues carry a third column.
struct CatalogueTable {
  std::string name;
  bool hasInterface;
};

const std::vector<TextTable>& textTables();
const std::vector<CatalogueTable>& catalogueTables();

/// One row of a text table: its key and the columns its sections filled.
struct TextRow {
  const TextTable* table;
  std::string key;
  std::map<std::string, std::string> columns;
};

/// One catalogue line as the source lists it.
struct CatalogueRow {
  std::string cmd;
  int implemented;
  std::string interfaceCodes;
};

/// Everything the sources say, in the order they say it.
struct Sources {
  std::vector<TextRow> textRows;                                // in order of first appearance
  std::map<std::string, std::vector<CatalogueRow>> catalogues;  // by table name
  std::map<std::size_t, std::string> checkSections;  // text row index: where its checks start
};

/// Reads data/text/*.txt (in file-name order) and data/catalogue/<table>.tsv; throws
/// `BuildError` on the first fault.
Sources readSources(const std::filesystem::path& dataDir);

}  // namespace kovrel::dbbuild

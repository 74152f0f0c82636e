// SPDX-License-Identifier: GPL-3.0-or-later
// kovrel-dbbuild <data folder> <output database>: makes the lesson database from the readable
// sources in data/ (their format is described in data/README.md). The database is written to a
// temporary file beside the output and renamed over it only when complete, so an interrupted or
// failed build never leaves half a database where the program looks for one.

#include <sqlite3.h>

#include <charconv>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "lesson_sources.h"

namespace {

using kovrel::dbbuild::BuildError;
using kovrel::dbbuild::Sources;
namespace fs = std::filesystem;

/// An open database file for writing; closed on every path out.
class Connection {
 public:
  explicit Connection(const fs::path& file) {
    const int code =
        sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
      const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
      sqlite3_close(db_);
      throw BuildError(file.string() + ": " + message);
    }
  }
  // On the way out after a failure the file is deleted anyway, so closing needs no check here.
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void execute(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail(sql);
  }

  /// Inserts one row; every value is bound as text except `integers`, bound as numbers.
  void insert(const std::string& sql, const std::vector<std::string>& values,
              const std::vector<bool>& integers) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) fail(sql);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    for (std::size_t i = 0; i < values.size(); ++i) {
      const int index = static_cast<int>(i) + 1;
      const std::string& value = values[i];
      const int code = integers[i]
                           ? sqlite3_bind_int64(raw, index, wholeNumber(value, sql))
                           : sqlite3_bind_text(raw, index, value.data(),
                                               static_cast<int>(value.size()), SQLITE_TRANSIENT);
      if (code != SQLITE_OK) fail(sql);
    }
    if (sqlite3_step(raw) != SQLITE_DONE) fail(sql);
  }

  /// Closes the file; a database that cannot be closed cleanly is not taken as built.
  void close() {
    if (sqlite3_close(db_) != SQLITE_OK) fail("closing the database");
    db_ = nullptr;
  }

 private:
  static long long wholeNumber(const std::string& text, const std::string& sql) {
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end) throw BuildError(sql + ": no whole number: " + text);
    return number;
  }

  [[noreturn]] void fail(const std::string& what) {
    throw BuildError(what + ": " + sqlite3_errmsg(db_));
  }

  sqlite3* db_ = nullptr;
};

void createTables(Connection& db) {
  for (const auto& table : kovrel::dbbuild::textTables()) {
    std::string sql = "CREATE TABLE " + table.name + " (" + table.keyColumn +
                      (table.integerKey ? " INTEGER" : " TEXT");
    for (const auto& column : table.columns) sql += ", " + column + " TEXT";
    db.execute(sql + ")");
  }
  for (const auto& table : kovrel::dbbuild::catalogueTables()) {
    db.execute("CREATE TABLE " + table.name + " (cmd TEXT, implemented INTEGER" +
               (table.hasInterface ? ", interface TEXT)" : ")"));
  }
}

// A column that no section filled stays NULL; the program reads NULL as an empty text.
void insertTextRows(Connection& db, const Sources& sources) {
  for (const auto& row : sources.textRows) {
    const auto& table = *row.table;
    std::string sql = "INSERT INTO " + table.name + " (" + table.keyColumn;
    std::string marks = "?";
    std::vector<std::string> values{row.key};
    std::vector<bool> integers{table.integerKey};
    for (const auto& [column, text] : row.columns) {
      sql += ", " + column;
      marks += ", ?";
      values.push_back(text);
      integers.push_back(false);
    }
    db.insert(sql + ") VALUES (" + marks + ")", values, integers);
  }
}

void insertCatalogueRows(Connection& db, const Sources& sources) {
  for (const auto& table : kovrel::dbbuild::catalogueTables()) {
    const auto found = sources.catalogues.find(table.name);
    if (found == sources.catalogues.end()) continue;
    const std::string sql = "INSERT INTO " + table.name +
                            (table.hasInterface ? " (cmd, implemented, interface) VALUES (?, ?, ?)"
                                                : " (cmd, implemented) VALUES (?, ?)");
    for (const auto& row : found->second) {
      std::vector<std::string> values{row.cmd, std::to_string(row.implemented)};
      std::vector<bool> integers{false, true};
      if (table.hasInterface) {
        values.push_back(row.interfaceCodes);
        integers.push_back(false);
      }
      db.insert(sql, values, integers);
    }
  }
}

void writeDatabase(const Sources& sources, const fs::path& file) {
  Connection db(file);
  db.execute("BEGIN");
  createTables(db);
  insertTextRows(db, sources);
  insertCatalogueRows(db, sources);
  db.execute("COMMIT");
  db.close();
}

void build(const fs::path& dataDir, const fs::path& output) {
  const Sources sources = kovrel::dbbuild::readSources(dataDir);
  fs::path temporary = output;
  temporary += ".tmp";
  fs::remove(temporary);
  try {
    writeDatabase(sources, temporary);
    fs::rename(temporary, output);
  } catch (...) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kovrel-dbbuild <data folder> <output database>\n";
    return 2;
  }
  try {
    build(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "kovrel-dbbuild: " << error.what() << "\n";
    return 1;
  }
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/lesson_database.h"

#include <sqlite3.h>

#include <array>
#include <filesystem>
#include <system_error>

namespace kovrel {

namespace {

struct CatalogueTableInfo {
  CatalogueTable table;
  const char* name;
  bool hasInterfaceColumn;
};

// The only table names that ever reach a statement: searches name a table by the enum, never by
// text, so nothing typed can choose or widen the table a search reads.
constexpr std::array<CatalogueTableInfo, 13> kCatalogueTables{{
    {CatalogueTable::userModeCmds, "userModeCmds", false},
    {CatalogueTable::privModeCmds, "privModeCmds", false},
    {CatalogueTable::confModeCmds, "confModeCmds", false},
    {CatalogueTable::lineModeCmds, "lineModeCmds", false},
    {CatalogueTable::ifModeCmds, "ifModeCmds", true},
    {CatalogueTable::configRouterRipModeCmds, "configRouterRipModeCmds", false},
    {CatalogueTable::configRouterIgrpModeCmds, "configRouterIgrpModeCmds", false},
    {CatalogueTable::userModeCmdsExtended, "userModeCmdsExtended", false},
    {CatalogueTable::privModeCmdsExtended, "privModeCmdsExtended", false},
    {CatalogueTable::confModeCmdsExtended, "confModeCmdsExtended", false},
    {CatalogueTable::ifModeCmdsExtended, "ifModeCmdsExtended", true},
    {CatalogueTable::configRouterRipModeCmdsExtended, "configRouterRipModeCmdsExtended", false},
    {CatalogueTable::configRouterIgrpModeCmdsExtended, "configRouterIgrpModeCmdsExtended", false},
}};

// Another program holding the file (a build replacing it) gets this long to let go before a lookup
// reports the database as busy.
constexpr int kBusyTimeoutMs = 2000;

// SQLite opens a FIFO or a device and then waits for data that may never come; only a regular
// file (a link to one is fine) can be a lesson database.
void requireRegularFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) {
    throw DatabaseError(SQLITE_CANTOPEN, path + ": no such file");
  }
  if (!std::filesystem::is_regular_file(status)) {
    throw DatabaseError(SQLITE_CANTOPEN, path + ": not a regular file");
  }
}

const CatalogueTableInfo& tableInfo(CatalogueTable table) {
  for (const auto& info : kCatalogueTables) {
    if (info.table == table) return info;
  }
  throw DatabaseError(SQLITE_MISUSE, "unknown catalogue table");
}

// The text of a search over one catalogue. LIKE keeps SQLite's default of folding ASCII letter
// case, as the original lookups did; typed text is lower-cased before it gets here and the
// catalogue rows are lower case, so the folding never changes a result. The ESCAPE clause makes
// "%", "_" and "\" in typed text stand for themselves (see escapeForLike).
std::string catalogueSql(CatalogueTable table, const CatalogueFilter& filter, bool firstOnly) {
  const CatalogueTableInfo& info = tableInfo(table);
  std::string sql = "SELECT cmd, implemented";
  sql += info.hasInterfaceColumn ? ", interface" : "";
  sql += " FROM ";
  sql += info.name;
  sql += " WHERE cmd LIKE ?1 ESCAPE '\\'";
  // Only the interface catalogues know interfaces; elsewhere a code narrows nothing.
  if (info.hasInterfaceColumn && !filter.interfaceCode.empty()) {
    sql += " AND interface LIKE ?2 ESCAPE '\\'";
  }
  if (filter.implementedOnly) sql += " AND implemented = 1";
  sql += " ORDER BY rowid";
  if (firstOnly) sql += " LIMIT 1";
  return sql;
}

}  // namespace

const char* catalogueTableName(CatalogueTable table) { return tableInfo(table).name; }

bool catalogueTableHasInterfaceColumn(CatalogueTable table) {
  return tableInfo(table).hasInterfaceColumn;
}

std::string escapeForLike(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '\\' || c == '%' || c == '_') escaped.push_back('\\');
    escaped.push_back(c);
  }
  return escaped;
}

/// One prepared statement, kept for the life of the connection. `start` rewinds it and drops the
/// previous bindings, so a statement left half-read by an earlier failure never leaks rows.
class LessonDatabase::Statement {
 public:
  Statement(sqlite3* connection, const std::string& sql) : connection_(connection) {
    const int code = sqlite3_prepare_v2(connection, sql.c_str(), static_cast<int>(sql.size()),
                                        &statement_, nullptr);
    if (code != SQLITE_OK) throw DatabaseError(code, sqlite3_errmsg(connection));
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void start() {
    // reset repeats the error of a failed last step, which `step` has already thrown.
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }

  void bind(int index, std::string_view text) {
    const int code = sqlite3_bind_text(statement_, index, text.data(),
                                       static_cast<int>(text.size()), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) throw DatabaseError(code, sqlite3_errmsg(connection_));
  }

  /// Advances to the next row; false when there is none. A failing step throws and rewinds.
  bool step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    const std::string message = sqlite3_errmsg(connection_);
    sqlite3_reset(statement_);
    throw DatabaseError(code, message);
  }

  std::string text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    if (bytes == nullptr) return {};
    const int length = sqlite3_column_bytes(statement_, column);
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
  }

  int integer(int column) const { return sqlite3_column_int(statement_, column); }
  std::size_t size(int column) const {
    const sqlite3_int64 value = sqlite3_column_int64(statement_, column);
    return value > 0 ? static_cast<std::size_t>(value) : 0;
  }

 private:
  sqlite3* connection_;
  sqlite3_stmt* statement_ = nullptr;
};

LessonDatabase::LessonDatabase() = default;

LessonDatabase::~LessonDatabase() { close(); }

void LessonDatabase::open(const std::string& path) {
  close();
  requireRegularFile(path);
  sqlite3* connection = nullptr;
  const int code = sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr);
  if (code != SQLITE_OK) {
    const std::string message =
        connection != nullptr ? sqlite3_errmsg(connection) : sqlite3_errstr(code);
    sqlite3_close(connection);
    throw DatabaseError(code, path + ": " + message);
  }
  connection_ = connection;
  sqlite3_busy_timeout(connection_, kBusyTimeoutMs);
  // Nobody writes the lesson database while the program runs (the build replaces the file, never
  // edits it), so the connection keeps its read lock instead of taking and checking it again for
  // every statement: a lookup costs a few microseconds instead of tens.
  const int locking =
      sqlite3_exec(connection_, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
  if (locking != SQLITE_OK) {
    const std::string message = sqlite3_errmsg(connection_);
    close();
    throw DatabaseError(locking, path + ": " + message);
  }
  // SQLite reads a file lazily; asking for the cmdInfo table reads its header now, so a file that
  // is no database, or a database of something else, is refused at start-up and not at the first
  // lookup.
  bool isLessonDatabase = false;
  try {
    Statement check(connection_,
                    "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'cmdInfo'");
    check.start();
    isLessonDatabase = check.step();
  } catch (const DatabaseError& error) {
    close();
    throw DatabaseError(error.code(), path + ": " + error.what());
  }
  if (!isLessonDatabase) {
    close();
    throw DatabaseError(SQLITE_NOTFOUND, path + ": not a lesson database (no cmdInfo table)");
  }
}

void LessonDatabase::close() {
  ++generation_;
  statements_.clear();
  longestRows_.clear();  // every statement is finalised before its connection goes
  if (connection_ != nullptr) sqlite3_close(connection_);
  connection_ = nullptr;
}

LessonDatabase::Statement& LessonDatabase::prepare(const std::string& sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) return *found->second;
  auto statement = std::make_unique<Statement>(connection_, sql);
  return *statements_.emplace(sql, std::move(statement)).first->second;
}

std::optional<std::string> LessonDatabase::lookupText(const std::string& sql,
                                                      std::string_view key) {
  if (!isOpen()) return std::nullopt;
  Statement& statement = prepare(sql);
  statement.start();
  statement.bind(1, key);
  if (!statement.step()) return std::nullopt;
  std::string text = statement.text(0);
  statement.start();
  return text;
}

std::optional<std::string> LessonDatabase::cmdInfo(std::string_view key) {
  return lookupText("SELECT display FROM cmdInfo WHERE cmd = ?1 ORDER BY rowid LIMIT 1", key);
}

std::optional<std::string> LessonDatabase::misc(std::string_view id) {
  return lookupText("SELECT contents FROM Misc WHERE id = ?1 ORDER BY rowid LIMIT 1", id);
}

std::optional<std::string> LessonDatabase::labText(std::string_view labName) {
  return lookupText("SELECT labText FROM Labs WHERE LabName = ?1 ORDER BY rowid LIMIT 1", labName);
}

std::optional<std::string> LessonDatabase::testText(std::string_view testName) {
  return lookupText("SELECT testText FROM tests WHERE testName = ?1 ORDER BY rowid LIMIT 1",
                    testName);
}

std::optional<TroubleshootingText> LessonDatabase::troubleshooting(std::string_view labName) {
  if (!isOpen()) return std::nullopt;
  Statement& statement = prepare(
      "SELECT troubleshootingText, solutionText FROM troubleshooting WHERE labName = ?1 "
      "ORDER BY rowid LIMIT 1");
  statement.start();
  statement.bind(1, labName);
  if (!statement.step()) return std::nullopt;
  TroubleshootingText texts{statement.text(0), statement.text(1)};
  statement.start();
  return texts;
}

std::vector<FlashCard> LessonDatabase::flashCards() {
  std::vector<FlashCard> deck;
  if (!isOpen()) return deck;
  Statement& statement = prepare("SELECT question, answer, ID, topic FROM flashCards ORDER BY ID");
  statement.start();
  while (statement.step()) {
    deck.push_back({statement.text(0), statement.text(1), statement.integer(2), statement.text(3)});
  }
  return deck;
}

std::string LessonDatabase::labChecks(std::string_view labName) {
  return lookupText("SELECT checks FROM Labs WHERE LabName = ?1 ORDER BY rowid LIMIT 1", labName)
      .value_or("");
}

std::string LessonDatabase::troubleshootingChecks(std::string_view labName) {
  return lookupText("SELECT checks FROM troubleshooting WHERE labName = ?1 ORDER BY rowid LIMIT 1",
                    labName)
      .value_or("");
}

bool LessonDatabase::canMatch(CatalogueTable table, std::string_view prefix) {
  auto found = longestRows_.find(table);
  if (found == longestRows_.end()) {
    Statement& statement = prepare(std::string("SELECT max(length(CAST(cmd AS BLOB))) FROM ") +
                                   catalogueTableName(table));
    statement.start();
    const std::size_t longest = statement.step() ? statement.size(0) : 0;
    statement.start();
    found = longestRows_.emplace(table, longest).first;
  }
  // SQLite refuses a LIKE pattern beyond its limit; no row holds a command that long.
  const auto patternLimit =
      static_cast<std::size_t>(sqlite3_limit(connection_, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1));
  return prefix.size() <= found->second && escapeForLike(prefix).size() + 1 <= patternLimit;
}

LessonDatabase::Statement& LessonDatabase::startSearch(CatalogueTable table,
                                                       std::string_view prefix,
                                                       const CatalogueFilter& filter,
                                                       bool firstOnly) {
  Statement& statement = prepare(catalogueSql(table, filter, firstOnly));
  statement.start();
  statement.bind(1, escapeForLike(prefix) + "%");
  if (catalogueTableHasInterfaceColumn(table) && !filter.interfaceCode.empty()) {
    statement.bind(2, "%" + escapeForLike(filter.interfaceCode) + "%");
  }
  return statement;
}

std::vector<CatalogueRow> LessonDatabase::searchCatalogue(CatalogueTable table,
                                                          std::string_view prefix,
                                                          const CatalogueFilter& filter) {
  std::vector<CatalogueRow> rows;
  if (!isOpen() || !canMatch(table, prefix)) return rows;
  const bool withInterface = catalogueTableHasInterfaceColumn(table);
  Statement& statement = startSearch(table, prefix, filter, false);
  while (statement.step()) {
    rows.push_back({statement.text(0), statement.integer(1),
                    withInterface ? statement.text(2) : std::string()});
  }
  return rows;
}

bool LessonDatabase::catalogueHasRow(CatalogueTable table, std::string_view prefix,
                                     const CatalogueFilter& filter) {
  if (!isOpen() || !canMatch(table, prefix)) return false;
  Statement& statement = startSearch(table, prefix, filter, true);
  const bool found = statement.step();
  statement.start();
  return found;
}

}  // namespace kovrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kovrel {

/// A failed open or statement of the lesson database. Callers trap it where an operation of the
/// router names the trap, log it, and carry on as if the lookup found nothing.
class DatabaseError : public std::runtime_error {
 public:
  DatabaseError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

/// The thirteen command catalogues, one-word and extended, per command mode.
enum class CatalogueTable {
  userModeCmds,
  privModeCmds,
  confModeCmds,
  lineModeCmds,
  ifModeCmds,
  configRouterRipModeCmds,
  configRouterIgrpModeCmds,
  userModeCmdsExtended,
  privModeCmdsExtended,
  confModeCmdsExtended,
  ifModeCmdsExtended,
  configRouterRipModeCmdsExtended,
  configRouterIgrpModeCmdsExtended,
};

const char* catalogueTableName(CatalogueTable table);
bool catalogueTableHasInterfaceColumn(CatalogueTable table);

/// One catalogue row: a command word or a whole command line of one mode.
struct CatalogueRow {
  std::string cmd;
  int implemented = 0;
  std::string interfaceCodes;  // interface tables only: "012", "01", ...
};

/// How a catalogue search is narrowed.
struct CatalogueFilter {
  bool implementedOnly = false;
  std::string interfaceCode;  // when not empty, rows whose `interface` holds this code
};

struct TroubleshootingText {
  std::string troubleshootingText;
  std::string solutionText;
};

struct FlashCard {
  std::string question;
  std::string answer;
  int id = 0;
  std::string topic = {};  // empty: the card names none
};

/// The read-only lesson database: boot and help texts, catalogues, lessons and flash cards. One
/// connection for the whole run; every statement is prepared once with bound parameters, so typed
/// text is always searched as the characters it is. A database that was never opened finds
/// nothing; a failing statement throws `DatabaseError`.
class LessonDatabase {
 public:
  LessonDatabase();
  ~LessonDatabase();
  LessonDatabase(const LessonDatabase&) = delete;
  LessonDatabase& operator=(const LessonDatabase&) = delete;

  /// Opens the file read-only; throws `DatabaseError` when it is missing or not a lesson database.
  void open(const std::string& path);
  void close();
  bool isOpen() const { return connection_ != nullptr; }
  /// Changes whenever the database is opened or closed, so that what was read from it can be
  /// read again.
  int generation() const { return generation_; }

  std::optional<std::string> cmdInfo(std::string_view key);
  std::optional<std::string> misc(std::string_view id);
  std::optional<std::string> labText(std::string_view labName);
  std::optional<std::string> testText(std::string_view testName);
  std::optional<TroubleshootingText> troubleshooting(std::string_view labName);
  /// The step checks of a lab ("Labs") or of a scenario's success ("troubleshooting"); empty when
  /// the lesson has none.
  std::string labChecks(std::string_view labName);
  std::string troubleshootingChecks(std::string_view labName);
  /// The whole deck in the order of its IDs.
  std::vector<FlashCard> flashCards();

  /// Rows whose `cmd` begins with `prefix` (taken literally: "%", "_" and "\" match only
  /// themselves), in the order the sources list them.
  std::vector<CatalogueRow> searchCatalogue(CatalogueTable table, std::string_view prefix,
                                            const CatalogueFilter& filter = {});
  /// Whether any row of the search exists; cheaper than the full search.
  bool catalogueHasRow(CatalogueTable table, std::string_view prefix,
                       const CatalogueFilter& filter = {});

 private:
  class Statement;
  Statement& prepare(const std::string& sql);
  std::optional<std::string> lookupText(const std::string& sql, std::string_view key);
  /// Whether a row of `table` can begin with `prefix`: a prefix longer than the table's longest
  /// row matches nothing, so typed text of any length never reaches SQLite's limits.
  bool canMatch(CatalogueTable table, std::string_view prefix);
  Statement& startSearch(CatalogueTable table, std::string_view prefix,
                         const CatalogueFilter& filter, bool firstOnly);

  sqlite3* connection_ = nullptr;
  int generation_ = 0;
  std::map<std::string, std::unique_ptr<Statement>> statements_;
  std::map<CatalogueTable, std::size_t> longestRows_;  // bytes of each table's longest `cmd`
};

/// Escapes "%", "_" and the escape character "\" so that LIKE matches the text literally.
std::string escapeForLike(std::string_view text);

}  // namespace kovrel

#ifndef TAVRUNE_CARDBOX_SQLITE_DB_H_
#define TAVRUNE_CARDBOX_SQLITE_DB_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tavrune::sql {

// One SQLite connection, closed with the object. SQL text is always a
// constant of the program; values only ever travel as bound parameters.
class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens `path` with sqlite3_open_v2's `flags`; false with the reason in
  // ErrorMessage() otherwise.
  bool Open(const std::string& path, int flags);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }

  // Runs statements without parameters (schema, pragmas).
  bool Exec(const char* sql);
  // How long a statement waits for another connection's write lock.
  void SetBusyTimeout(int milliseconds);

  // The primary result code and text of the last failure.
  int ErrorCode() const;
  std::string ErrorMessage() const;
  // Whether the file could only be opened for reading.
  bool ReadOnly() const;
  // Rows changed by the last INSERT, UPDATE or DELETE.
  int64_t Changes() const;
  // The whole database as the bytes of its file; empty on failure.
  std::vector<uint8_t> Serialize() const;

  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
  std::string open_error_;
};

// A prepared statement. Parameters are numbered from 1, columns from 0.
class Statement {
 public:
  Statement(Database& db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Whether the SQL compiled.
  bool ok() const { return stmt_ != nullptr; }

  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, std::string_view text);
  Statement& BindNull(int index);
  // A value, or NULL when it is missing.
  Statement& BindOptional(int index, const std::optional<int64_t>& value);

  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step();
  // Steps to the end; true when no step failed.
  bool Run();
  // Ready to run again with new parameters.
  void Reset();

  bool IsNull(int column) const;
  int64_t Int(int column) const;
  std::string Text(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE: the write lock is taken at the start, so a second writer
// waits (up to the busy timeout) instead of failing halfway. Rolled back
// unless committed.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool ok() const { return active_; }
  bool Commit();

 private:
  Database& db_;
  bool active_ = false;
};

}  // namespace tavrune::sql

#endif  // TAVRUNE_CARDBOX_SQLITE_DB_H_

#include "cardbox/sqlite_db.h"

#include <sqlite3.h>

namespace tavrune::sql {

Database::~Database() { Close(); }

bool Database::Open(const std::string& path, int flags) {
  Close();
  open_error_.clear();
  sqlite3* db = nullptr;
  const int code = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (code != SQLITE_OK) {
    open_error_ = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    sqlite3_close(db);
    return false;
  }
  db_ = db;
  return true;
}

void Database::Close() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool Database::Exec(const char* sql) {
  return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void Database::SetBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

int Database::ErrorCode() const {
  return db_ != nullptr ? sqlite3_errcode(db_) & 0xFF : SQLITE_CANTOPEN;
}

std::string Database::ErrorMessage() const {
  return db_ != nullptr ? sqlite3_errmsg(db_) : open_error_;
}

bool Database::ReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

int64_t Database::Changes() const { return sqlite3_changes64(db_); }

std::vector<uint8_t> Database::Serialize() const {
  sqlite3_int64 size = 0;
  unsigned char* bytes = sqlite3_serialize(db_, "main", &size, 0);
  if (bytes == nullptr) return {};
  std::vector<uint8_t> copy(bytes, bytes + size);
  sqlite3_free(bytes);
  return copy;
}

Statement::Statement(Database& db, std::string_view sql) {
  if (sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
      SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, int64_t value) {
  sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  return *this;
}

Statement& Statement::BindNull(int index) {
  sqlite3_bind_null(stmt_, index);
  return *this;
}

Statement& Statement::BindOptional(int index, const std::optional<int64_t>& value) {
  return value ? Bind(index, *value) : BindNull(index);
}

int Statement::Step() { return stmt_ != nullptr ? sqlite3_step(stmt_) & 0xFF : SQLITE_MISUSE; }

bool Statement::Run() {
  int code = SQLITE_ROW;
  while (code == SQLITE_ROW) code = Step();
  return code == SQLITE_DONE;
}

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

bool Statement::IsNull(int column) const {
  return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::Text(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  if (text == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<size_t>(sqlite3_column_bytes(stmt_, column)));
}

Transaction::Transaction(Database& db) : db_(db) { active_ = db_.Exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (active_) db_.Exec("ROLLBACK");
}

bool Transaction::Commit() {
  if (!active_ || !db_.Exec("COMMIT")) return false;
  active_ = false;
  return true;
}

}  // namespace tavrune::sql

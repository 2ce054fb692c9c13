#include "history/Sqlite.h"

#include <sqlite3.h>

#include <utility>

namespace vorpa {

TSqlite::Statement::~Statement() { sqlite3_finalize(stmt_); }

TSqlite::Statement::Statement(Statement&& o) noexcept
    : stmt_(std::exchange(o.stmt_, nullptr)), failed_(o.failed_) {}

TSqlite::Statement& TSqlite::Statement::operator=(Statement&& o) noexcept {
  if (this != &o) {
    sqlite3_finalize(stmt_);
    stmt_ = std::exchange(o.stmt_, nullptr);
    failed_ = o.failed_;
  }
  return *this;
}

TSqlite::Statement& TSqlite::Statement::Bind(int i, int64_t v) {
  sqlite3_bind_int64(stmt_, i, v);
  return *this;
}

TSqlite::Statement& TSqlite::Statement::Bind(int i, double v) {
  sqlite3_bind_double(stmt_, i, v);
  return *this;
}

TSqlite::Statement& TSqlite::Statement::Bind(int i, std::string_view utf8) {
  sqlite3_bind_text(stmt_, i, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
  return *this;
}

TSqlite::Statement& TSqlite::Statement::BindNull(int i) {
  sqlite3_bind_null(stmt_, i);
  return *this;
}

bool TSqlite::Statement::Step() {
  if (!stmt_) {
    failed_ = true;
    return false;
  }
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  failed_ = rc != SQLITE_DONE;
  return false;
}

bool TSqlite::Statement::Run() {
  while (Step()) {
  }
  return !failed_;
}

void TSqlite::Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  failed_ = false;
}

int TSqlite::Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }
const char* TSqlite::Statement::ColumnName(int c) const { return sqlite3_column_name(stmt_, c); }
bool TSqlite::Statement::IsNull(int c) const { return sqlite3_column_type(stmt_, c) == SQLITE_NULL; }
bool TSqlite::Statement::IsInteger(int c) const {
  return sqlite3_column_type(stmt_, c) == SQLITE_INTEGER;
}
bool TSqlite::Statement::IsReal(int c) const { return sqlite3_column_type(stmt_, c) == SQLITE_FLOAT; }
int64_t TSqlite::Statement::Int(int c) const { return sqlite3_column_int64(stmt_, c); }
double TSqlite::Statement::Real(int c) const { return sqlite3_column_double(stmt_, c); }

std::string TSqlite::Statement::Text(int c) const {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, c));
  return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, c))) : std::string();
}

TSqlite::~TSqlite() { Close(); }

bool TSqlite::Open(const std::string& path, Mode mode, int busyMs) {
  Close();
  const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                           : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  // Each connection is used by one thread at a time.
  const int rc = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    openError_ = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    return false;
  }
  openError_.clear();
  sqlite3_busy_timeout(db_, busyMs);
  sqlite3_extended_result_codes(db_, 1);
  return true;
}

void TSqlite::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

bool TSqlite::Exec(std::string_view sql) {
  if (!db_) return false;
  return sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

TSqlite::Statement TSqlite::Prepare(std::string_view sql) {
  sqlite3_stmt* s = nullptr;
  if (db_) sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &s, nullptr);
  return Statement(s);
}

int64_t TSqlite::QueryInt(std::string_view sql, int64_t fallback) {
  Statement s = Prepare(sql);
  return s.Step() ? s.Int(0) : fallback;
}

std::string TSqlite::ErrorText() const { return db_ ? sqlite3_errmsg(db_) : openError_; }

bool TSqlite::LastErrorIsDamage() const {
  if (!db_) return false;
  const int rc = sqlite3_errcode(db_) & 0xff;
  return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

bool TSqlite::LastErrorIsBusy() const {
  if (!db_) return false;
  const int rc = sqlite3_errcode(db_) & 0xff;
  return rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
}

int64_t TSqlite::Changes() const { return db_ ? sqlite3_changes64(db_) : 0; }

}  // namespace vorpa

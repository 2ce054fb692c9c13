#pragma once
// The one door to the SQLite C API: a connection and its prepared
// statements. Failures are reported by return values and ErrorText(),
// never by raising.
#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace vorpa {

class TSqlite {
 public:
  enum class Mode { ReadOnly, ReadWrite };

  // A prepared statement of a connection; parameters count from 1, result
  // columns from 0. Moves only.
  class Statement {
   public:
    Statement() = default;
    ~Statement();
    Statement(Statement&& o) noexcept;
    Statement& operator=(Statement&& o) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Valid() const { return stmt_ != nullptr; }
    Statement& Bind(int i, int64_t v);
    Statement& Bind(int i, int v) { return Bind(i, static_cast<int64_t>(v)); }
    Statement& Bind(int i, double v);
    Statement& Bind(int i, std::string_view utf8);
    Statement& Bind(int i, const char* utf8) { return Bind(i, std::string_view(utf8)); }
    Statement& BindNull(int i);
    // True while a row is available; false at the end or on an error
    // (Failed() then tells which).
    bool Step();
    // Step() through to the end; true when no error occurred.
    bool Run();
    bool Failed() const { return failed_; }
    // Ready for new parameters and a new run.
    void Reset();

    int ColumnCount() const;
    const char* ColumnName(int c) const;
    bool IsNull(int c) const;
    bool IsInteger(int c) const;
    bool IsReal(int c) const;
    int64_t Int(int c) const;
    double Real(int c) const;
    std::string Text(int c) const;

   private:
    friend class TSqlite;
    explicit Statement(sqlite3_stmt* s) : stmt_(s) {}
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
  };

  TSqlite() = default;
  ~TSqlite();
  TSqlite(const TSqlite&) = delete;
  TSqlite& operator=(const TSqlite&) = delete;

  // Opens (ReadWrite also creates) the database file; waits up to
  // busyMs for a lock held by another connection. False on failure.
  bool Open(const std::string& path, Mode mode, int busyMs);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }

  // Runs one or more statements without results.
  bool Exec(std::string_view sql);
  // An invalid statement (see ErrorText) when the text does not prepare.
  Statement Prepare(std::string_view sql);
  // The first column of the first row of a query, `fallback` without one.
  int64_t QueryInt(std::string_view sql, int64_t fallback);

  // The text of the last failure, and whether it said the file is not a
  // database or is damaged.
  std::string ErrorText() const;
  bool LastErrorIsDamage() const;
  bool LastErrorIsBusy() const;
  // Rows changed by the last statement.
  int64_t Changes() const;

 private:
  sqlite3* db_ = nullptr;
  std::string openError_;
};

}  // namespace vorpa

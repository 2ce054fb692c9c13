#pragma once
// The history database "vorpa.sqlite" of a data directory: an index of
// every stored race beside the race files, which stay the source of truth
// and from which it can always be rebuilt.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/RaceIO/RaceIO.h"
#include "history/Sqlite.h"

namespace vorpa {

constexpr const char* kHistoryFileName = "vorpa.sqlite";

// dataDir + "vorpa.sqlite" (a separator is added when missing).
std::string HistoryDbPath(std::string_view dataDir);
// The file's path relative to the data directory: "yyyy/mmdd/" + name.
std::string RelativeRaceFile(double date, const std::string& fileName);
// Modification time in nanoseconds since 1970; -1 when the file is missing.
int64_t FileMtimeNs(const std::string& path);

enum class THistoryFault { None, Busy, Damaged, NewerVersion, Failed };

class THistoryDb {
 public:
  // Syncs and readers wait this long for another writer's lock; a store
  // of the acquisition waits kStoreBusyMs and leaves the rest to a sync.
  static constexpr int kBusyMs = 2000;
  static constexpr int kStoreBusyMs = 500;

  // Opens the database for writing, creating it with its tables when
  // missing. A file that is not a database, or turns out damaged on any
  // later write, is moved to "vorpa.sqlite.bad" and made anew (Renewed()).
  THistoryDb();
  ~THistoryDb();
  bool Open(std::string_view dataDir, int busyMs = kBusyMs);
  // Brings the rows of one race file up to date with what the file holds
  // now, in one transaction; a missing file removes its rows.
  bool PutRaceFile(const TRaceFileEntry& entry, double date);
  // Removes every row of the race stored from relFile.
  bool RemoveFile(const std::string& relFile);
  // file -> file_mtime of every race row.
  std::map<std::string, int64_t> StoredFiles();
  // Empties every table (one transaction).
  bool Clear();

  THistoryFault Fault() const { return fault_; }
  const std::string& Error() const { return error_; }
  // True when a damaged file was set aside since Open.
  bool Renewed() const { return renewed_; }
  TSqlite& Sql() { return db_; }

 private:
  bool OpenFile();
  bool Renew();
  bool Fail();
  bool WriteRace(const TRace& race, const std::string& relFile, int64_t mtime);
  bool DeleteRows(int64_t raceId, bool withPools);

  struct Statements;
  TSqlite db_;
  std::unique_ptr<Statements> st_;
  std::string dataDir_;
  int busyMs_ = kBusyMs;
  THistoryFault fault_ = THistoryFault::None;
  std::string error_;
  bool renewed_ = false;
  uint64_t inode_ = 0;  // of the file opened
};

}  // namespace vorpa

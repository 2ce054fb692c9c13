#include "history/HistoryDb.h"

#include <sys/stat.h>

#include <filesystem>
#include <mutex>
#include <system_error>

#include "core/DayCount.h"
#include "core/TextUtil.h"
#include "history/HistorySchema.h"
#include "history/HistoryStatements.h"

namespace vorpa {

namespace fs = std::filesystem;

std::string HistoryDbPath(std::string_view dataDir) {
  return WithSeparator(dataDir) + kHistoryFileName;
}

std::string RelativeRaceFile(double date, const std::string& fileName) {
  const CivilDate d = DecodeDate(date);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d/%02d%02d/", d.Year, d.Month, d.Day);
  return buf + fileName;
}

namespace {
uint64_t FileInode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_ino) : 0;
}
}  // namespace

int64_t FileMtimeNs(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

THistoryDb::THistoryDb() = default;
THistoryDb::~THistoryDb() {
  st_.reset();
  db_.Close();
}

bool THistoryDb::Open(std::string_view dataDir, int busyMs) {
  dataDir_ = std::string(dataDir);
  busyMs_ = busyMs;
  fault_ = THistoryFault::None;
  error_.clear();
  renewed_ = false;
  if (OpenFile()) return true;
  if (fault_ == THistoryFault::Damaged) return Renew();
  return false;
}

bool THistoryDb::Fail() {
  error_ = db_.ErrorText();
  if (db_.LastErrorIsDamage()) fault_ = THistoryFault::Damaged;
  else if (db_.LastErrorIsBusy()) fault_ = THistoryFault::Busy;
  else fault_ = THistoryFault::Failed;
  return false;
}

bool THistoryDb::OpenFile() {
  st_.reset();
  const std::string path = HistoryDbPath(dataDir_);
  if (!db_.Open(path, TSqlite::Mode::ReadWrite, busyMs_)) return Fail();
  inode_ = FileInode(path);
  // Reading the version is the first read of the file: a file that is not
  // a database fails here.
  TSqlite::Statement v = db_.Prepare("PRAGMA user_version");
  if (!v.Step()) return Fail();
  const int64_t version = v.Int(0);
  v = TSqlite::Statement();
  if (version > kHistorySchemaVersion) {
    fault_ = THistoryFault::NewerVersion;
    error_ = "vorpa.sqlite is of a newer version (" + std::to_string(version) + ")";
    db_.Close();
    return false;
  }
  if (!db_.Exec("PRAGMA synchronous=NORMAL")) return Fail();
  if (version < kHistorySchemaVersion) {
    // A new file (version 0): WAL is a property of the file and stays.
    if (!db_.Exec("PRAGMA journal_mode=WAL")) return Fail();
    const std::string create = std::string("BEGIN IMMEDIATE;") + kHistorySchema +
                               "PRAGMA user_version=" + std::to_string(kHistorySchemaVersion) +
                               ";COMMIT;";
    if (!db_.Exec(create)) {
      Fail();
      db_.Exec("ROLLBACK");
      // Another connection created the tables first.
      if (db_.QueryInt("PRAGMA user_version", 0) != kHistorySchemaVersion) return false;
      fault_ = THistoryFault::None;
      error_.clear();
    }
  }
  st_ = std::make_unique<Statements>(db_);
  if (!st_->Valid()) return Fail();
  return true;
}

bool THistoryDb::Renew() {
  // Two threads that find the damage at once must not move each other's
  // new file aside.
  static std::mutex renewing;
  std::lock_guard<std::mutex> lock(renewing);
  st_.reset();
  db_.Close();
  const std::string path = HistoryDbPath(dataDir_);
  // Another thread may have set the damaged file aside already.
  if (FileInode(path) == inode_) {
    std::error_code ec;
    fs::rename(path, path + ".bad", ec);
    fs::rename(path + "-wal", path + ".bad-wal", ec);
    fs::remove(path + "-shm", ec);
  }
  renewed_ = true;
  fault_ = THistoryFault::None;
  error_.clear();
  return OpenFile();
}

bool THistoryDb::PutRaceFile(const TRaceFileEntry& entry, double date) {
  const std::string rel = RelativeRaceFile(date, entry.FileName);
  const int64_t mtime = FileMtimeNs(entry.Path);
  if (mtime < 0) return RemoveFile(rel);
  TRace race;
  LoadRaceFile(entry.Path, entry.VenueName, entry.RaceNo, race, date);
  // The place of the file names the race, whatever its header says.
  race.Header.RaceDate = date;
  race.Header.VenueName = entry.VenueName;
  race.Header.RaceNo = entry.RaceNo;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!st_ && !OpenFile()) return false;
    if (WriteRace(race, rel, mtime)) return true;
    if (fault_ != THistoryFault::Damaged || attempt > 0 || !Renew()) return false;
  }
  return false;
}

bool THistoryDb::RemoveFile(const std::string& relFile) {
  if (!st_ && !OpenFile()) return false;
  TSqlite::Statement find = db_.Prepare("SELECT race_id FROM races WHERE file = ?");
  find.Bind(1, relFile);
  if (!db_.Exec("BEGIN IMMEDIATE")) return Fail();
  bool ok = true;
  while (ok && find.Step()) ok = DeleteRows(find.Int(0), true);
  ok = ok && !find.Failed();
  if (ok && db_.Exec("COMMIT")) return true;
  Fail();
  db_.Exec("ROLLBACK");
  return false;
}

std::map<std::string, int64_t> THistoryDb::StoredFiles() {
  std::map<std::string, int64_t> out;
  TSqlite::Statement s = db_.Prepare("SELECT file, file_mtime FROM races");
  while (s.Step()) out[s.Text(0)] = s.Int(1);
  if (s.Failed()) Fail();
  return out;
}

bool THistoryDb::Clear() {
  if (!st_ && !OpenFile()) return false;
  if (db_.Exec("BEGIN IMMEDIATE;DELETE FROM runners;DELETE FROM win_readings;"
               "DELETE FROM final_odds;DELETE FROM pools;DELETE FROM payouts;"
               "DELETE FROM races;COMMIT"))
    return true;
  Fail();
  db_.Exec("ROLLBACK");
  return false;
}

}  // namespace vorpa

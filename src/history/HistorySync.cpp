#include "history/HistorySync.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "core/DayCount.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace fs = std::filesystem;

namespace {

bool FourDigits(const std::string& name, int* out) {
  if (name.size() != 4) return false;
  for (char c : name)
    if (c < '0' || c > '9') return false;
  *out = std::stoi(name);
  return true;
}

std::vector<std::string> SortedDirs(const std::string& dir) {
  std::vector<std::string> out;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_directory(typeEc)) out.push_back(it->path().filename().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

TSyncResult Sync(THistoryDb& db, std::string_view dataDir, const TSyncProgress& progress,
                 const std::atomic<bool>* cancel) {
  TSyncResult r;
  const std::vector<TDatedRaceFile> files = ListAllRaceFiles(dataDir);
  r.Files = static_cast<int>(files.size());
  std::map<std::string, int64_t> stored = db.StoredFiles();
  if (db.Fault() != THistoryFault::None) {
    r.Error = db.Error();
    return r;
  }
  std::vector<const TDatedRaceFile*> changed;
  std::set<std::string> present;
  for (const TDatedRaceFile& f : files) {
    const std::string rel = RelativeRaceFile(f.Date, f.Entry.FileName);
    present.insert(rel);
    auto it = stored.find(rel);
    if (it == stored.end() || it->second != FileMtimeNs(f.Entry.Path)) changed.push_back(&f);
  }
  std::vector<std::string> gone;
  for (const auto& [rel, mtime] : stored)
    if (!present.count(rel)) gone.push_back(rel);
  const int total = static_cast<int>(changed.size() + gone.size());
  int done = 0;
  auto step = [&](bool ok) {
    if (!ok) r.Error = db.Error();
    ++done;
    if (progress) progress(done, total);
    return ok && !(cancel && cancel->load());
  };
  for (const std::string& rel : gone) {
    if (!step(db.RemoveFile(rel))) return r;
    ++r.Removed;
  }
  for (const TDatedRaceFile* f : changed) {
    if (!step(db.PutRaceFile(f->Entry, f->Date))) return r;
    ++r.Put;
  }
  r.Ok = true;
  return r;
}

}  // namespace

std::vector<TDatedRaceFile> ListAllRaceFiles(std::string_view dataDir) {
  std::vector<TDatedRaceFile> out;
  const std::string root = WithSeparator(dataDir);
  for (const std::string& year : SortedDirs(root)) {
    int y = 0;
    if (!FourDigits(year, &y)) continue;
    for (const std::string& monthDay : SortedDirs(root + year)) {
      int md = 0;
      double date = 0;
      if (!FourDigits(monthDay, &md) || !TryEncodeDate(y, md / 100, md % 100, &date)) continue;
      for (TRaceFileEntry& e : ListRaceFiles(dataDir, date)) out.push_back({date, std::move(e)});
    }
  }
  return out;
}

TSyncResult SyncHistory(std::string_view dataDir, const TSyncProgress& progress,
                        const std::atomic<bool>* cancel) {
  THistoryDb db;
  TSyncResult r;
  if (db.Open(dataDir)) r = Sync(db, dataDir, progress, cancel);
  else r.Error = db.Error();
  r.Renewed = db.Renewed();
  return r;
}

TSyncResult RebuildHistory(std::string_view dataDir, const TSyncProgress& progress) {
  THistoryDb db;
  TSyncResult r;
  if (db.Open(dataDir) && db.Clear()) r = Sync(db, dataDir, progress, nullptr);
  else r.Error = db.Error();
  r.Renewed = db.Renewed();
  return r;
}

}  // namespace vorpa

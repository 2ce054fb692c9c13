#include "core/RaceIO/RaceIO.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/RaceIO/RaceFields.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace fs = std::filesystem;

namespace {
// Far beyond any race file (99 readings of 18 runners are about 1.4 MB):
// a larger file is not one and is not read.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

bool EndsWithMjo(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".mjo";
}
}  // namespace

std::string DateDirPath(std::string_view dataDir, double date) {
  CivilDate d = DecodeDate(date);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d%02d/", d.Year, d.Month, d.Day);
  return WithSeparator(dataDir) + buf;
}

std::string RaceFileName(std::string_view venueName, int raceNo) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%2s%.2d.MJO", std::string(venueName).c_str(), raceNo);
  return Cp932ToUtf8(buf);
}

std::string RaceFilePath(std::string_view dataDir, std::string_view venueName, int raceNo,
                         double date) {
  return DateDirPath(dataDir, date) + RaceFileName(venueName, raceNo);
}

void DecodeRace(std::string_view bytes, TRace& race) {
  const std::vector<std::string_view> lines = raceio::SplitLines(bytes);
  if (lines.empty()) return;
  if (lines[0] == "VORPADAT 2.0") raceio::DecodeVersion2(lines, false, race);
  else if (lines[0] == "VORPADAT 2.1") raceio::DecodeVersion2(lines, true, race);
  else raceio::DecodeVersion1(lines, race);
}

bool HoldsRaceLine(std::string_view bytes) {
  const std::vector<std::string_view> lines = raceio::SplitLines(bytes);
  if (lines.empty()) return false;
  if (lines[0] != "VORPADAT 2.0" && lines[0] != "VORPADAT 2.1") return raceio::IsVersion1Header(lines[0]);
  return std::any_of(lines.begin(), lines.end(),
                     [](std::string_view l) { return l.substr(0, 4) == "H01 "; });
}

bool StoreRace(std::string_view dataDir, const TRace& race, std::string* reason) {
  if (dataDir.empty()) return true;
  const TRaceHeader& h = race.Header;
  std::error_code ec;
  fs::create_directories(DateDirPath(dataDir, h.RaceDate), ec);
  if (!ec && LockedWriteFile(RaceFilePath(dataDir, h.VenueName, h.RaceNo, h.RaceDate), FormatRace(race)))
    return true;
  if (!ec) ec.assign(errno, std::generic_category());
  if (reason) *reason = ec.message();
  return false;
}

void LoadRaceFile(const std::string& path, std::string_view venueName, int raceNo, TRace& race,
                  double date) {
  ClearRace(race, venueName, raceNo, date);
  race.Snapshots.clear();
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > kMaxFileBytes) return;
  std::string bytes;
  if (!LockedReadFile(path, &bytes)) return;
  DecodeRace(bytes, race);
}

void LoadRace(std::string_view dataDir, std::string_view venueName, int raceNo, TRace& race,
              double date) {
  LoadRaceFile(RaceFilePath(dataDir, venueName, raceNo, date), venueName, raceNo, race, date);
}

TRaceFileEntry RaceFileEntryOf(const std::string& dir, const std::string& fileName) {
  TRaceFileEntry e;
  e.FileName = fileName;
  e.Path = WithSeparator(dir) + fileName;
  const std::string cp932 = Utf8ToCp932(fileName);
  e.VenueName = cp932.substr(0, 4);
  e.RaceNo = raceio::PaddedIntOf(raceio::Columns(cp932, 5, 2));
  return e;
}

std::vector<TRaceFileEntry> ListRaceFiles(std::string_view dataDir, double date) {
  std::vector<TRaceFileEntry> out;
  const std::string dir = DateDirPath(dataDir, date);
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    const std::string name = it->path().filename().string();
    if (EndsWithMjo(name)) out.push_back(RaceFileEntryOf(dir, name));
  }
  std::sort(out.begin(), out.end(),
            [](const TRaceFileEntry& a, const TRaceFileEntry& b) { return a.FileName < b.FileName; });
  return out;
}

}  // namespace vorpa

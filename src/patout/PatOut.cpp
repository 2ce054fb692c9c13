#include "patout/PatOut.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/RaceIO/RaceIO.h"
#include "core/TextUtil.h"
#include "core/Venue.h"
#include "ipat/IPat.h"
#include "ipat/IPatControl.h"
#include "patout/PatOddsFiles.h"
#include "patout/PatResultFiles.h"

namespace vorpa {
namespace {

constexpr PatVariant kVariants[kPatVariants] = {Pat95, Pat98, PatV50};
constexpr long long kDayMsec = 24LL * 60 * 60 * 1000;

void Note(const TPatOutEnv& env, std::string path) {
  if (env.Written) env.Written->push_back(std::move(path));
}

// OddsOutLastTime in milliseconds; a hand-edited 60 or more counts as 59.
long long LastTimeMsec(const TSetting& setting) {
  return std::min(setting.OddsOutLastTime, 59) * 60LL * 1000;
}

// Scans from the latest snapshot to the first over those `use` accepts:
// the latest when `target` is 0, else the one nearest to it (a later one
// keeps its place on equal distance), within `bound` milliseconds.
template <class Use, class Time>
int Nearest(const TRace& race, long long target, long long bound, Use use, Time time) {
  int best = -1;
  for (int i = static_cast<int>(race.Snapshots.size()) - 1; i >= 0; --i) {
    const OddsSnapshot& s = race.Snapshots[i];
    if (!use(s)) continue;
    if (target == 0) return i;
    const long long dist = std::llabs(MsecOf(time(s)) - target);
    if (dist < bound) {
      bound = dist;
      best = i;
    }
  }
  return best;
}

bool AnyRunner(const TRace& race, bool (*has)(const TSyutuba&)) {
  const int n = PatRunners(race);
  for (int h = 1; h <= n; ++h)
    if (has(race.Runner(h))) return true;
  return false;
}

void WriteOdds(const TRace& race, int i, const TPatOutEnv& env) {
  const TSetting& setting = *env.Setting;
  for (PatVariant v : kVariants) {
    const std::string& dir = PatDir(setting, v);
    if (dir.empty()) continue;
    Note(env, WriteZoFile(dir, race, i, v == PatV50));
    if (v == PatV50) Note(env, WriteSoFile(dir, race, i));
    if (race.Header.RunnerCount > 8) Note(env, WriteUoFile(dir, v, race, i));
  }
}

// Enters a race into the meeting array: the element of its date and venue,
// appended with all races cleared when new.
void EnterMeeting(TYoukouInfos& meetings, const TRace& race, int venueNo, int raceNo) {
  const TRaceHeader& h = race.Header;
  auto it = std::find_if(meetings.begin(), meetings.end(), [&](const TYoukouInfo& m) {
    return m.Date == h.RaceDate && m.VenueCode == venueNo;
  });
  if (it == meetings.end()) {
    TYoukouInfo m;
    m.Date = h.RaceDate;
    m.VenueCode = venueNo;
    m.Kai = h.Kai;
    m.Nichi = h.Nichi;
    it = meetings.insert(meetings.end(), m);
  }
  if (raceNo < 1 || raceNo > kYoukouRaces) return;
  it->RaceHeld[raceNo - 1] = true;
  it->RaceRunners[raceNo - 1] = h.RunnerCount;
}

double ModificationDay(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  std::tm local{};
  localtime_r(&st.st_mtime, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool IsPatFileName(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext == ".JRA";
}

}  // namespace

const std::string& PatDir(const TSetting& setting, PatVariant variant) {
  return variant == Pat95 ? setting.JRA95Path : variant == Pat98 ? setting.JRA98Path : setting.JRAV50Path;
}

bool AnyPatDir(const TSetting& setting) {
  return !setting.JRA95Path.empty() || !setting.JRA98Path.empty() || !setting.JRAV50Path.empty();
}

int PickOddsSnapshot(const TPatOutInfo& info, const TRace& race, const TSetting& setting) {
  const double start = race.Header.StartTime;
  const long long lastTime = LastTimeMsec(setting);
  long long target = MsecOf(TimeOf(info.OddsTime));
  if (!info.AutoOut && target == 0 && start != 0 && lastTime > 0) target = MsecOf(start) - lastTime;
  int index = Nearest(
      race, target, static_cast<long long>(999.999 * kDayMsec), [](const OddsSnapshot& s) { return s.WinTime() != 0; },
      [](const OddsSnapshot& s) { return s.WinTime(); });
  if (race.Header.RunnerCount > 8) {
    const int pairs = Nearest(
        race, target, static_cast<long long>(99.999 * kDayMsec),
        [](const OddsSnapshot& s) { return s.QuinellaTime() != 0 && s.WideTime() != 0; },
        [](const OddsSnapshot& s) { return s.QuinellaTime(); });
    index = std::min(index, pairs);
  }
  if (info.AutoOut && index >= 0 && start != 0 && lastTime > 0 &&
      MsecOf(race.Snapshots[index].WinTime()) > MsecOf(start) - lastTime)
    return -1;
  return index;
}

bool OutPatRace(const TPatOutInfo& info, const TRace& race, const TPatOutEnv& env) {
  const TSetting& setting = *env.Setting;
  const double now = env.Clock->Now();
  bool any = false;
  auto eachDir = [&](auto write) {
    for (PatVariant v : kVariants) {
      const std::string& dir = PatDir(setting, v);
      if (dir.empty()) continue;
      Note(env, write(dir, v));
      any = true;
    }
  };
  if (info.OutSyutuba && AnyRunner(race, [](const TSyutuba& s) { return !s.HorseName.empty(); }))
    eachDir([&](const std::string& dir, PatVariant) { return WriteDeFile(dir, race); });
  if (info.OutWeight && AnyRunner(race, [](const TSyutuba& s) { return s.BodyWeight != 0; }))
    eachDir([&](const std::string& dir, PatVariant) { return WriteUtFile(dir, race, now); });
  if (info.OutOdds) {
    const int i = PickOddsSnapshot(info, race, setting);
    if (i >= 0 && AnyPatDir(setting)) {
      WriteOdds(race, i, env);
      any = true;
    }
  }
  if (info.OutResult && HasResult(race))
    eachDir([&](const std::string& dir, PatVariant v) { return WriteKsFile(dir, v, race); });
  return any;
}

std::function<bool(const TPatOutInfo&, const TRace&, std::string* failure)> PatRaceOutput(
    const TSetting& setting, const TClock& clock) {
  return [&setting, &clock](const TPatOutInfo& info, const TRace& race, std::string* failure) {
    TPatOutEnv env;
    env.Setting = &setting;
    env.Clock = &clock;
    try {
      return OutPatRace(info, race, env);
    } catch (const TPatFileError& e) {
      if (failure) *failure = e.what();
      return false;
    }
  };
}

void AttachPatOut(TIPatControl& control, const TSetting& live) {
  control.Hooks.ClearPatFiles = [&live](double day) { ClearPatFiles(day, live); };
  TPatOutInfo info;
  info.AutoOut = info.OutSyutuba = info.OutWeight = info.OutOdds = info.OutResult = live.AutoPat;
  control.FIPat.SetPatOut(info);
  for (TIPat* session : {&control.FIPat, &control.FIPatDirect})
    session->PatOutput = PatRaceOutput(session->Settings(), session->Clock());
}

bool OutPatRunEnd(const TIPat& session, std::string* failure) {
  const bool finished = session.IPatState == TIPat::RunEnd || session.IPatState == TIPat::AllDone;
  if (!finished || !session.PatOut().AutoOut) return false;
  TPatOutEnv env;
  env.Setting = &session.Settings();
  env.Clock = &session.Clock();
  try {
    return OutPatYoukouOnce(YoukouOfSession(session), env);
  } catch (const TPatFileError& e) {
    if (failure) *failure = e.what();
    return false;
  }
}

void OutPatData(const TPatOutInfo& info, const TPatOutEnv& env) {
  const TSetting& setting = *env.Setting;
  if (info.Date == 0 || !AnyPatDir(setting)) return;
  TYoukouInfos meetings;
  if (info.OutYoukou) ClearPatFiles(0, setting);
  std::vector<TRaceFileEntry> files;
  if (info.OutYoukou || info.VenueName.empty()) {
    files = ListRaceFiles(env.DataDir, info.Date);
  } else {
    const std::string path = RaceFilePath(env.DataDir, info.VenueName, info.RaceNo, info.Date);
    const size_t slash = path.rfind('/');
    files.push_back(RaceFileEntryOf(path.substr(0, slash + 1), path.substr(slash + 1)));
  }
  TRace race;
  for (const TRaceFileEntry& f : files) {
    LoadRaceFile(f.Path, f.VenueName, f.RaceNo, race, info.Date);
    if (info.OutYoukou) EnterMeeting(meetings, race, VenueNo(f.VenueName), f.RaceNo);
    const bool chosen = info.VenueName.empty()
                            ? info.RaceNo == 0 || f.RaceNo >= info.RaceNo
                            : f.VenueName == info.VenueName && f.RaceNo == info.RaceNo;
    if (chosen) OutPatRace(info, race, env);
  }
  if (!info.OutYoukou) return;
  const double now = env.Clock->Now();
  for (PatVariant v : kVariants) {
    const std::string& dir = PatDir(setting, v);
    if (dir.empty()) continue;
    for (std::string& path : WriteUyFile(dir, v, meetings, now)) Note(env, std::move(path));
  }
}

void ClearPatFiles(double day, const TSetting& setting) {
  namespace fs = std::filesystem;
  for (PatVariant v : kVariants) {
    const std::string& dir = PatDir(setting, v);
    if (dir.empty()) continue;
    std::error_code ec;
    std::vector<std::string> doomed;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file(ec) || !IsPatFileName(it->path().filename().string())) continue;
      const std::string path = it->path().string();
      if (day == 0 || ModificationDay(path) != DateOf(day)) doomed.push_back(path);
    }
    for (const std::string& path : doomed) LockedDeleteFile(path);
  }
}

bool OutPatYoukouOnce(const TYoukouInfos& meetings, const TPatOutEnv& env) {
  bool called = false;
  for (PatVariant v : kVariants) {
    const std::string& dir = PatDir(*env.Setting, v);
    std::error_code ec;
    if (dir.empty() || std::filesystem::exists(WithSeparator(dir) + "UY-A.JRA", ec)) continue;
    for (std::string& path : WriteUyFile(dir, v, meetings, env.Clock->Now())) Note(env, std::move(path));
    called = true;
  }
  return called;
}

TYoukouInfos YoukouOfSession(const TIPat& session) {
  TYoukouInfos meetings;
  for (int v = 1; v <= kStatusSlots; ++v) {
    const std::string& code = session.MeetingCode[v].Code;
    if (code.empty()) continue;
    TYoukouInfo m;
    m.Date = session.MeetingDate;
    uint32_t venue = 0;
    TryHexOf(code.substr(0, 1), &venue);
    m.VenueCode = static_cast<int>(venue);
    m.Kai = code.size() > 3 ? IntOf(code.substr(3, 1)) : 0;
    m.Nichi = code.size() > 4 ? IntOf(code.substr(4, 1)) : 0;
    for (int r = 1; r <= kStatusRaces; ++r) {
      const RaceStatus& st = session.Status[v][r];
      if (!st.Listed) continue;
      m.RaceHeld[r - 1] = true;
      m.RaceRunners[r - 1] = st.RunnerCount;
    }
    meetings.push_back(m);
  }
  return meetings;
}

}  // namespace vorpa

#include "core/Race.h"

#include <algorithm>
#include <cstdlib>

#include "core/DayCount.h"
#include "core/MeetingClock.h"
#include "core/Setting.h"

namespace vorpa {

namespace {
// Times are compared and subtracted in whole milliseconds, so that equal
// gaps and distances of readings compare equal.
constexpr long long kMinute = 60000;
constexpr long long kDay = 1440 * kMinute;
}  // namespace

void InitSnapshot(OddsSnapshot& s) {
  s.Cells.fill(NoOdds);
  s.WinTime() = s.QuinellaTime() = s.ExactaTime() = s.WideTime() = 0;
}

OddsSnapshot EmptySnapshot() {
  OddsSnapshot s;
  InitSnapshot(s);
  return s;
}

bool SameRace(const TRaceHeader& a, const TRaceHeader& b) {
  return a.RaceDate == b.RaceDate && a.VenueName == b.VenueName && a.RaceNo == b.RaceNo;
}

void ClearRace(TRace& race, std::string_view venueName, int raceNo, double raceDate) {
  race.Header = TRaceHeader{};
  race.Header.VenueName = std::string(venueName);
  race.Header.RaceNo = raceNo;
  race.Header.RaceDate = raceDate;
  race.Runners.fill(TSyutuba{});
  race.Votes.fill(0);
  race.Result = TRaceResult{};
}

void ThinSnapshots(TRace& race, int oddsOutLastTime) {
  auto& s = race.Snapshots;
  const int k = static_cast<int>(s.size()) - 1;
  if (k < 3) return;
  auto at = [&](int i) { return MsecOf(s[i].WinTime()); };
  int p = -1;
  if (race.Header.StartTime != 0 && oddsOutLastTime > 0) {
    const long long target = MsecOf(race.Header.StartTime) - oddsOutLastTime * kMinute;
    long long best = 999999 * kDay / 1000;  // 999.999 days
    for (int i = 1; i <= k - 1; ++i) {
      if (s[i].WinTime() == 0) continue;
      const long long d = std::llabs(at(i) - target);
      if (d < best) {
        best = d;
        p = i;
      }
    }
  }
  int v = 1;
  long long g = kDay;
  for (int i = 1; i <= k - 1; ++i) {
    if (i == p) continue;
    const long long gap = at(i + 1) - at(i - 1);
    if (gap > 0 && gap <= g) {
      v = i;
      g = gap;
    }
  }
  // One block move of whole snapshots; the last stays as a stale copy.
  std::copy(s.begin() + v + 1, s.end(), s.begin() + v);
}

int ChooseSnapshotSlot(TRace& race, double readingTime, double now, const TSetting& setting) {
  auto& s = race.Snapshots;
  const long long clock = MsecOf(TimeOf(now));
  const long long open = MsecOf(setting.IPatStartTime);
  if (s.empty() || clock < open || clock >= MsecOf(DaySwitchTime())) {
    s.resize(1);
    InitSnapshot(s[0]);
    return 0;
  }
  const int k = static_cast<int>(s.size()) - 1;
  bool reuseLast = MsecOf(s[k].WinTime()) >= MsecOf(readingTime);
  if (!reuseLast && setting.MaxOddsCnt >= 1 && static_cast<int>(s.size()) >= setting.MaxOddsCnt) {
    ThinSnapshots(race, setting.OddsOutLastTime);
    reuseLast = true;
  }
  if (!reuseLast && MsecOf(s[k].WinTime()) + 10 * kMinute <= open) reuseLast = true;
  if (reuseLast) {
    InitSnapshot(s[k]);
    return k;
  }
  s.push_back(EmptySnapshot());
  return k + 1;
}

bool HasResult(const TRace& race) {
  if (race.Result.WinHorse[0] == 0) return false;
  const int n = std::clamp(race.Header.RunnerCount, 0, kMaxRunners);
  for (int h = 1; h <= n; ++h) {
    const TSyutuba& r = race.Runner(h);
    if (r.Finish == 1 && !r.Margin.empty()) return true;
  }
  return false;
}

RaceStatus InitialRaceStatus(int raceNo, const TSetting& setting) {
  RaceStatus st;
  if (raceNo < 1 || raceNo > kGetTimeRaces) return st;
  for (int k = 0; k < kGetTimeSlots; ++k) {
    const double t = setting.IPatGetTime[raceNo - 1][k];
    st.Deadline[k] = t == 0 ? 0 : (setting.IPatGetBefore[raceNo - 1][k] ? -t : t);
  }
  return st;
}

}  // namespace vorpa

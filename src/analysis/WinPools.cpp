#include "analysis/WinPools.h"

#include <map>
#include <memory>
#include <string>

#include "core/DayCount.h"
#include "history/HistoryReader.h"

namespace vorpa {

namespace {

// The pool of each reading whose win reading time has a "win" row, matched
// by the time as the database writes it (hh:mm:ss).
TWinPools PoolsOfReadings(const TRace& race, const std::vector<TPoolVotes>& series) {
  if (series.empty()) return {};
  std::map<std::string, int64_t> byTime;
  for (const TPoolVotes& p : series) byTime[TimeToText(p.TakenAt)] = p.Votes;
  TWinPools pools(race.Snapshots.size(), 0);
  for (size_t k = 0; k < race.Snapshots.size(); ++k) {
    const double at = race.Snapshots[k].WinTime();
    if (at <= 0) continue;
    const auto it = byTime.find(TimeToText(at));
    if (it != byTime.end()) pools[k] = static_cast<double>(it->second) / 10000.0;
  }
  return pools;
}

}  // namespace

TWinPoolSource WinPoolsOf(std::string_view dataDir) {
  auto reader = std::make_shared<THistoryReader>();
  if (dataDir.empty() || !reader->Open(dataDir)) return {};
  return [reader](const TRace& race) {
    const TRaceHeader& h = race.Header;
    return PoolsOfReadings(race, reader->PoolSeries(h.RaceDate, h.VenueName, h.RaceNo, "win"));
  };
}

TWinPools RaceWinPools(std::string_view dataDir, const TRace& race) {
  const TWinPoolSource pools = WinPoolsOf(dataDir);
  return pools ? pools(race) : TWinPools{};
}

}  // namespace vorpa

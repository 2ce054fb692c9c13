#include "analysis/DayAlerts.h"

#include <algorithm>

#include "core/RaceIO/RaceIO.h"

namespace vorpa {

std::vector<TAlert> DayAlerts(std::string_view dataDir, double date, const TAlertThresholds& t,
                              const TWinPoolSource& pools) {
  std::vector<TAlert> out;
  TRace race;
  for (const TRaceFileEntry& f : ListRaceFiles(dataDir, date)) {
    LoadRaceFile(f.Path, f.VenueName, f.RaceNo, race, date);
    std::vector<TAlert> more = RaceAlerts(race, t, pools ? pools(race) : TWinPools{});
    out.insert(out.end(), more.begin(), more.end());
  }
  std::stable_sort(out.begin(), out.end(), AlertBefore);
  return out;
}

}  // namespace vorpa

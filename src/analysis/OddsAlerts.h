#pragma once
// Alerts on the win market of a race, from consecutive stored readings:
// odds that fall sharply (drop), a support share that jumps (share), and
// estimated money flowing in where the win pools are known (inflow).
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Race.h"

namespace vorpa {

struct TSetting;

enum class TAlertKind { Drop, Share, Inflow };
// "drop", "share", "inflow".
const char* AlertKindName(TAlertKind kind);

struct TAlertThresholds {
  double DropPercent = 30;     // odds fall to (100 - this) % or less ...
  double DropOddsLimit = 100;  // ... and end below this
  double SharePoints = 5;      // support share rises by this many points or more
  double InflowYen = 10000000; // estimated inflow of this many yen or more
};
// The thresholds of the settings record.
TAlertThresholds AlertThresholdsOf(const TSetting& s);

struct TAlert {
  double Date = 0;
  std::string Venue;  // CP932
  int Race = 0;
  int FromIndex = 0, ToIndex = 0;  // the two readings (ToIndex = FromIndex + 1)
  double FromTime = 0, ToTime = 0; // their win reading times
  TAlertKind Kind = TAlertKind::Drop;
  int Horse = 0;
  double OddsFrom = 0, OddsTo = 0;
  double ShareFrom = 0, ShareTo = 0;
  std::optional<double> InflowYen;  // when both pools are known
};

// Win pool in votes of each reading of a race (index = reading), 0 where
// it is unknown; shorter than the readings for the rest unknown.
using TWinPools = std::vector<double>;

// The alerts between reading `to` - 1 and reading `to` of a race, by horse
// number and kind.
std::vector<TAlert> ReadingAlerts(const TRace& race, int to, const TAlertThresholds& t,
                                  const TWinPools& pools = {});
// The alerts between every pair of consecutive readings, in reading order.
std::vector<TAlert> RaceAlerts(const TRace& race, const TAlertThresholds& t,
                               const TWinPools& pools = {});

// Time order of alerts: reading time, venue code, race, horse, kind.
bool AlertBefore(const TAlert& a, const TAlert& b);

// The alerts of the newest reading of each stored race that were not seen
// before, for those who report alerts as acquisition stores races.
class TNewAlerts {
 public:
  std::vector<TAlert> Take(const TRace& race, const TAlertThresholds& t, const TWinPools& pools = {});

 private:
  using Key = std::tuple<double, std::string, int, double, int, int>;
  std::set<Key> seen_;
};

}  // namespace vorpa

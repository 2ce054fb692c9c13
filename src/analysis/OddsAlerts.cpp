#include "analysis/OddsAlerts.h"

#include "analysis/OddsMovement.h"
#include "core/Setting.h"
#include "core/Venue.h"

namespace vorpa {

const char* AlertKindName(TAlertKind kind) {
  switch (kind) {
    case TAlertKind::Drop: return "drop";
    case TAlertKind::Share: return "share";
    case TAlertKind::Inflow: return "inflow";
  }
  return "";
}

TAlertThresholds AlertThresholdsOf(const TSetting& s) {
  TAlertThresholds t;
  t.DropPercent = s.AlertDropPercent;
  t.DropOddsLimit = s.AlertDropOddsLimit;
  t.SharePoints = s.AlertSharePoints;
  t.InflowYen = static_cast<double>(s.AlertInflowYen);
  return t;
}

namespace {

double PoolOf(const TWinPools& pools, int index) {
  return index >= 0 && index < static_cast<int>(pools.size()) ? pools[index] : 0;
}

}  // namespace

std::vector<TAlert> ReadingAlerts(const TRace& race, int to, const TAlertThresholds& t,
                                  const TWinPools& pools) {
  std::vector<TAlert> out;
  if (to < 1 || to >= static_cast<int>(race.Snapshots.size())) return out;
  const OddsSnapshot& a = race.Snapshots[to - 1];
  const OddsSnapshot& b = race.Snapshots[to];
  const THorseValues sa = WinShares(race, to - 1), sb = WinShares(race, to);
  const double va = PoolOf(pools, to - 1), vb = PoolOf(pools, to);
  for (int h = 1; h <= kMaxRunners; ++h) {
    if (!RunsInRace(race, h)) continue;
    const double oa = a.Win(h), ob = b.Win(h);
    if (oa <= 0 || ob <= 0) continue;
    TAlert alert;
    alert.Date = race.Header.RaceDate;
    alert.Venue = race.Header.VenueName;
    alert.Race = race.Header.RaceNo;
    alert.FromIndex = to - 1;
    alert.ToIndex = to;
    alert.FromTime = a.WinTime();
    alert.ToTime = b.WinTime();
    alert.Horse = h;
    alert.OddsFrom = oa;
    alert.OddsTo = ob;
    alert.ShareFrom = sa[h - 1];
    alert.ShareTo = sb[h - 1];
    if (va > 0 && vb > 0) alert.InflowYen = MoneyOn(vb, ob) - MoneyOn(va, oa);
    auto add = [&](TAlertKind kind) {
      alert.Kind = kind;
      out.push_back(alert);
    };
    if (FellByPercent(oa, ob, t.DropPercent) && ob < t.DropOddsLimit) add(TAlertKind::Drop);
    if ((alert.ShareTo - alert.ShareFrom) * 100.0 >= t.SharePoints - 1e-9) add(TAlertKind::Share);
    if (alert.InflowYen && *alert.InflowYen >= t.InflowYen - 1e-6) add(TAlertKind::Inflow);
  }
  return out;
}

std::vector<TAlert> RaceAlerts(const TRace& race, const TAlertThresholds& t, const TWinPools& pools) {
  std::vector<TAlert> out;
  for (int k = 1; k < static_cast<int>(race.Snapshots.size()); ++k) {
    std::vector<TAlert> more = ReadingAlerts(race, k, t, pools);
    out.insert(out.end(), more.begin(), more.end());
  }
  return out;
}

bool AlertBefore(const TAlert& a, const TAlert& b) {
  auto key = [](const TAlert& x) {
    return std::make_tuple(x.Date + x.ToTime, VenueNo(x.Venue), x.Race, x.Horse, static_cast<int>(x.Kind));
  };
  return key(a) < key(b);
}

std::vector<TAlert> TNewAlerts::Take(const TRace& race, const TAlertThresholds& t, const TWinPools& pools) {
  std::vector<TAlert> fresh;
  for (const TAlert& a : ReadingAlerts(race, static_cast<int>(race.Snapshots.size()) - 1, t, pools)) {
    Key key{a.Date, a.Venue, a.Race, a.ToTime, a.Horse, static_cast<int>(a.Kind)};
    if (seen_.insert(key).second) fresh.push_back(a);
  }
  return fresh;
}

}  // namespace vorpa

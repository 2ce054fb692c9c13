// Alerts, shares and popularity from race files written in the test with
// known readings: each rule at, just below and just above its threshold,
// a scratched horse, a missing value and a race of one reading.
#include <gtest/gtest.h>

#include <vector>

#include "analysis/DayAlerts.h"
#include "analysis/OddsMovement.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

const double kDate = EncodeDate(2026, 12, 6);

// A race of as many runners as the first reading has odds; reading k is
// taken at 10:00 + 10k minutes. A value of NoOdds leaves the cell empty.
TRace RaceOf(const std::vector<std::vector<double>>& readings, const char* venue = "東京", int no = 11) {
  TRace race;
  ClearRace(race, Utf8ToCp932(venue), no, kDate);
  const int n = static_cast<int>(readings.front().size());
  race.Header.RunnerCount = n;
  race.Header.StartTime = EncodeTime(15, 40, 0);
  for (int h = 1; h <= n; ++h) {
    race.Runner(h).HorseNo = h;
    race.Runner(h).HorseName = Utf8ToCp932("ユキノハシリ");
  }
  for (size_t k = 0; k < readings.size(); ++k) {
    OddsSnapshot s = EmptySnapshot();
    s.WinTime() = EncodeTime(10, static_cast<int>(10 * k), 0);
    for (int h = 1; h <= n; ++h) s.Win(h) = readings[k][h - 1];
    race.Snapshots.push_back(s);
  }
  return race;
}

// Only one rule can fire.
TAlertThresholds Only(TAlertKind kind, double value) {
  TAlertThresholds t;
  t.DropPercent = 99;
  t.DropOddsLimit = 0;
  t.SharePoints = 100;
  t.InflowYen = 1e15;
  if (kind == TAlertKind::Drop) t = {value, 100, 100, 1e15};
  if (kind == TAlertKind::Share) t.SharePoints = value;
  if (kind == TAlertKind::Inflow) t.InflowYen = value;
  return t;
}

std::vector<int> HorsesOf(const std::vector<TAlert>& alerts) {
  std::vector<int> h;
  for (const TAlert& a : alerts) h.push_back(a.Horse);
  return h;
}

TEST(OddsAlerts, DropFiresAtSeventyPercentAndBelowTheOddsLimit) {
  // Horse 1 at exactly 70 %, 2 just above, 3 just below, 4 ends at the
  // limit (not below it), 5 ends just below it, 6 drifts.
  const TRace race = RaceOf({{10.0, 10.0, 10.0, 200.0, 200.0, 5.0}, {7.0, 7.1, 6.9, 100.0, 99.9, 9.0}});
  const std::vector<TAlert> alerts = RaceAlerts(race, Only(TAlertKind::Drop, 30));
  EXPECT_EQ(HorsesOf(alerts), (std::vector<int>{1, 3, 5}));
  const TAlert& a = alerts.front();
  EXPECT_EQ(a.Kind, TAlertKind::Drop);
  EXPECT_EQ(std::string(AlertKindName(a.Kind)), "drop");
  EXPECT_EQ(a.OddsFrom, 10.0);
  EXPECT_EQ(a.OddsTo, 7.0);
  EXPECT_EQ(a.FromTime, EncodeTime(10, 0, 0));
  EXPECT_EQ(a.ToTime, EncodeTime(10, 10, 0));
  EXPECT_EQ(a.FromIndex, 0);
  EXPECT_EQ(a.ToIndex, 1);
  EXPECT_FALSE(a.InflowYen.has_value());
  // A stricter percentage keeps only the deepest fall.
  EXPECT_EQ(HorsesOf(RaceAlerts(race, Only(TAlertKind::Drop, 31))), (std::vector<int>{3, 5}));
}

TEST(OddsAlerts, ShareFiresAtFivePointsAndSharesSumToOne) {
  // Two horses at 2.0 share 50/50; 9.0 against 11.0 gives horse 2 exactly
  // 55 %, 10.9 and 11.1 give it just under and just over.
  for (auto [oddsOf1, fires] : {std::pair{11.0, true}, {10.9, false}, {11.1, true}}) {
    const TRace race = RaceOf({{2.0, 2.0}, {oddsOf1, 9.0}});
    const THorseValues s = WinShares(race, 1);
    EXPECT_NEAR(s[0] + s[1], 1.0, 1e-12);
    const std::vector<TAlert> alerts = RaceAlerts(race, Only(TAlertKind::Share, 5));
    ASSERT_EQ(alerts.size(), fires ? 1u : 0u) << oddsOf1;
    if (!fires) continue;
    EXPECT_EQ(alerts[0].Horse, 2);
    EXPECT_EQ(alerts[0].Kind, TAlertKind::Share);
    EXPECT_DOUBLE_EQ(alerts[0].ShareFrom, 0.5);
    EXPECT_NEAR(alerts[0].ShareTo, oddsOf1 / (oddsOf1 + 9.0), 1e-12);
  }
}

TEST(OddsAlerts, InflowFiresAtTenMillionWhereBothPoolsAreKnown) {
  // At odds 4.0 a pool of 1,000,000 votes holds 20,000,000 yen on the
  // horse; 1,500,000 votes hold 30,000,000: exactly 10,000,000 more.
  const TRace race = RaceOf({{4.0, 4.0, 4.0}, {4.0, 4.0, 4.0}});
  EXPECT_DOUBLE_EQ(MoneyOn(1000000, 4.0), 20000000.0);
  const TAlertThresholds t = Only(TAlertKind::Inflow, 10000000);
  for (auto [pool, fires] : {std::pair{1500000.0, true}, {1499995.0, false}, {1500005.0, true}}) {
    const std::vector<TAlert> alerts = RaceAlerts(race, t, {1000000, pool});
    ASSERT_EQ(alerts.size(), fires ? 3u : 0u) << pool;
    if (!fires) continue;
    EXPECT_EQ(alerts[0].Kind, TAlertKind::Inflow);
    ASSERT_TRUE(alerts[0].InflowYen.has_value());
    EXPECT_NEAR(*alerts[0].InflowYen, 80.0 * (pool / 4.0 - 250000.0), 1e-3);
  }
  // One pool unknown: no inflow, no alert.
  EXPECT_TRUE(RaceAlerts(race, t, {0, 2000000}).empty());
  EXPECT_TRUE(RaceAlerts(race, t, {1000000}).empty());
}

TEST(OddsAlerts, ScratchedAndMissingHorsesTakeNoPartAndOneReadingGivesNone) {
  // Horse 2 is scratched with odds still stored; horse 3 has no odds in
  // the second reading; horse 4 falls from 12.0 to 3.0.
  TRace race = RaceOf({{3.0, 50.0, 6.0, 12.0}, {3.0, 5.0, NoOdds, 3.0}});
  race.Runner(2).Finish = -1;
  const THorseValues s = WinShares(race, 1);
  EXPECT_EQ(s[1], 0.0);
  EXPECT_EQ(s[2], 0.0);
  EXPECT_NEAR(s[0] + s[3], 1.0, 1e-12);
  const std::vector<TAlert> alerts = RaceAlerts(race, TAlertThresholds{});
  for (const TAlert& a : alerts) EXPECT_EQ(a.Horse, 4) << AlertKindName(a.Kind);
  ASSERT_EQ(alerts.size(), 2u);
  EXPECT_EQ(alerts[0].Kind, TAlertKind::Drop);
  EXPECT_EQ(alerts[1].Kind, TAlertKind::Share);

  const THorseRanks r = PopularityRanks(race, 0);
  EXPECT_EQ(r[0], 1);
  EXPECT_EQ(r[1], 0);  // scratched
  EXPECT_EQ(PopularityRanks(race, 1)[2], 0);  // no odds

  EXPECT_TRUE(RaceAlerts(RaceOf({{10.0, 2.0}}), TAlertThresholds{}).empty());
}

TEST(OddsAlerts, EqualOddsShareARankAndTheNextRankSkips) {
  const THorseRanks r = PopularityRanks(RaceOf({{5.0, 2.0, 5.0, 9.9, 2.0}}), 0);
  EXPECT_EQ(std::vector<int>(r.begin(), r.begin() + 5), (std::vector<int>{3, 1, 3, 5, 1}));
}

TEST(OddsAlerts, DayAlertsReadTheRaceFilesInTimeOrderAndNewAlertsComeOnce) {
  test::TempDir data;
  // 中山 1R falls at 10:20, 東京 11R at 10:10 and 10:20.
  StoreRace(data.Path(), RaceOf({{10.0, 4.0}, {5.0, 4.0}, {2.0, 4.0}}, "東京", 11));
  StoreRace(data.Path(), RaceOf({{20.0, 4.0}, {20.0, 4.0}, {8.0, 4.0}}, "中山", 1));
  TAlertThresholds t = Only(TAlertKind::Drop, 30);
  const std::vector<TAlert> day = DayAlerts(data.Path(), kDate, t);
  ASSERT_EQ(day.size(), 3u);
  EXPECT_EQ(Cp932ToUtf8(day[0].Venue), "東京");
  EXPECT_EQ(day[0].ToTime, EncodeTime(10, 10, 0));
  EXPECT_EQ(Cp932ToUtf8(day[1].Venue), "東京");  // 東京 comes before 中山 at 10:20
  EXPECT_EQ(Cp932ToUtf8(day[2].Venue), "中山");
  EXPECT_EQ(day[2].Race, 1);
  EXPECT_TRUE(DayAlerts(data.Path(), kDate + 1, t).empty());

  TRace race = RaceOf({{10.0, 4.0}, {5.0, 4.0}});
  TNewAlerts seen;
  EXPECT_EQ(seen.Take(race, t).size(), 1u);
  EXPECT_TRUE(seen.Take(race, t).empty());
  race.Snapshots.push_back(race.Snapshots.back());
  race.Snapshots.back().WinTime() = EncodeTime(10, 30, 0);
  race.Snapshots.back().Win(1) = 2.5;
  EXPECT_EQ(seen.Take(race, t).size(), 1u);
}

}  // namespace
}  // namespace vorpa

// The odds charts' points, colours, bins and maxima, without a window.
#include "view/OddsCharts.h"

#include <gtest/gtest.h>

#include "support/RaceFactory.h"
#include "view/RaceCard.h"

namespace vorpa {
namespace {

TOddsCharts Charts(const TRace& race, int selected, int order = kOrderNo, TChosenHorses chosen = {}) {
  TCardView card = BuildCard(race, order, selected);
  return BuildOddsCharts(race, selected, card.Choice, card.Order, card.Ren, chosen);
}

std::vector<TColor> Colors(const TLineChart& c) {
  std::vector<TColor> v;
  for (const TChartSeries& s : c.Series) v.push_back(s.Color);
  return v;
}

double LargestY(const TLineChart& c) {
  double m = 0;
  for (const TChartSeries& s : c.Series)
    for (const TChartPoint& p : s.Points) m = std::max(m, p.Y);
  return m;
}

TEST(OddsCharts, OneReadingDrawsOneRedLinePerRateChartAndSinglePointTrends) {
  test::RaceRecipe r;
  r.Readings = 1;
  TRace race = test::MakeRace(r);
  TOddsCharts c = Charts(race, 0);
  EXPECT_EQ(Colors(c.TanRate), std::vector<TColor>{kClRed});
  EXPECT_EQ(Colors(c.RenRate), std::vector<TColor>{kClRed});
  ASSERT_EQ(c.TanSuii.Series.size(), 18u);
  ASSERT_EQ(c.RenSuii.Series.size(), 18u);
  for (const TLineChart* trend : {&c.TanSuii, &c.RenSuii})
    for (const TChartSeries& s : trend->Series) {
      ASSERT_EQ(s.Points.size(), 1u);
      EXPECT_EQ(s.Points[0].Label, "0");
      EXPECT_EQ(s.PenWidth, 2);
      EXPECT_EQ(s.Color, kClAuto);
    }
  EXPECT_EQ(c.Soukan.Points.size(), 18u);
}

TEST(OddsCharts, ReadingColoursPointsAndMaxima) {
  test::RaceRecipe r;
  r.Runners = 12;
  r.Readings = 4;
  TRace race = test::MakeRace(r);
  race.Snapshots[2].Win(5) = NoOdds;  // a horse without win odds plots 0
  EXPECT_EQ(Colors(Charts(race, 1).TanRate), (std::vector<TColor>{kClBlack, kClRed, kClGrey, kClBlue}));
  EXPECT_EQ(Colors(Charts(race, 0).RenRate), (std::vector<TColor>{kClRed, kClGrey, kClGrey, kClBlue}));

  TOddsCharts c = Charts(race, 2, kOrderWin);
  const std::vector<int> order = BuildCard(race, kOrderWin, 2).Order;
  const TChartSeries& shown = c.TanRate.Series[2];
  ASSERT_EQ(shown.Points.size(), 12u);
  for (int k = 1; k <= 12; ++k) {
    const TChartPoint& p = shown.Points[k - 1];
    const int h = order[k - 1];
    EXPECT_EQ(p.X, 12 - k + 1);
    EXPECT_EQ(p.Label, std::to_string(h));
    EXPECT_DOUBLE_EQ(p.Y, h == 5 ? 0 : 80 / race.Snapshots[2].Win(h));
    EXPECT_DOUBLE_EQ(c.TanSuii.Series[k - 1].Points[2].Y, p.Y);
    EXPECT_EQ(c.TanSuii.Series[k - 1].Points[3].X, 3);
  }
  EXPECT_EQ(order.back(), 5);  // no win odds: last in win order, at X = 1
  EXPECT_DOUBLE_EQ(c.TanRate.Max, 1.1 * LargestY(c.TanRate));
  EXPECT_GT(c.TanRate.Max, 0);
  // One maximum for both pair-market line charts.
  EXPECT_DOUBLE_EQ(c.RenRate.Max, c.RenSuii.Max);
  EXPECT_DOUBLE_EQ(c.RenRate.Max, 1.1 * std::max(LargestY(c.RenRate), LargestY(c.RenSuii)));
  // Win against pair chances at the correlation reading, ordered by X,
  // the left axis from the largest X.
  ASSERT_EQ(c.Soukan.Points.size(), 12u);
  double largestX = 0;
  for (size_t i = 0; i < c.Soukan.Points.size(); ++i) {
    if (i) EXPECT_LE(c.Soukan.Points[i - 1].X, c.Soukan.Points[i].X);
    largestX = std::max(largestX, c.Soukan.Points[i].X);
  }
  EXPECT_EQ(c.Soukan.Points[0].X, 0);  // horse 5
  EXPECT_DOUBLE_EQ(c.SoukanMax, 1.1 * largestX);
}

TEST(OddsCharts, TickedHorsesDrawTheirTrendsAndNumbersAboveTheFieldNothing) {
  test::RaceRecipe r;
  r.Runners = 12;
  r.Readings = 3;
  TRace race = test::MakeRace(r);
  TChosenHorses chosen{};
  chosen[12 - 1] = chosen[3 - 1] = chosen[15 - 1] = true;
  TOddsCharts c = Charts(race, 2, kOrderNo, chosen);
  for (const TLineChart* chart : {&c.TanSuii2, &c.FukuSuii2, &c.RenSuii2}) {
    ASSERT_EQ(chart->Series.size(), 2u);
    EXPECT_EQ(chart->Series[0].Points.size(), 3u);
    EXPECT_EQ(chart->Series[1].Points[2].Label, "2");
    EXPECT_DOUBLE_EQ(chart->Max, 1.1 * LargestY(*chart));
  }
  EXPECT_EQ(c.TanSuii2.Series[0].Title, " 3");
  EXPECT_EQ(c.TanSuii2.Series[1].Title, "12");
  EXPECT_EQ(c.FukuSuii2.Series[0].Title, "");
  EXPECT_DOUBLE_EQ(c.TanSuii2.Series[1].Points[1].Y, 80 / race.Snapshots[1].Win(12));
  EXPECT_DOUBLE_EQ(c.FukuSuii2.Series[0].Points[0].Y, 80 / PlaceEstimate(race, 0)[2]);
  EXPECT_DOUBLE_EQ(c.RenSuii2.Series[0].Points[2].Y, 80 / RenEstimate(race, 2, 2).Of(3));
}

TEST(PlaceEstimate, FromBothPlaceOddsOfTheRunners) {
  TRace race = test::MakeRace({.Runners = 3, .Readings = 1});
  OddsSnapshot& s = race.Snapshots[0];
  s.PlaceLow(1) = 2, s.PlaceHigh(1) = 4;      // 0.75
  s.PlaceLow(2) = 1, s.PlaceHigh(2) = NoOdds;  // 1
  s.PlaceLow(3) = NoOdds, s.PlaceHigh(3) = 0;  // none
  std::array<double, kMaxRunners> p = PlaceEstimate(race, 0);
  EXPECT_DOUBLE_EQ(p[0], 1.75 * 0.8 / 0.75);
  EXPECT_DOUBLE_EQ(p[1], 1.75 * 0.8);
  EXPECT_EQ(p[2], 0);
  EXPECT_EQ(Chance(p[2]), 0);
}

TEST(Histogram, BinsFromTheRunnerCountEdgesAndLabels) {
  // 4 runners: 3 bins of width 15 from 2.5; the smallest value in the
  // first, the largest in the last; horses without a chance take no part.
  std::vector<TBar> bars = Histogram({10, 20, 0, 30, 40}, 4);
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(bars[0].Count, 1);
  EXPECT_EQ(bars[1].Count, 2);
  EXPECT_EQ(bars[2].Count, 1);
  // The horses of each bin (for its tip): values 20 and 30 are horses 2, 4.
  EXPECT_EQ(bars[0].Horses, std::vector<int>{1});
  EXPECT_EQ(bars[1].Horses, (std::vector<int>{2, 4}));
  EXPECT_EQ(bars[2].Horses, std::vector<int>{5});
  EXPECT_EQ(bars[0].Label, "17.5");
  EXPECT_EQ(bars[2].Label, "47.5");
  std::vector<double> spread;
  for (int i = 1; i <= 18; ++i) spread.push_back(i * 1.3);
  EXPECT_EQ(Histogram(spread, 18).size(), 10u);
  spread.resize(11);
  bars = Histogram(spread, 11);
  ASSERT_EQ(bars.size(), 6u);
  double total = 0;
  for (const TBar& b : bars) total += b.Count;
  EXPECT_EQ(total, 11);
  EXPECT_TRUE(Histogram(std::vector<double>(18, 7.5), 18).empty());  // all at the same odds
  EXPECT_TRUE(Histogram({5}, 1).empty());                          // fewer than two runners
  EXPECT_TRUE(Histogram({0, 0, 0}, 3).empty());                    // no odds at all
}

TEST(OddsCharts, DistributionsUseTheReadingShown) {
  TRace race = test::MakeRace({.Runners = 18, .Readings = 3});
  race.Snapshots[2].WinTime() = 0;  // win pages not read in the last round
  race.Snapshots[1].Win(1) = 1.0;   // a clear favourite only in reading 1
  TCardView card = BuildCard(race, kOrderNo, 2);
  ASSERT_EQ(card.Choice.Win, 1);
  TOddsCharts c = BuildOddsCharts(race, 2, card.Choice, card.Order, card.Ren, {});
  std::vector<double> win, pair;
  for (int h = 1; h <= 18; ++h) {
    win.push_back(Chance(race.Snapshots[1].Win(h)));
    pair.push_back(Chance(card.Ren.Of(h)));
  }
  ASSERT_EQ(c.TanBunpu.size(), 10u);
  for (size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(c.TanBunpu[i].Count, Histogram(win, 18)[i].Count);
    EXPECT_EQ(c.TanBunpu[i].Label, Histogram(win, 18)[i].Label);
    EXPECT_EQ(c.RenBunpu[i].Label, Histogram(pair, 18)[i].Label);
  }
  EXPECT_GT(std::stod(c.TanBunpu.back().Label), 80);  // the favourite of reading 1: 80 / 1.0
  // No usable latest reading: nothing at all.
  TRace none = test::MakeRace({.Readings = 0});
  TOddsCharts empty = Charts(none, -1);
  EXPECT_TRUE(empty.TanRate.Series.empty() && empty.TanSuii.Series.empty() && empty.TanBunpu.empty());
}

}  // namespace
}  // namespace vorpa

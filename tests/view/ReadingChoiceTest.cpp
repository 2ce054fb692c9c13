// Which reading each bet type shows, the orders by value and the pair
// estimate of the race card.
#include <gtest/gtest.h>

#include "core/DayCount.h"
#include "view/OrderByValue.h"
#include "view/ReadingChoice.h"

namespace vorpa {
namespace {

// A reading at minute m past 10:00 with all four groups read.
OddsSnapshot Reading(int m) {
  OddsSnapshot s = EmptySnapshot();
  s.WinTime() = s.QuinellaTime() = s.ExactaTime() = s.WideTime() = EncodeTime(10, m, 0);
  return s;
}

TRace RaceWith(int runners, int readings) {
  TRace r;
  r.Header.RunnerCount = runners;
  for (int i = 0; i < readings; ++i) r.Snapshots.push_back(Reading(i));
  return r;
}

TEST(ReadingChoice, AllReadMeansTheSelectedReading) {
  TRace r = RaceWith(16, 3);
  TReadingChoice c = ReadingChoice(r, 1);
  EXPECT_EQ(c.Latest, 2);
  EXPECT_EQ(c.Win, 1);
  EXPECT_EQ(c.Bracket, 1);
  EXPECT_EQ(c.Quinella, 1);
  EXPECT_EQ(c.Exacta, 1);
  EXPECT_EQ(c.Wide, 1);
  EXPECT_EQ(c.Correlation, 1);
}

TEST(ReadingChoice, UnreadGroupsStepBackOneRoundOnly) {
  TRace r = RaceWith(16, 4);
  r.Snapshots[3].QuinellaTime() = 0;
  r.Snapshots[2].QuinellaTime() = 0;  // the round before is unread too
  r.Snapshots[3].ExactaTime() = 0;
  r.Snapshots[3].WideTime() = 0;
  r.Snapshots[3].WinTime() = 0;
  TReadingChoice c = ReadingChoice(r, 3);
  EXPECT_EQ(c.Quinella, 2);  // one round back, never two
  EXPECT_EQ(c.Exacta, 2);
  EXPECT_EQ(c.Wide, 2);
  EXPECT_EQ(c.Win, 2);
  EXPECT_EQ(c.Bracket, 3);  // bracket quinella never steps back
  EXPECT_EQ(c.Latest, 2);
  EXPECT_EQ(c.Correlation, 2);
}

TEST(ReadingChoice, LatestSkipsAnUnfinishedLastRound) {
  TRace r = RaceWith(16, 3);
  r.Snapshots[2].QuinellaTime() = 0;
  EXPECT_EQ(ReadingChoice(r, 0).Latest, 1);
  EXPECT_EQ(ReadingChoice(r, 0).Correlation, 0);
  // Up to 8 runners there is no quinella page to wait for.
  r.Header.RunnerCount = 8;
  EXPECT_EQ(ReadingChoice(r, 0).Latest, 2);
  r.Snapshots[2].WinTime() = 0;
  EXPECT_EQ(ReadingChoice(r, 0).Latest, 1);
}

TEST(ReadingChoice, NoReadingGivesNone) {
  TRace r = RaceWith(16, 0);
  TReadingChoice c = ReadingChoice(r, -1);
  EXPECT_EQ(c.Latest, -1);
  EXPECT_EQ(c.Win, -1);
  EXPECT_EQ(c.Bracket, -1);
  r = RaceWith(16, 1);
  r.Snapshots[0].WinTime() = 0;
  c = ReadingChoice(r, 0);
  EXPECT_EQ(c.Win, -1);
  EXPECT_EQ(c.Latest, -1);
  EXPECT_EQ(c.Bracket, 0);
  // No reading selected: every group none but the latest.
  c = ReadingChoice(RaceWith(16, 2), -1);
  EXPECT_EQ(c.Win, -1);
  EXPECT_EQ(c.Quinella, -1);
  EXPECT_EQ(c.Latest, 1);
  EXPECT_EQ(c.Correlation, -1);
}

TEST(OrderByValue, SmallestPositiveFirstNoOddsLast) {
  std::vector<double> v = {5.0, NoOdds, 2.1, 5.0, 0, 1.3, NoOdds};
  EXPECT_EQ(OrderByValue(v), (std::vector<int>{6, 3, 1, 4, 2, 5, 7}));
  EXPECT_EQ(OrderByValue(std::vector<double>{NoOdds, NoOdds, NoOdds}),
            (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(OrderByValue(std::vector<double>{}).empty());
}

TEST(RenEstimate, EightRunnersFromBracketOdds) {
  TRace r = RaceWith(8, 1);
  OddsSnapshot& s = r.Snapshots[0];
  s.Bracket(1, 2) = 4.0;
  s.Bracket(1, 1) = 20.0;  // same-frame pair counts for frame 1
  s.Bracket(2, 3) = 8.0;
  s.Bracket(4, 4) = 0;  // not above 0: ignored
  TRenEstimate e = RenEstimate(r, 0, -1);
  ASSERT_TRUE(e.Ok);
  // value1 = 1/4 + 1/20 = 0.3, value2 = 1/4 + 1/8 = 0.375, value3 = 0.125
  const double sum = 0.3 + 0.375 + 0.125;
  EXPECT_DOUBLE_EQ(e.Of(1), sum * 0.8 / 0.3);
  EXPECT_DOUBLE_EQ(e.Of(2), sum * 0.8 / 0.375);
  EXPECT_DOUBLE_EQ(e.Of(3), sum * 0.8 / 0.125);
  EXPECT_EQ(e.Of(4), 0);
  EXPECT_EQ(e.Of(8), 0);
  // Quinella odds do not count with 8 runners, nor does a missing index.
  EXPECT_FALSE(RenEstimate(r, -1, 0).Ok);
}

TEST(RenEstimate, EighteenRunnersFromQuinellaOdds) {
  TRace r = RaceWith(18, 2);
  OddsSnapshot& s = r.Snapshots[1];
  for (int i = 1; i <= 18; ++i)
    for (int j = i + 1; j <= 18; ++j) s.Quinella(i, j) = i + j;
  s.Quinella(17, 18) = NoOdds;
  r.Snapshots[0].Bracket(1, 2) = 3.0;  // bracket odds do not count with 18
  EXPECT_FALSE(RenEstimate(r, 1, -1).Ok);
  TRenEstimate e = RenEstimate(r, 0, 1);
  ASSERT_TRUE(e.Ok);
  double value[19] = {};
  double sum = 0;
  for (int i = 1; i <= 18; ++i)
    for (int j = i + 1; j <= 18; ++j) {
      if (i == 17 && j == 18) continue;
      value[i] += 1.0 / (i + j);
      value[j] += 1.0 / (i + j);
    }
  for (int h = 1; h <= 18; ++h) sum += value[h];
  for (int h = 1; h <= 18; ++h) EXPECT_DOUBLE_EQ(e.Of(h), sum * 0.8 / value[h]) << h;
  // The favourite of the pair market is horse 1.
  EXPECT_EQ(OrderByValue(e.Values)[0], 1);
}

TEST(CardOrder, ByEachKey) {
  TRace r = RaceWith(5, 1);
  OddsSnapshot& s = r.Snapshots[0];
  const double win[] = {0, 8.0, 2.0, NoOdds, 3.5, 2.0};
  const double low[] = {0, 1.1, 3.0, NoOdds, 1.5, 1.2};
  const double high[] = {0, 1.3, 4.0, NoOdds, 1.7, 1.4};
  for (int h = 1; h <= 5; ++h) {
    s.Win(h) = win[h];
    s.PlaceLow(h) = low[h];
    s.PlaceHigh(h) = high[h];
  }
  TRenEstimate none;
  EXPECT_EQ(CardOrder(r, kOrderNo, 0, none), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(CardOrder(r, kOrderWin, 0, none), (std::vector<int>{2, 5, 4, 1, 3}));
  EXPECT_EQ(CardOrder(r, kOrderPlace, 0, none), (std::vector<int>{1, 5, 4, 2, 3}));
  // Without a win reading or an estimate: horse numbers.
  EXPECT_EQ(CardOrder(r, kOrderWin, -1, none), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(CardOrder(r, kOrderRen, 0, none), (std::vector<int>{1, 2, 3, 4, 5}));
  TRenEstimate ren;
  ren.Ok = true;
  ren.Values = {9, 0, 4, 6, 0};
  EXPECT_EQ(CardOrder(r, kOrderRen, 0, ren), (std::vector<int>{3, 4, 1, 2, 5}));
  r.Header.RunnerCount = 40;  // a damaged count stays within 18 horses
  EXPECT_EQ(CardOrder(r, kOrderNo, 0, none).size(), 18u);
}

}  // namespace
}  // namespace vorpa

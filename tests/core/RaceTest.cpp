// The race record: clearing, snapshot layout, the reading-slot rule with
// its thinning, the result test and the initial plan entry.
#include <gtest/gtest.h>

#include "core/DayCount.h"
#include "core/Race.h"
#include "core/Setting.h"

namespace vorpa {
namespace {

double At(int h, int n, int s = 0) { return EncodeTime(h, n, s); }
double Today(int h, int n) { return EncodeDate(2026, 12, 6) + At(h, n); }

// A race with readings at the given times of day, each marked in Win(1)
// with its position so that moves can be followed.
TRace RaceWithReadings(const std::vector<double>& times) {
  TRace race;
  ClearRace(race, "V", 1, EncodeDate(2026, 12, 6));
  for (size_t k = 0; k < times.size(); ++k) {
    race.Snapshots.push_back(EmptySnapshot());
    race.Snapshots.back().WinTime() = times[k];
    race.Snapshots.back().Win(1) = static_cast<double>(k);
  }
  return race;
}

std::vector<double> Marks(const TRace& race) {
  std::vector<double> m;
  for (const OddsSnapshot& s : race.Snapshots) m.push_back(s.Win(1));
  return m;
}

TEST(RaceRecord, ClearingLeavesUnknownSexAndKeepsSnapshots) {
  TRace race;
  race.Header.RaceName = "x";
  race.Header.Distance = 1600;
  race.Runner(3).Sex = 0;
  race.Runner(3).HorseName = "h";
  race.Runner(3).WeightDiffKnown = true;
  race.Runner(3).Burden = 57;
  race.Votes[8] = 5;
  race.Result.TrifectaSet[1][2] = 4;
  race.Result.RefundText = "r";
  race.Snapshots.push_back(EmptySnapshot());
  ClearRace(race, "AB", 7, 46000);
  EXPECT_EQ(race.Header.VenueName, "AB");
  EXPECT_EQ(race.Header.RaceNo, 7);
  EXPECT_EQ(race.Header.RaceDate, 46000);
  EXPECT_EQ(race.Header.RaceName, "");
  EXPECT_EQ(race.Header.Distance, 0);
  for (const TSyutuba& s : race.Runners) {
    EXPECT_EQ(s.Sex, 9);
    EXPECT_EQ(s.HorseNo, 0);
    EXPECT_EQ(s.HorseName, "");
    EXPECT_FALSE(s.WeightDiffKnown);
    EXPECT_EQ(s.Burden, 0);
  }
  EXPECT_EQ(race.Votes[8], 0);
  EXPECT_EQ(race.Result.TrifectaSet[1][2], 0);
  EXPECT_EQ(race.Result.RefundText, "");
  EXPECT_EQ(race.Snapshots.size(), 1u);
}

TEST(OddsSnapshotLayout, IndexHelpersCoverTheBlockWithoutOverlap) {
  static_assert(sizeof(OddsSnapshot) == 10504);
  std::vector<int> seen(OddsSnapshot::kCells, 0);
  auto mark = [&](int i) { ASSERT_TRUE(i >= 0 && i < OddsSnapshot::kCells) << i; ++seen[i]; };
  for (int t : {0, 119, 409, 734}) mark(t);
  for (int h = 1; h <= 18; ++h) {
    mark(OddsSnapshot::WinIdx(h));
    mark(OddsSnapshot::PlaceLowIdx(h));
    mark(OddsSnapshot::PlaceHighIdx(h));
  }
  for (int i = 1; i <= 8; ++i)
    for (int j = 1; j <= 8; ++j) mark(OddsSnapshot::BracketIdx(i, j));
  for (int i = 1; i <= 18; ++i)
    for (int j = 1; j <= 18; ++j) mark(OddsSnapshot::ExactaIdx(i, j));
  for (int i = 1; i <= 17; ++i)
    for (int j = 2; j <= 18; ++j) {
      mark(OddsSnapshot::QuinellaIdx(i, j));
      mark(OddsSnapshot::WideLowIdx(i, j));
      mark(OddsSnapshot::WideHighIdx(i, j));
    }
  for (int i = 0; i < OddsSnapshot::kCells; ++i) EXPECT_EQ(seen[i], 1) << "cell " << i;
  EXPECT_EQ(OddsSnapshot::QuinellaIdx(17, 18), 408);
  EXPECT_EQ(OddsSnapshot::WideHighIdx(17, 18), 1312);

  OddsSnapshot s;
  s.Cells.fill(7);
  InitSnapshot(s);
  EXPECT_EQ(s.WinTime(), 0);
  EXPECT_EQ(s.QuinellaTime(), 0);
  EXPECT_EQ(s.ExactaTime(), 0);
  EXPECT_EQ(s.WideTime(), 0);
  EXPECT_EQ(s.Win(1), NoOdds);
  EXPECT_EQ(s.WideHigh(17, 18), NoOdds);
}

class SlotRule : public ::testing::Test {
 protected:
  TSetting setting;  // IPatStartTime 09:18, MaxOddsCnt 15, OddsOutLastTime 0
};

TEST_F(SlotRule, OutsideTheWindowOnlyOneReadingIsKept) {
  TRace race = RaceWithReadings({At(9, 30), At(9, 50), At(10, 10)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(8, 50), Today(8, 50), setting), 0);
  ASSERT_EQ(race.Snapshots.size(), 1u);
  EXPECT_EQ(race.Snapshots[0].WinTime(), 0);
  EXPECT_EQ(race.Snapshots[0].Win(1), NoOdds);

  race = RaceWithReadings({At(9, 30), At(9, 50)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(19, 20), Today(19, 20), setting), 0);
  EXPECT_EQ(race.Snapshots.size(), 1u);

  race = RaceWithReadings({});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(12, 0), Today(12, 0), setting), 0);
  EXPECT_EQ(race.Snapshots.size(), 1u);
}

TEST_F(SlotRule, NewerReadingIsAppendedAndEqualOrOlderReplacesTheLast) {
  TRace race = RaceWithReadings({At(9, 30), At(9, 50)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(10, 10), Today(10, 11), setting), 2);
  EXPECT_EQ(race.Snapshots.size(), 3u);
  EXPECT_EQ(race.Snapshots[2].Win(1), NoOdds);

  race = RaceWithReadings({At(9, 30), At(9, 50)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(9, 50), Today(9, 51), setting), 1);
  ASSERT_EQ(race.Snapshots.size(), 2u);
  EXPECT_EQ(race.Snapshots[1].WinTime(), 0);  // initialised for the caller
  EXPECT_EQ(race.Snapshots[0].Win(1), 0);

  race = RaceWithReadings({At(9, 30), At(9, 50)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(9, 40), Today(9, 51), setting), 1);
  EXPECT_EQ(race.Snapshots.size(), 2u);
}

TEST_F(SlotRule, ReadingTakenBeforeTheWindowOpenedIsReplaced) {
  TRace race = RaceWithReadings({At(8, 0), At(9, 5)});  // 09:05 + 10 min <= 09:18
  EXPECT_EQ(ChooseSnapshotSlot(race, At(9, 30), Today(9, 30), setting), 1);
  EXPECT_EQ(race.Snapshots.size(), 2u);
  race = RaceWithReadings({At(8, 0), At(9, 9)});  // 09:19 is past the opening
  EXPECT_EQ(ChooseSnapshotSlot(race, At(9, 30), Today(9, 30), setting), 2);
}

TEST_F(SlotRule, FifteenReadingsStayFifteenWithTheClosestInteriorRemoved) {
  std::vector<double> times;
  for (int k = 0; k < 15; ++k) times.push_back(At(10, 0) + k * 20.0 / 1440);
  times[7] = times[6] + 1.0 / 1440;  // 6 and 8 now lie closest around 7
  times[8] = times[6] + 2.0 / 1440;
  TRace race = RaceWithReadings(times);
  EXPECT_EQ(ChooseSnapshotSlot(race, At(16, 0), Today(15, 0), setting), 14);
  ASSERT_EQ(race.Snapshots.size(), 15u);
  std::vector<double> want = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, NoOdds};
  EXPECT_EQ(Marks(race), want);
  EXPECT_EQ(race.Snapshots[14].WinTime(), 0);
}

TEST_F(SlotRule, EqualGapsRemoveTheLaterReadingAndTheFirstAndLastStay) {
  std::vector<double> times;
  for (int k = 0; k < 5; ++k) times.push_back(At(10, 0) + k * 10.0 / 1440);
  TRace race = RaceWithReadings(times);
  ThinSnapshots(race, 0);
  EXPECT_EQ(Marks(race), (std::vector<double>{0, 1, 2, 4, 4}));
}

// Times as the race file gives them (whole seconds): equal gaps and equal
// distances must compare equal, whatever the rounding of their differences.
TEST_F(SlotRule, TimeComparisonsAreExactToTheMillisecond) {
  TRace race = RaceWithReadings({At(10, 4), At(10, 9), At(10, 14), At(10, 19)});
  ThinSnapshots(race, 0);  // both gaps are 10 minutes: the later goes
  EXPECT_EQ(Marks(race), (std::vector<double>{0, 1, 3, 3}));

  // 14:32 and 14:34 lie equally near 14:33: the lower index is protected.
  race = RaceWithReadings({At(14, 0), At(14, 32), At(14, 34), At(14, 50)});
  race.Header.StartTime = At(14, 38);
  ThinSnapshots(race, 5);
  EXPECT_EQ(Marks(race), (std::vector<double>{0, 1, 3, 3}));

  // A last reading exactly 10 minutes before the window opened is replaced.
  setting.IPatStartTime = At(12, 7, 1);
  race = RaceWithReadings({At(11, 0), At(11, 57, 1)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(12, 10), Today(12, 10), setting), 1);
  EXPECT_EQ(race.Snapshots.size(), 2u);
}

TEST_F(SlotRule, NoThinningBelowFourReadings) {
  setting.MaxOddsCnt = 3;
  TRace race = RaceWithReadings({At(10, 0), At(10, 20), At(10, 40)});
  EXPECT_EQ(ChooseSnapshotSlot(race, At(11, 0), Today(11, 0), setting), 2);
  EXPECT_EQ(Marks(race), (std::vector<double>{0, 1, NoOdds}));
}

TEST_F(SlotRule, NoLimitWhenMaxOddsCntIsZero) {
  setting.MaxOddsCnt = 0;
  std::vector<double> times;
  for (int k = 0; k < 30; ++k) times.push_back(At(10, 0) + k * 5.0 / 1440);
  TRace race = RaceWithReadings(times);
  EXPECT_EQ(ChooseSnapshotSlot(race, At(13, 0), Today(13, 0), setting), 30);
  EXPECT_EQ(race.Snapshots.size(), 31u);
}

TEST_F(SlotRule, ReadingNearestOddsOutLastTimeBeforePostIsProtected) {
  setting.OddsOutLastTime = 5;
  setting.MaxOddsCnt = 6;
  // 15:34 is nearest 15:35 and has the closest neighbours; 15:20 goes instead.
  TRace race = RaceWithReadings(
      {At(14, 0), At(15, 0), At(15, 20), At(15, 33), At(15, 34), At(15, 35, 30)});
  race.Header.StartTime = At(15, 40);
  EXPECT_EQ(ChooseSnapshotSlot(race, At(15, 39), Today(15, 39), setting), 5);
  EXPECT_EQ(Marks(race), (std::vector<double>{0, 1, 2, 4, 5, NoOdds}));

  race = RaceWithReadings(
      {At(14, 0), At(15, 0), At(15, 20), At(15, 33), At(15, 34), At(15, 35, 30)});
  ThinSnapshots(race, 5);  // no post time: nothing is protected
  EXPECT_EQ(Marks(race), (std::vector<double>{0, 1, 2, 3, 5, 5}));
}

TEST(RaceResult, NeedsAWinnerAndAFirstPlacedRunnerWithMargin) {
  TRace race;
  ClearRace(race, "V", 1, 0);
  race.Header.RunnerCount = 10;
  race.Result.WinHorse[0] = 3;
  EXPECT_FALSE(HasResult(race));
  race.Runner(3).Finish = 1;
  EXPECT_FALSE(HasResult(race));
  race.Runner(3).Margin = "1:33.5";
  EXPECT_TRUE(HasResult(race));
  race.Result.WinHorse[0] = 0;
  EXPECT_FALSE(HasResult(race));
  race.Result.WinHorse[0] = 3;
  race.Header.RunnerCount = 2;  // the winner's entry is beyond the count
  EXPECT_FALSE(HasResult(race));
}

TEST(RaceStatusPlan, DeadlinesComeFromTheScheduleAndFlagsStartAsTheSessionNeeds) {
  TSetting s;
  s.IPatGetTime[4][0] = At(0, 10);
  s.IPatGetBefore[4][0] = true;
  s.IPatGetTime[4][1] = At(14, 0);
  s.IPatGetBefore[4][2] = true;  // time 0: none
  RaceStatus st = InitialRaceStatus(5, s);
  EXPECT_DOUBLE_EQ(st.Deadline[0], -At(0, 10));
  EXPECT_DOUBLE_EQ(st.Deadline[1], At(14, 0));
  EXPECT_EQ(st.Deadline[2], 0);
  EXPECT_TRUE(st.Selected && st.WantExacta && st.WantTrio && st.WantTrifecta && st.WantQuinella &&
              st.WantWide);
  EXPECT_FALSE(st.Listed || st.FinalMark || st.ResultMark || st.OddsDone || st.ResultDone);
  EXPECT_EQ(InitialRaceStatus(13, s).Deadline[0], 0);
}

}  // namespace
}  // namespace vorpa

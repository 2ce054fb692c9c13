// The direct acquisition dialog's tick table: preparing it from the
// scheduled session and the race shown, reading it back into the direct
// session, and what the direct run then visits.
#include "ipat/IPatDirect.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "support/IPatPageBuilder.h"

namespace vorpa {
namespace {

using test::Sj;

class DirectTest : public ::testing::Test {
 protected:
  DirectTest() : clock(EncodeDate(2026, 12, 6) + 0.5), scheduled(setting, clock), direct(setting, clock) {
    scheduled.Init();
    scheduled.SessionKey = "KEY";
    scheduled.MeetingDate = EncodeDate(2026, 12, 6);
    scheduled.MeetingCode[1].Code = "50323";  // 東京
    scheduled.MeetingCode[2].Code = "90323";  // 阪神; slot 3 has no meeting
    for (int v : {1, 2})
      for (int r = 1; r <= 12; ++r) {
        scheduled.Status[v][r].Listed = true;
        scheduled.Status[v][r].StartTime = EncodeTime(10, 0, 0) + r / 48.0;
      }
  }
  // The races a run of the direct session loads, in order.
  std::vector<std::pair<int, int>> Visits() {
    std::vector<std::pair<int, int>> visits;
    for (int guard = 0; direct.IPatState < TIPat::RunEnd && guard < 1000; ++guard) {
      direct.NextState();
      if (direct.IPatState == TIPat::LoadData) visits.emplace_back(direct.CurVenue, direct.CurRace);
    }
    return visits;
  }
  TSetting setting;
  TPinnedClock clock;
  TIPat scheduled, direct;
};

TEST_F(DirectTest, PrepareTicksOnlyTheRaceShown) {
  TDirectTicks ticks;
  ticks.SetAll(true);
  const TDirectHeadings headings = DirectPrepare(scheduled, Sj("東京"), 11, ticks);
  EXPECT_EQ(headings[1], Sj("東京"));
  EXPECT_EQ(headings[2], Sj("阪神"));
  EXPECT_EQ(headings[3], "");
  for (int v = 1; v <= 3; ++v)
    for (int r = 1; r <= 12; ++r) {
      // Slot 3 has no meeting: its boxes keep their ticks.
      const bool expected = (v == 1 && r == 11) || v == 3;
      EXPECT_EQ(ticks.At(v, r), expected) << v << "," << r;
    }
  // The race shown but not listed: nothing ticked.
  scheduled.Status[1][11].Listed = false;
  DirectPrepare(scheduled, Sj("東京"), 11, ticks);
  EXPECT_FALSE(ticks.At(1, 11));
  // Same number at another venue: nothing ticked in slot 1 or 2.
  DirectPrepare(scheduled, Sj("中山"), 5, ticks);
  for (int r = 1; r <= 12; ++r) EXPECT_FALSE(ticks.At(1, r) || ticks.At(2, r)) << r;
}

TEST_F(DirectTest, ReadBackLeavesSlotsWithoutMeetingAlone) {
  direct.CopyFrom(scheduled);
  TDirectTicks ticks;
  ticks.SetAll(true);  // 全件セット: slot 3 ticked too
  ticks.At(2, 7) = false;
  DirectReadBack(ticks, direct);
  for (int r = 1; r <= 12; ++r) {
    EXPECT_TRUE(direct.Status[1][r].Selected) << r;
    EXPECT_EQ(direct.Status[2][r].Selected, r != 7) << r;
    EXPECT_FALSE(direct.Status[3][r].Selected) << r;
  }
}

TEST_F(DirectTest, TheDirectRunVisitsOnlyTickedListedRaces) {
  scheduled.Status[2][4].Listed = false;
  direct.CopyFrom(scheduled);
  TDirectTicks ticks;
  ticks.At(1, 3) = true;
  ticks.At(2, 4) = true;  // ticked but not listed: no page is asked for
  ticks.At(2, 12) = true;
  DirectReadBack(ticks, direct);
  EXPECT_TRUE(direct.Status[2][4].Selected);
  EXPECT_EQ(Visits(), (std::vector<std::pair<int, int>>{{1, 3}, {2, 12}}));
}

TEST_F(DirectTest, BoxNames) {
  EXPECT_EQ(DirectBoxName(1, 1), "chkIpatGet101");
  EXPECT_EQ(DirectBoxName(2, 5), "chkIpatGet205");
  EXPECT_EQ(DirectBoxName(3, 12), "chkIpatGet312");
}

}  // namespace
}  // namespace vorpa

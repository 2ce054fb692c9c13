// A record changed by hand stored over the file as it is now: what the
// change left alone follows the file, readings stored meanwhile stay.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceEdit.h"

namespace vorpa {
namespace {

OddsSnapshot Reading(int hh, int mm, double win1) {
  OddsSnapshot s = EmptySnapshot();
  s.WinTime() = EncodeTime(hh, mm, 0);
  s.Win(1) = win1;
  return s;
}

// The win odds of horse 1, one per reading: which reading is which.
std::vector<double> Wins(const TRace& r) {
  std::vector<double> out;
  for (const OddsSnapshot& s : r.Snapshots) out.push_back(s.Win(1));
  return out;
}

class RaceEdit : public testing::Test {
 protected:
  RaceEdit() {
    ClearRace(loaded_, Utf8ToCp932("東京"), 11, EncodeDate(2026, 12, 6));
    loaded_.Runner(1).HorseNo = 1;
    loaded_.Snapshots = {Reading(10, 0, 1.0), Reading(10, 30, 2.0)};
    loaded_.Votes[0] = 100;
    edited_ = stored_ = loaded_;
    // Stored meanwhile by a run: a reading of 11:00 with its vote totals,
    // and the result.
    stored_.Snapshots.push_back(Reading(11, 0, 3.0));
    stored_.Votes[0] = 300;
    stored_.Result.WinHorse[0] = 1;
  }
  TRace loaded_, edited_, stored_;
};

TEST_F(RaceEdit, AChangeOfOtherFieldsKeepsWhatWasStoredMeanwhile) {
  edited_.Runner(1).BodyWeight = 482;
  edited_.Header.Going = Utf8ToCp932("良");
  const TRace out = MergeRaceEdit(loaded_, edited_, stored_);
  EXPECT_EQ(out.Runner(1).BodyWeight, 482);
  EXPECT_EQ(out.Header.Going, Utf8ToCp932("良"));
  EXPECT_EQ(Wins(out), (std::vector<double>{1.0, 2.0, 3.0}));
  EXPECT_EQ(out.Votes[0], 300);
  EXPECT_EQ(out.Result.WinHorse[0], 1);
  // Nothing stored meanwhile: the edited record as it is.
  const TRace alone = MergeRaceEdit(loaded_, edited_, loaded_);
  EXPECT_EQ(Wins(alone), (std::vector<double>{1.0, 2.0}));
  EXPECT_EQ(alone.Runner(1), edited_.Runner(1));
}

TEST_F(RaceEdit, ChangedReadingsWinAndReadingsStoredMeanwhileJoinInTimeOrder) {
  // The last reading replaced (same time), one of 10:45 added, votes read.
  edited_.Snapshots[1] = Reading(10, 30, 2.5);
  edited_.Snapshots.push_back(Reading(10, 45, 2.7));
  edited_.Votes[0] = 200;
  // Meanwhile a run also replaced 10:30 and thinned out 10:00.
  stored_.Snapshots[1] = Reading(10, 30, 2.9);
  stored_.Snapshots.erase(stored_.Snapshots.begin());
  const TRace out = MergeRaceEdit(loaded_, edited_, stored_);
  // 10:00 is the edit's (it kept it); 10:30 the edit's; 11:00 the run's.
  EXPECT_EQ(Wins(out), (std::vector<double>{1.0, 2.5, 2.7, 3.0}));
  EXPECT_EQ(out.Votes[0], 200);
  EXPECT_EQ(out.Result.WinHorse[0], 1) << "the result the edit left alone";
  // Readings the edit removed do not come back from the file.
  edited_.Snapshots = {Reading(10, 45, 2.7)};
  EXPECT_EQ(Wins(MergeRaceEdit(loaded_, edited_, stored_)), (std::vector<double>{2.7, 3.0}));
}

}  // namespace
}  // namespace vorpa

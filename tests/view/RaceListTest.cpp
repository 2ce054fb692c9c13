// The race list lines: sort keys, orders and the finish text.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "view/RaceList.h"

namespace vorpa {
namespace {

TRace Race(const char* venueUtf8, int raceNo, int hh, int mm) {
  TRace r;
  ClearRace(r, Utf8ToCp932(venueUtf8), raceNo, EncodeDate(2004, 1, 3));
  r.Header.StartTime = (hh || mm) ? EncodeTime(hh, mm, 0) : 0;
  return r;
}

std::string Name6(const TRace& r) {
  char num[8];
  std::snprintf(num, sizeof num, "%02d", r.Header.RaceNo);
  return r.Header.VenueName + num;
}

std::vector<std::string> Lines(const std::vector<TRace>& races, int order) {
  std::vector<std::string> lines;
  for (const TRace& r : races) lines.push_back(RaceListLine(r, Name6(r), order));
  SortRaceLines(lines);
  return lines;
}

std::vector<std::string> RaceColumn(const std::vector<std::string>& lines) {
  std::vector<std::string> col;
  for (const auto& l : lines) col.push_back(Cp932ToUtf8(RaceListRow(l).Race));
  return col;
}

// Three venues of a day: 中山 (6), 京都 (8), 小倉 (A) with clashing post times.
std::vector<TRace> Day() {
  return {Race("小倉", 1, 10, 5),  Race("中山", 11, 15, 45), Race("京都", 1, 9, 50),
          Race("中山", 1, 10, 0),  Race("京都", 11, 15, 30), Race("小倉", 11, 15, 20),
          Race("中山", 2, 10, 30)};
}

TEST(RaceListLine, FieldsAtTheirCharacters) {
  TRace r = Race("東京", 11, 15, 40);
  std::string line = RaceListLine(r, Name6(r), kListByVenue);
  EXPECT_EQ(line, "9999" "5" + Utf8ToCp932("東京") + "11" "15:40");
  EXPECT_EQ(RaceListLine(r, Name6(r), kListByTime).substr(0, 5), "15405");
  TRaceListRow row = RaceListRow(line);
  EXPECT_EQ(Cp932ToUtf8(row.Race), "東京11");
  EXPECT_EQ(row.Post, "15:40");
  EXPECT_EQ(row.Finish, "");
  TListedRace listed = ListedRace(row.Race);
  EXPECT_EQ(Cp932ToUtf8(listed.VenueName), "東京");
  EXPECT_EQ(listed.RaceNo, 11);
  EXPECT_EQ(ListedRace(Utf8ToCp932("東京xx")).RaceNo, 0);
  EXPECT_EQ(ListedRace("").RaceNo, 0);
  // A short file name keeps the columns in place.
  EXPECT_EQ(RaceListRow(RaceListLine(r, "ab", kListByVenue)).Post, "15:40");
}

TEST(RaceListLine, VenueOrderRunsByVenueCodeThenRaceNumber) {
  EXPECT_EQ(RaceColumn(Lines(Day(), kListByVenue)),
            (std::vector<std::string>{"中山01", "中山02", "中山11", "京都01", "京都11", "小倉01",
                                      "小倉11"}));
}

TEST(RaceListLine, TimeOrderRunsByPostTimeThenVenue) {
  std::vector<TRace> day = Day();
  day.push_back(Race("阪神", 5, 0, 0));  // no post time: key 0000, first
  day.push_back(Race("中京", 3, 10, 5));  // same time as 小倉01, lower venue code
  std::vector<std::string> lines = Lines(day, kListByTime);
  EXPECT_EQ(RaceColumn(lines),
            (std::vector<std::string>{"阪神05", "京都01", "中山01", "中京03", "小倉01", "中山02",
                                      "小倉11", "京都11", "中山11"}));
  EXPECT_EQ(lines[0].substr(0, 4), "0000");
  EXPECT_EQ(RaceListRow(lines[0]).Post, "00:00");
}

// A finished 10-runner race: win odds of horse h are 1.5 * h, so the
// favourite is horse 1 and horse h is the h-th favourite.
TRace Finished() {
  TRace r = Race("東京", 11, 15, 40);
  r.Header.RunnerCount = 10;
  r.Result.WinHorse[0] = 1;
  OddsSnapshot s = EmptySnapshot();
  s.WinTime() = EncodeTime(15, 30, 0);
  for (int h = 1; h <= 10; ++h) s.Win(h) = 1.5 * h;
  r.Snapshots = {s};
  r.Runner(1).Finish = 1;
  r.Runner(3).Finish = 2;
  return r;
}

TEST(FinishText, PopularitiesOfTheFirstFive) {
  TRace r = Finished();
  EXPECT_EQ(FinishText(r), " 1- 3- 0- 0- 0");
  r.Runner(10).Finish = 3;
  r.Runner(2).Finish = 4;
  r.Runner(5).Finish = 5;
  r.Runner(4).Finish = 6;  // beyond fifth: not shown
  EXPECT_EQ(FinishText(r), " 1- 3-10- 2- 5");
  EXPECT_EQ(RaceListRow(RaceListLine(r, Name6(r), 0)).Finish, " 1- 3-10- 2- 5");
}

TEST(FinishText, NewestReadingWithWinTimeCounts) {
  TRace r = Finished();
  // A newer reading where horse 3 is the favourite...
  OddsSnapshot newer = r.Snapshots[0];
  newer.Win(3) = 1.1;
  r.Snapshots.push_back(newer);
  EXPECT_EQ(FinishText(r), " 2- 1- 0- 0- 0");
  // ...but without its win time the older one decides.
  r.Snapshots.back().WinTime() = 0;
  EXPECT_EQ(FinishText(r), " 1- 3- 0- 0- 0");
}

TEST(FinishText, StarWhenPopularitiesUnknown) {
  TRace r = Finished();
  for (OddsSnapshot& s : r.Snapshots) s.WinTime() = 0;
  EXPECT_EQ(FinishText(r), "  *");
  r.Snapshots.clear();
  EXPECT_EQ(FinishText(r), "  *");
  // A winner without a finishing position on the card: popularity unknown.
  r = Finished();
  r.Runner(1).Finish = 0;
  EXPECT_EQ(FinishText(r), "  *");
  // No result yet: nothing.
  r = Finished();
  r.Result.WinHorse[0] = 0;
  EXPECT_EQ(FinishText(r), "");
}

TEST(FinishText, ScratchedHorsesAreLeastPopular) {
  TRace r = Finished();
  r.Snapshots[0].Win(1) = NoOdds;  // horse 1 scratched: last in popularity
  r.Runner(1).Finish = -1;
  r.Runner(2).Finish = 1;
  r.Runner(3).Finish = 2;
  EXPECT_EQ(FinishText(r), " 1- 2- 0- 0- 0");
}

TEST(HourMinuteText, Texts) {
  EXPECT_EQ(HourMinuteText(0), "00:00");
  EXPECT_EQ(HourMinuteText(EncodeTime(9, 5, 59)), "09:05");
  EXPECT_EQ(HourMinuteText(EncodeTime(15, 40, 0)), "15:40");
}

}  // namespace
}  // namespace vorpa

// The menu page and race card decoders.
#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPatDecode.h"
#include "support/IPatPageBuilder.h"

namespace vorpa {
namespace {

using test::Sj;
using test::TPageBuilder;

const double kDay = EncodeDate(2026, 12, 6);

class DecodeTest : public ::testing::Test {
 protected:
  DecodeTest() : clock(kDay + EncodeTime(10, 0, 0)), ipat(setting, clock) { ipat.Init(); }
  int Menu(const TPageBuilder& b, bool first) {
    TIPatPage page(b.Tables(), b.Forms());
    return DecodeMenuPage(ipat, page, first);
  }
  int Card(const TPageBuilder& b) {
    TIPatPage page(b.Tables(), b.Forms());
    return DecodeRaceCard(ipat, page);
  }
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

// A menu page: meeting labels and options, the shown meeting, races 1..n.
TPageBuilder MenuPage(int n) {
  TPageBuilder b;
  b.T("[4][1,1][1][1,1]<1>", "5回 東京 3日 12/06 （当日売）")
      .T("[4][1,1][1][1,1]<2>", "5回 中山 3日 12/06 （当日売）")
      .T("[4][1,1][1][1,1]<3>", "3回 阪神 1日 12/07 （前日売）")
      .F("[4]", "/p/s")
      .F("[4][w]", "KEY123")
      .F("[4][j]", "5032300000")
      .F("[4][m]<1>", "50323")
      .F("[4][m]<2>", "60323")
      .F("[4][m]<3>", "90321");
  for (int i = 1; i <= n; ++i) {
    b.T("[4][3,1][4]" + Cell(1, i + 1) + "<1>", std::to_string(i) + "R");
    b.T("[4][3,1][4]" + Cell(3, i + 1) + "<1>", i <= 3 ? "(最終)" : "");
    b.T("[4][3,1][4]" + Cell(5, i + 1) + "<1>", i <= 2 ? "(全馬)" : "");
  }
  return b;
}

TEST_F(DecodeTest, FirstMenuPageTakesKeyDateMeetingsAndRaces) {
  EXPECT_EQ(Menu(MenuPage(12), true), 0);
  EXPECT_EQ(ipat.SessionKey, "KEY123");
  EXPECT_EQ(ipat.MeetingDate, kDay);
  EXPECT_EQ(ipat.MeetingCode[1].Code, "50323");
  EXPECT_EQ(ipat.MeetingCode[2].Code, "60323");
  EXPECT_EQ(ipat.MeetingCode[3].Code, "");  // sold the day before only
  EXPECT_EQ(ipat.CurVenue, 1);
  EXPECT_TRUE(ipat.Status[1][12].Listed);
  EXPECT_TRUE(ipat.Status[1][1].FinalMark && ipat.Status[1][1].ResultMark);
  EXPECT_TRUE(ipat.Status[1][3].FinalMark);
  EXPECT_FALSE(ipat.Status[1][3].ResultMark);
  EXPECT_TRUE(ipat.Status[1][4].FinalMark);  // an empty mark is final too
  EXPECT_FALSE(ipat.Status[2][1].Listed);
}

TEST_F(DecodeTest, MeetingDateAfterTheDaySwitchIsTomorrow) {
  clock.Set(kDay + EncodeTime(19, 20, 1));
  EXPECT_EQ(Menu(MenuPage(12), true), 0);
  EXPECT_EQ(ipat.MeetingDate, kDay + 1);
}

TEST_F(DecodeTest, MenuFailures) {
  TPageBuilder noKey;
  noKey.F("[4][j]", "5032300000");
  EXPECT_EQ(Menu(noKey, true), 6);
  TPageBuilder b;
  b.T("[4][1,1][1][1,1]<1>", "東京 3日 12/06 （当日売）").F("[4][w]", "K").F("[4][m]<1>", "50323");
  EXPECT_EQ(Menu(b, true), 8);  // four words never count as sold on the day
  TPageBuilder noJ;
  noJ.T("[4][1,1][1][1,1]<1>", "5回 東京 3日 12/06 （当日売）").F("[4][w]", "K").F("[4][m]<1>", "50323");
  EXPECT_EQ(Menu(noJ, true), 9);
  EXPECT_EQ(Menu(MenuPage(0), false), 4);  // no race of the shown meeting
}

TEST_F(DecodeTest, RaceHeadingsAndMarks) {
  TPageBuilder b = MenuPage(0);
  b.T("[4][3,1][4][1,2]<1>", "11R").T("[4][3,1][4][3,2]<1>", "(最終)");
  b.T("[4][3,1][4][1,3]<1>", "12R").T("[4][3,1][4][3,3]<1>", "中止");
  b.T("[4][3,1][4][1,4]<1>", "5").T("[4][3,1][4][3,4]<1>", "");   // no "R"
  b.T("[4][3,1][4][1,5]<1>", "3R").T("[4][3,1][4][3,5]<1>", "発売中");
  b.T("[4][3,1][4][1,6]<1>", "99R");                              // beyond the table
  b.T("[4][3,1][4][1,7]<1>", "13R");
  EXPECT_EQ(Menu(b, false), 0);
  EXPECT_TRUE(ipat.Status[1][11].Listed);
  EXPECT_TRUE(ipat.Status[1][11].FinalMark);
  EXPECT_FALSE(ipat.Status[1][12].Listed);
  EXPECT_FALSE(ipat.Status[1][5].Listed);
  EXPECT_TRUE(ipat.Status[1][3].Listed);
  EXPECT_FALSE(ipat.Status[1][3].FinalMark);  // other marks: no odds pages
}

TEST_F(DecodeTest, ARaceCancelledLaterInTheDayIsNoLongerListed) {
  TPageBuilder morning = MenuPage(0);
  morning.T("[4][3,1][4][1,2]<1>", "7R").T("[4][3,1][4][1,3]<1>", "8R");
  ASSERT_EQ(Menu(morning, false), 0);
  ipat.Status[1][7].Selected = true;
  ASSERT_TRUE(ipat.Status[1][7].Listed && ipat.Status[1][8].Listed);
  TPageBuilder later = MenuPage(0);
  later.T("[4][3,1][4][1,2]<1>", "7R").T("[4][3,1][4][3,2]<1>", "中止");
  later.T("[4][3,1][4][1,3]<1>", "8R").T("[4][3,1][4][3,3]<1>", "(最終)");
  EXPECT_EQ(Menu(later, false), 0);
  EXPECT_FALSE(ipat.Status[1][7].Listed);
  EXPECT_FALSE(ipat.Status[1][7].Selected);
  EXPECT_TRUE(ipat.Status[1][8].Listed);
  // A meeting whose every race is cancelled has its race table all the same.
  TPageBuilder allOff = MenuPage(0);
  allOff.T("[4][3,1][4][1,2]<1>", "8R").T("[4][3,1][4][3,2]<1>", "中止");
  EXPECT_EQ(Menu(allOff, false), 0);
  EXPECT_FALSE(ipat.Status[1][8].Listed);
}

TEST_F(DecodeTest, ShownMeetingPicksTheSlotByOptionPosition) {
  TPageBuilder b = MenuPage(2);
  b.F("[4][j]", "6032300000");  // the later entry wins
  EXPECT_EQ(Menu(b, false), 0);
  EXPECT_TRUE(ipat.Status[2][1].Listed);
  EXPECT_FALSE(ipat.Status[1][1].Listed);
}

TEST_F(DecodeTest, AFourthMeetingSoldOnTheDayIsIgnoredAndARetryStartsOver) {
  TPageBuilder b = MenuPage(1);
  b.T("[4][1,1][1][1,1]<3>", "3回 阪神 1日 12/06 （当日売）")
      .T("[4][1,1][1][1,1]<4>", "1回 小倉 1日 12/06 （当日売）")
      .F("[4][m]<4>", "A0311");
  EXPECT_EQ(Menu(b, true), 0);
  EXPECT_EQ(ipat.MeetingCode[3].Code, "90321");
  EXPECT_EQ(Menu(b, true), 0);
  EXPECT_EQ(ipat.MeetingCode[1].Code, "50323");
  EXPECT_EQ(ipat.MeetingCode[3].Code, "90321");
}

// A race card: header texts H1..H5 and runner rows.
TPageBuilder CardPage(const std::string& date = "2026/12/06", int runners = 3) {
  TPageBuilder b;
  b.T("[4]<1>", "2026年12月6日（" + date + "）")
      .T("[4]<2>", "5回東京3日 11R")
      .T("[4]<3>", "シロツメカップ")
      .T("[4]<4>", "サラ系３歳以上　オープン")
      .T("[4]<5>", "2400m 芝・左 出走頭数：" + std::to_string(runners) +
                       "頭 天候：晴 馬場状態 ：良/ 発走時刻：15:40");
  return b;
}

void Row(TPageBuilder& b, int h, const std::vector<std::string>& cols) {
  for (size_t c = 0; c < cols.size(); ++c)
    b.T("[5]" + Cell(h + 1, static_cast<int>(c) + 1) + "<1>", cols[c]);
}

class CardTest : public DecodeTest {
 protected:
  void SetUp() override {
    ipat.MeetingCode[1].Code = "50323";
    ipat.CurVenue = 1;
    ipat.CurRace = 11;
    ClearRace(ipat.Race, Sj("東京"), 11, kDay);
  }
};

TEST_F(CardTest, HeaderCourseAndRunners) {
  TPageBuilder b = CardPage();
  Row(b, 1, {"1", "1", "テスト ホース", "せん5", "480k", "+12k", "☆田村", "55.0", "鈴木"});
  Row(b, 2, {"2", "取消", "スクラッチ", "牝 4", "462k", "-4k", "斎藤", "54", "高橋"});
  Row(b, 3, {"3", "3", "サード", "牡3", "500k", "0k", "山田　太郎", "57.0", "伊藤"});
  ASSERT_EQ(Card(b), 0);
  const TRaceHeader& h = ipat.Race.Header;
  EXPECT_EQ(h.RaceName, Sj("5回東京3日 11Rシロツメカップ"));
  EXPECT_EQ(h.Condition1, Sj("サラ系３歳以上"));
  EXPECT_EQ(h.Condition2, Sj("オープン"));
  EXPECT_EQ(h.Distance, 2400);
  EXPECT_EQ(h.CourseText, Sj("芝・左"));
  EXPECT_EQ(h.RunnerCount, 3);
  EXPECT_EQ(ipat.Status[1][11].RunnerCount, 3);
  EXPECT_EQ(h.Weather, Sj("晴"));
  EXPECT_EQ(h.Going, Sj("良"));
  EXPECT_NEAR(h.StartTime, EncodeTime(15, 40, 0), 1e-9);
  EXPECT_EQ(h.Kai, 2);
  EXPECT_EQ(h.Nichi, 3);
  const TSyutuba& a = ipat.Race.Runner(1);
  EXPECT_EQ(a.HorseNo, 1);
  EXPECT_EQ(a.HorseName, Sj("テストホース"));
  EXPECT_EQ(a.Sex, 2);
  EXPECT_EQ(a.Age, 5);
  EXPECT_EQ(a.BodyWeight, 480);
  EXPECT_TRUE(a.WeightDiffKnown);
  EXPECT_EQ(a.WeightDiff, 12);
  EXPECT_EQ(a.ApprenticeMark, Sj("☆"));
  EXPECT_EQ(a.JockeyName, Sj("田村"));
  EXPECT_EQ(a.Burden, 55.0);
  EXPECT_EQ(a.MarkText, "-");
  EXPECT_EQ(a.TrainerName, Sj("鈴木"));
  const TSyutuba& s = ipat.Race.Runner(2);
  EXPECT_EQ(s.Finish, -1);
  EXPECT_EQ(s.Sex, 0);
  EXPECT_EQ(s.Age, 4);
  EXPECT_EQ(s.WeightDiff, -4);
  EXPECT_EQ(s.ApprenticeMark, Sj("　"));
  EXPECT_EQ(s.Burden, 54.0);
  const TSyutuba& t = ipat.Race.Runner(3);
  EXPECT_EQ(t.Sex, 1);
  EXPECT_TRUE(t.WeightDiffKnown);
  EXPECT_EQ(t.WeightDiff, 0);
  EXPECT_EQ(t.JockeyName, Sj("山田　太郎"));
}

TEST_F(CardTest, FirstWeighingAndNestedFrameNumber) {
  TPageBuilder b = CardPage("2026/12/06", 1);
  b.T("[5][2,1]<1>", "9");
  b.T("[5][2,1][1][1,1]<1>", "4");  // nested frame table, later in the page
  Row(b, 1, {});
  b.T("[5][2,3]<1>", "ホース").T("[5][2,5]<1>", "470k").T("[5][2,6]<1>", "初");
  ipat.Race.Runner(1).WeightDiff = 7;
  ASSERT_EQ(Card(b), 0);
  EXPECT_EQ(ipat.Race.Runner(1).FrameNo, 4);
  EXPECT_EQ(ipat.Race.Runner(1).BodyWeight, 470);
  EXPECT_FALSE(ipat.Race.Runner(1).WeightDiffKnown);
  EXPECT_EQ(ipat.Race.Runner(1).WeightDiff, 7);
  EXPECT_EQ(ipat.Race.Runner(1).Sex, 9);
}

TEST_F(CardTest, AnotherDaysCardReturns5BeforeTouchingRunners) {
  TPageBuilder b = CardPage("2026/12/05");
  Row(b, 1, {"1", "1", "ホース", "牡3", "", "", "騎手", "57.0", "調教師"});
  ipat.Race.Runner(1).HorseName = "KEPT";
  EXPECT_EQ(Card(b), 5);
  EXPECT_EQ(ipat.Race.Runner(1).HorseName, "KEPT");
}

TEST_F(CardTest, CardFailures) {
  EXPECT_EQ(Card(TPageBuilder()), 10);
  TPageBuilder noDistance;
  noDistance.T("[4]<1>", "（2026/12/06）").T("[4]<2>", "条件").T("[4]<3>", "芝");
  EXPECT_EQ(Card(noDistance), 11);
  TPageBuilder noRunners;
  noRunners.T("[4]<1>", "（2026/12/06）").T("[4]<2>", "条件").T("[4]<3>", "1200m ダート");
  EXPECT_EQ(Card(noRunners), 12);
  TPageBuilder badPost = CardPage();
  badPost.T("[4]<5>", "2400m 芝 出走頭数：3頭 天候：晴 馬場状態 ：良/ 発走時刻：未定");
  EXPECT_EQ(Card(badPost), 13);
  EXPECT_EQ(Card(CardPage()), 14);  // no runner row with a name
}

// A step of the course text runs once the step before found its marker with
// text after it: its field then comes from the page even when its own marker
// is missing, and only later steps keep the loaded values.
TEST_F(CardTest, ACutCourseTextClearsTheFieldOfItsLastStep) {
  TRaceHeader& h = ipat.Race.Header;
  auto load = [&] {
    h.CourseText = "OLD";
    h.RunnerCount = 16;
    h.Weather = "OLD";
    h.Going = "OLD";
    h.StartTime = EncodeTime(15, 40, 0);
  };
  auto card = [&](const std::string& course) {
    TPageBuilder b = CardPage();
    b.T("[4]<5>", course);
    Row(b, 1, {"1", "1", "ホース", "牡3", "", "", "騎手", "57.0", "調教師"});
    return Card(b);
  };
  load();
  EXPECT_EQ(card("2400m 芝・左"), 0);
  EXPECT_EQ(h.CourseText, Sj("芝・左"));
  EXPECT_EQ(h.RunnerCount, 16);
  load();
  EXPECT_EQ(card("2400m 芝・左 出走頭数：16頭"), 12);
  EXPECT_EQ(h.CourseText, Sj("芝・左"));
  EXPECT_EQ(h.RunnerCount, 0);
  EXPECT_EQ(ipat.Status[1][11].RunnerCount, 0);
  EXPECT_EQ(h.Weather, "OLD");
  load();
  EXPECT_EQ(card("2400m 芝・左 出走頭数：16頭 天候：晴"), 0);
  EXPECT_EQ(h.Weather, Sj("晴"));
  EXPECT_EQ(h.StartTime, EncodeTime(15, 40, 0));
  load();
  EXPECT_EQ(card("2400m 芝・左 出走頭数：16頭 天候：晴 馬場状態 ：良/"), 13);
  EXPECT_EQ(h.StartTime, 0);
  EXPECT_EQ(h.Going, "OLD");
  load();
  EXPECT_EQ(card("2400m 芝・左 出走頭数：16頭 天候：晴 馬場状態 ：良/ 発走時刻："), 13);
  EXPECT_EQ(h.Going, "OLD");
}

TEST_F(CardTest, AbsurdRunnerCountsStayInsideTheRecord) {
  TPageBuilder many = CardPage("2026/12/06", 40);
  for (int h = 1; h <= 20; ++h) Row(many, h, {"1", std::to_string(h), "H" + std::to_string(h)});
  EXPECT_EQ(Card(many), 0);
  EXPECT_EQ(ipat.Race.Header.RunnerCount, 18);
  EXPECT_EQ(ipat.Race.Runner(18).HorseName, "H18");
  TPageBuilder negative = CardPage("2026/12/06", -3);
  EXPECT_EQ(Card(negative), 12);
  EXPECT_EQ(ipat.Race.Header.RunnerCount, 0);
}

TEST_F(CardTest, HugeCellsAndAbsurdNumbers) {
  const std::string huge(50000, 'x');
  TPageBuilder b = CardPage("2026/12/06", 2);
  Row(b, 1, {"0", "40", huge, "牡" + huge, huge + "k", "+" + huge, huge, huge, huge});
  Row(b, 2, {"-5", "2", "ホース", "牝-3", "-480k", "-4k", "", "", ""});
  ASSERT_EQ(Card(b), 0);
  const TSyutuba& a = ipat.Race.Runner(1);
  EXPECT_EQ(a.HorseNo, 1);  // the row, not the page's number
  EXPECT_EQ(a.FrameNo, 0);
  EXPECT_EQ(a.Age, 0);
  EXPECT_EQ(a.BodyWeight, 0);
  EXPECT_EQ(a.WeightDiff, 0);
  EXPECT_EQ(a.JockeyName.size(), 18u);
  EXPECT_EQ(a.TrainerName.size(), 18u);
  EXPECT_EQ(a.Burden, 0);
  EXPECT_EQ(ipat.Race.Runner(2).Age, -3);
}

TEST_F(CardTest, LongJockeyAndTrainerNamesAreCutAtACharacter) {
  TPageBuilder b = CardPage("2026/12/06", 1);
  Row(b, 1, {"1", "1", "ホース", "牡3", "", "", "▲あいうえおかきくけこ", "57.0", "あいうえおかきくけこ"});
  ASSERT_EQ(Card(b), 0);
  EXPECT_EQ(ipat.Race.Runner(1).ApprenticeMark, Sj("▲"));
  EXPECT_EQ(ipat.Race.Runner(1).JockeyName, Sj("あいうえおかきくけ"));
  EXPECT_EQ(ipat.Race.Runner(1).TrainerName, Sj("あいうえおかきくけ"));
  EXPECT_EQ(ipat.Race.Runner(1).BodyWeight, 0);
}

}  // namespace
}  // namespace vorpa

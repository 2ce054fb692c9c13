// The six odds page decoders.
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
double At(int h, int m) { return EncodeTime(h, m, 0); }

class OddsTest : public ::testing::Test {
 protected:
  OddsTest() : clock(kDay + At(14, 36)), ipat(setting, clock) {
    ipat.Init();
    ipat.MeetingCode[1].Code = "50323";
    ipat.CurVenue = 1;
    ipat.CurRace = 11;
    ClearRace(ipat.Race, Sj("東京"), 11, kDay);
    ipat.Race.Header.StartTime = At(15, 40);
    ipat.Race.Header.RunnerCount = 18;
  }
  using Decoder = int (*)(TIPat&, const TIPatPage&);
  int Run(Decoder d, const TPageBuilder& b) {
    TIPatPage page(b.Tables(), b.Forms());
    return d(ipat, page);
  }
  static TPageBuilder Page(const std::string& title, const std::string& time = "オッズ 発売中 14:35現在") {
    TPageBuilder b;
    b.T("[2][1,1]<1>", title).T("[5][1,1]<1>", time);
    return b;
  }
  // A win/place reading so that the later pages have a snapshot to fill.
  void WinPlace() {
    ASSERT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ")), 0);
  }
  const OddsSnapshot& Last() { return ipat.Race.Snapshots.back(); }
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

TEST_F(OddsTest, WinPlaceAndBracket) {
  TPageBuilder b = Page("単・複・枠連オッズ");
  b.T("[6][1,1][1][2,4]<1>", "3.4").T("[6][1,1][1][2,5]<1>", "1.2").T("[6][1,1][1][2,7]<1>", "1.5");
  b.T("[6][1,1][1][3,4]<1>", "取消").T("[6][1,1][1][3,5]<1>", "9.9");
  b.T("[6][1,1][1][4,4]<1>", "x").T("[6][1,1][1][4,5]<1>", "2");
  b.T("[6][1,3][3][3,2]<1>", "12.5");   // 1-1
  b.T("[6][1,3][3][10,2]<1>", "80.1");  // 1-8
  b.T("[6][1,3][3][10,6]<1>", "55");    // 5-5 sits at column 6
  b.T("[6][1,3][3][11,6]<1>", "56");    // 5-6
  b.T("[6][1,3][3][13,2]<1>", "88");    // 8-8: row 13, column 10 - 16 + 8
  b.T("[6][1,3][3][3,8]<1>", "取消");   // 4-4
  b.T("[7][1,2]<1>", "1,234,567").T("[7][2,2]<1>", "890").T("[7][3,2]<1>", "12").T("[7][4,2]<1>", "99,999,999");
  ASSERT_EQ(Run(DecodeOddsWinPlace, b), 0);
  ASSERT_EQ(ipat.Race.Snapshots.size(), 1u);
  const OddsSnapshot& s = Last();
  EXPECT_NEAR(s.WinTime(), At(14, 35), 1e-9);
  EXPECT_EQ(s.Win(1), 3.4);
  EXPECT_EQ(s.PlaceLow(1), 1.2);
  EXPECT_EQ(s.PlaceHigh(1), 1.5);
  EXPECT_EQ(s.Win(2), NoOdds);
  EXPECT_EQ(s.PlaceLow(2), NoOdds);  // place cells follow the win cell
  EXPECT_EQ(s.Win(3), 0);            // taken, but not a number
  EXPECT_EQ(s.PlaceLow(3), 2);
  EXPECT_EQ(s.PlaceHigh(3), 0);
  EXPECT_EQ(s.Win(4), NoOdds);
  EXPECT_EQ(s.Bracket(1, 1), 12.5);
  EXPECT_EQ(s.Bracket(1, 8), 80.1);
  EXPECT_EQ(s.Bracket(5, 5), 55);
  EXPECT_EQ(s.Bracket(5, 6), 56);
  EXPECT_EQ(s.Bracket(8, 8), 88);
  EXPECT_EQ(s.Bracket(4, 4), NoOdds);
  EXPECT_EQ(s.QuinellaTime(), 0);
  EXPECT_EQ(ipat.Race.Votes[0], 1234567LL * 10000);
  EXPECT_EQ(ipat.Race.Votes[1], 890LL * 10000);
  EXPECT_EQ(ipat.Race.Votes[2], 12LL * 10000);
  EXPECT_EQ(ipat.Race.Votes[8], 99999999LL * 10000);
}

TEST_F(OddsTest, TimeWords) {
  ASSERT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "オッズ 締切 確定")), 0);
  EXPECT_EQ(Last().WinTime(), At(15, 40));
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "前日売最終")), 16);
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "")), 16);
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "オッズ 発売中 ab:cd現在")), 16);
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "オッズ 発売中")), 16);
  // A zero byte inside the time is no end of the text: the time does not convert.
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", std::string("オッズ 発売中 14:35") + '\0' + "x現在")), 16);
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("馬単オッズ")), 33);
  ipat.Race.Header.StartTime = 0;
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ")), 15);
}

TEST_F(OddsTest, EmptyVoteTextsKeepTheTotals) {
  ipat.Race.Votes[0] = 5;
  ipat.Race.Votes[8] = 7;
  TPageBuilder b = Page("単・複・枠連オッズ");
  b.T("[7][4,2]<1>", "");
  ASSERT_EQ(Run(DecodeOddsWinPlace, b), 0);
  EXPECT_EQ(ipat.Race.Votes[0], 5);
  EXPECT_EQ(ipat.Race.Votes[8], 7);
}

TEST_F(OddsTest, ExactaWithNineAndTenRunners) {
  ipat.Race.Header.RunnerCount = 9;
  WinPlace();
  TPageBuilder b = Page("馬単オッズ");
  b.T("[6][3,2]<1>", "5.5");    // 1 -> 2
  b.T("[6][2,18]<1>", "77.7");  // 9 -> 1
  b.T("[7][2,2]<1>", "99");     // 10 -> 1: not read for 9 runners
  b.T("[7][1,2]<1>", "4,321").T("[8][1,2]<1>", "1");
  ASSERT_EQ(Run(DecodeOddsExacta, b), 0);
  EXPECT_EQ(Last().Exacta(1, 2), 5.5);
  EXPECT_EQ(Last().Exacta(9, 1), 77.7);
  EXPECT_EQ(Last().Exacta(10, 1), NoOdds);
  EXPECT_EQ(ipat.Race.Votes[4], 4321LL * 10000);
  EXPECT_NEAR(Last().ExactaTime(), At(14, 35), 1e-9);

  ipat.Race.Header.RunnerCount = 10;
  ASSERT_EQ(Run(DecodeOddsExacta, b), 0);
  EXPECT_EQ(Last().Exacta(10, 1), 99);
  EXPECT_EQ(ipat.Race.Votes[4], 1LL * 10000);
}

TEST_F(OddsTest, MessagePageClearsTheWantFlagAndSucceeds) {
  WinPlace();
  EXPECT_EQ(Run(DecodeOddsExacta, Page("お知らせ")), 0);
  EXPECT_FALSE(ipat.Status[1][11].WantExacta);
  ipat.IPatState = TIPat::OddsExacta;
  ipat.CurVenue = 1;
  ipat.CurRace = 11;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::OddsTrio);
  EXPECT_EQ(Run(DecodeOddsTrio, Page("お知らせ")), 0);
  EXPECT_FALSE(ipat.Status[1][11].WantTrio);
  EXPECT_EQ(Run(DecodeOddsTrifecta, Page("お知らせ")), 0);
  EXPECT_EQ(Run(DecodeOddsQuinella, Page("お知らせ")), 0);
  EXPECT_EQ(Run(DecodeOddsWide, Page("お知らせ")), 0);
  const RaceStatus& st = ipat.Status[1][11];
  EXPECT_FALSE(st.WantTrifecta || st.WantQuinella || st.WantWide);
}

TEST_F(OddsTest, ResultCodesOfTheLaterPages) {
  WinPlace();
  EXPECT_EQ(Run(DecodeOddsExacta, Page("")), 34);
  EXPECT_EQ(Run(DecodeOddsTrio, Page("")), 35);
  EXPECT_EQ(Run(DecodeOddsTrifecta, Page("")), 36);
  EXPECT_EQ(Run(DecodeOddsQuinella, Page("")), 37);
  EXPECT_EQ(Run(DecodeOddsWide, Page("")), 38);
  EXPECT_EQ(Run(DecodeOddsExacta, Page("馬単オッズ", "前日売最終")), 19);
  EXPECT_EQ(Run(DecodeOddsQuinella, Page("馬連オッズ", "")), 24);
  EXPECT_EQ(Run(DecodeOddsWide, Page("ワイドオッズ", "x y z")), 27);
  ipat.Race.Header.RunnerCount = 0;
  EXPECT_EQ(Run(DecodeOddsExacta, Page("馬単オッズ")), 18);
  EXPECT_EQ(Run(DecodeOddsTrio, Page("３連複オッズ")), 21);
  EXPECT_EQ(Run(DecodeOddsTrifecta, Page("３連単オッズ")), 32);
  EXPECT_EQ(Run(DecodeOddsQuinella, Page("馬連オッズ")), 23);
  EXPECT_EQ(Run(DecodeOddsWide, Page("ワイドオッズ")), 26);
  ipat.Race.Header.StartTime = 0;
  EXPECT_EQ(Run(DecodeOddsExacta, Page("馬単オッズ")), 17);
  EXPECT_EQ(Run(DecodeOddsTrio, Page("３連複オッズ")), 20);
  EXPECT_EQ(Run(DecodeOddsTrifecta, Page("３連単オッズ")), 31);
  EXPECT_EQ(Run(DecodeOddsQuinella, Page("馬連オッズ")), 22);
  EXPECT_EQ(Run(DecodeOddsWide, Page("ワイドオッズ")), 25);
}

TEST_F(OddsTest, WithoutSnapshotTheMatrixPagesChangeNothing) {
  TPageBuilder b = Page("馬連オッズ");
  b.T("[7][1,2]<1>", "100");
  EXPECT_EQ(Run(DecodeOddsQuinella, b), 24);
  EXPECT_EQ(Run(DecodeOddsExacta, Page("馬単オッズ")), 19);
  EXPECT_EQ(Run(DecodeOddsWide, Page("ワイドオッズ")), 27);
  EXPECT_TRUE(ipat.Race.Snapshots.empty());
  EXPECT_EQ(ipat.Race.Votes[3], 0);
}

TEST_F(OddsTest, TrioAndTrifectaGiveVoteTotalsOnly) {
  TPageBuilder trio = Page("３連複オッズ");
  trio.T("[8][1,2]<1>", "2,000,000");
  ASSERT_EQ(Run(DecodeOddsTrio, trio), 0);
  EXPECT_EQ(ipat.Race.Votes[6], 2000000LL * 10000);
  TPageBuilder tri = Page("３連単オッズ");
  tri.T("[8][1,2]<1>", "3000000");
  ASSERT_EQ(Run(DecodeOddsTrifecta, tri), 0);
  EXPECT_EQ(ipat.Race.Votes[7], 3000000LL * 10000);
  EXPECT_TRUE(ipat.Race.Snapshots.empty());
}

// Quinella grid cell (r, c) is table 6 row r + 1.
void Grid(TPageBuilder& b, int r, int c, const std::string& v) {
  b.T("[6]" + Cell(r + 1, c) + "<1>", v);
}

TEST_F(OddsTest, QuinellaOfEightRunnersReadsTheFirstSectionOnly) {
  ipat.Race.Header.RunnerCount = 8;
  WinPlace();
  TPageBuilder b = Page("馬連オッズ");
  Grid(b, 1, 2, "4.4");   // 1-2
  Grid(b, 7, 2, "70");    // 1-8
  Grid(b, 1, 14, "7.8");  // 7-8
  Grid(b, 1, 16, "8.9");  // 8-9 does not exist
  b.T("[7][1,2]<1>", "5,000");
  ASSERT_EQ(Run(DecodeOddsQuinella, b), 0);
  EXPECT_EQ(Last().Quinella(1, 2), 4.4);
  EXPECT_EQ(Last().Quinella(1, 8), 70);
  EXPECT_EQ(Last().Quinella(7, 8), 7.8);
  EXPECT_EQ(Last().Quinella(8, 9), NoOdds);
  EXPECT_EQ(ipat.Race.Votes[3], 5000LL * 10000);
}

TEST_F(OddsTest, QuinellaSecondSectionCountsBackFromTheLastCell) {
  ipat.Race.Header.RunnerCount = 14;
  WinPlace();
  TPageBuilder b = Page("馬連オッズ");
  // Row j + 1 holds the pairs i-j of i = 10.. right-aligned: the last
  // non-empty column is pair 10-j, two columns left of it pair 11-j.
  Grid(b, 12, 10, "1011");  // 10-11 at the last column of row 12
  Grid(b, 13, 10, "1012");
  Grid(b, 13, 8, "1112");
  Grid(b, 15, 12, "1014");
  Grid(b, 15, 10, "1114");
  Grid(b, 15, 8, "1214");
  Grid(b, 15, 6, "1314");
  ASSERT_EQ(Run(DecodeOddsQuinella, b), 0);
  EXPECT_EQ(Last().Quinella(10, 11), 1011);
  EXPECT_EQ(Last().Quinella(10, 12), 1012);
  EXPECT_EQ(Last().Quinella(11, 12), 1112);
  EXPECT_EQ(Last().Quinella(10, 14), 1014);
  EXPECT_EQ(Last().Quinella(13, 14), 1314);
  EXPECT_EQ(Last().Quinella(10, 13), NoOdds);  // row 14 is empty
}

TEST_F(OddsTest, WideSectionsOfEighteenRunners) {
  WinPlace();
  TPageBuilder b = Page("ワイドオッズ");
  Grid(b, 1, 2, "1.1");   // 1-2 low
  Grid(b, 1, 4, "1.9");   // 1-2 high
  Grid(b, 13, 18, "5.0");  // 5-18: row 13, low at column 18, high at 20
  Grid(b, 13, 20, "6.0");
  // 6-7: row N + j - 9 = 16, right-aligned: last column L, c = L - 2.
  Grid(b, 16, 20, "7.5");
  Grid(b, 16, 18, "6.5");
  // 11-12: row 2(N-12) + 17 + 1 = 30, column 2.
  Grid(b, 30, 2, "11.2");
  Grid(b, 30, 4, "12.2");
  // 16-17: row 3(N-17) + 32 + 0 = 35, c = L - 2.
  Grid(b, 35, 9, "16.7");
  Grid(b, 35, 11, "17.7");
  // 17-18: row 36, c = L - 6.
  Grid(b, 36, 20, "x");
  Grid(b, 36, 14, "17.18");
  Grid(b, 36, 16, "18.18");
  b.T("[7][1,2]<1>", "123");
  ASSERT_EQ(Run(DecodeOddsWide, b), 0);
  const OddsSnapshot& s = Last();
  EXPECT_EQ(s.WideLow(1, 2), 1.1);
  EXPECT_EQ(s.WideHigh(1, 2), 1.9);
  EXPECT_EQ(s.WideLow(5, 18), 5.0);
  EXPECT_EQ(s.WideHigh(5, 18), 6.0);
  EXPECT_EQ(s.WideLow(6, 7), 6.5);
  EXPECT_EQ(s.WideHigh(6, 7), 7.5);
  EXPECT_EQ(s.WideLow(11, 12), 11.2);
  EXPECT_EQ(s.WideHigh(11, 12), 12.2);
  EXPECT_EQ(s.WideLow(16, 17), 16.7);
  EXPECT_EQ(s.WideHigh(16, 17), 17.7);
  EXPECT_EQ(s.WideLow(17, 18), 17.18);
  EXPECT_EQ(s.WideHigh(17, 18), 18.18);
  EXPECT_EQ(s.WideLow(2, 3), NoOdds);
  EXPECT_EQ(ipat.Race.Votes[5], 123LL * 10000);
}

TEST_F(OddsTest, GridPlacesOffTheGridAreIgnored) {
  ipat.Race.Header.RunnerCount = 11;
  WinPlace();
  TPageBuilder b = Page("ワイドオッズ");
  // 6-7 with N = 11: row 9; a lone cell in column 1 puts c at -1.
  Grid(b, 9, 1, "9.9");
  ASSERT_EQ(Run(DecodeOddsWide, b), 0);
  EXPECT_EQ(Last().WideLow(6, 7), NoOdds);
  TPageBuilder q = Page("馬連オッズ");
  Grid(q, 12, 1, "9.9");  // 10-11: column 1 - 0 = 1 is on the grid
  ASSERT_EQ(Run(DecodeOddsQuinella, q), 0);
  EXPECT_EQ(Last().Quinella(10, 11), 9.9);
}

TEST_F(OddsTest, HugeCellsReadAsZero) {
  const std::string digits(50000, '9');
  TPageBuilder b = Page("単・複・枠連オッズ");
  b.T("[6][1,1][1][2,4]<1>", digits).T("[7][1,2]<1>", digits).T("[7][4,2]<1>", "1," + digits);
  ASSERT_EQ(Run(DecodeOddsWinPlace, b), 0);
  EXPECT_EQ(Last().Win(1), 0);
  EXPECT_EQ(ipat.Race.Votes[0], 0);
  EXPECT_EQ(ipat.Race.Votes[8], 0);
  EXPECT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "a b " + digits)), 16);
}

TEST_F(OddsTest, LaterReadingsOfTheDayAddSnapshots) {
  WinPlace();
  clock.Set(kDay + At(15, 0));
  ASSERT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "オッズ 発売中 14:59現在")), 0);
  EXPECT_EQ(ipat.Race.Snapshots.size(), 2u);
  ASSERT_EQ(Run(DecodeOddsWinPlace, Page("単・複・枠連オッズ", "オッズ 発売中 14:59現在")), 0);
  EXPECT_EQ(ipat.Race.Snapshots.size(), 2u);  // same time: replaced
}

}  // namespace
}  // namespace vorpa

// The log blocks and status labels of the status window.
#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPatLog.h"
#include "support/IPatPageBuilder.h"

namespace vorpa {
namespace {

using test::Sj;
using Lines = std::vector<std::string>;

class LogTest : public ::testing::Test {
 protected:
  LogTest() : clock(EncodeDate(2026, 12, 6) + 0.5), ipat(setting, clock) {
    ipat.Init();
    ipat.MeetingCode[1].Code = "50323";
    ipat.MeetingCode[2].Code = "60323";
    ipat.MeetingDate = EncodeDate(2026, 12, 6);
    ipat.SessionKey = "KEY";
    ClearRace(ipat.Race, Sj("東京"), 11, ipat.MeetingDate);
  }
  Lines Block(uint8_t state) {
    ipat.IPatState = state;
    return IPatLogBlock(ipat);
  }
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

TEST_F(LogTest, MeetingBlock) {
  ipat.CurVenue = 1;
  ipat.Status[1][1].Listed = true;
  ipat.Status[1][1].FinalMark = true;
  ipat.Status[1][1].ResultMark = true;
  ipat.Status[1][2].Listed = true;
  ipat.Status[1][3].Listed = true;
  ipat.Status[1][3].ResultMark = true;
  EXPECT_EQ(Block(TIPat::MeetingInfo),
            (Lines{Sj("[開催地]"), "26/12/06", "KEY", "1", "50323", "60323", "1 O S", "2  ", "3   S"}));
  ipat.CurVenue = 0;
  EXPECT_EQ(Block(TIPat::Login).size(), 6u);
}

TEST_F(LogTest, CardBlockPrintsScratchedRunnersWithMinusOne) {
  TRaceHeader& h = ipat.Race.Header;
  h.RaceName = Sj("シロツメカップ");
  h.Condition1 = "C1";
  h.Condition2 = "C2";
  h.Distance = 2400;
  h.CourseText = Sj("芝");
  h.RunnerCount = 1;
  h.Weather = Sj("晴");
  h.Going = Sj("良");
  h.StartTime = EncodeTime(15, 40, 0);
  TSyutuba& u = ipat.Race.Runner(1);
  u = {1, 1, Sj("ホース"), "-", 1, 4, 480, true, -4, Sj("騎手"), 57.0, Sj("☆"), "T", -1, ""};
  EXPECT_EQ(Block(TIPat::RaceCard),
            (Lines{Sj("[出馬]東京11"), Sj("[シロツメカップ] [C1] [C2]"), Sj("2400 芝 1 晴 良 15:40:00"),
                   Sj("1 1 ホース 1 4 480 -4 騎手 ☆ 57 -1")}));
}

TEST_F(LogTest, OddsBlocksCoverTheFullMatrices) {
  Lines noSnapshot = Block(TIPat::OddsWinPlace);
  EXPECT_EQ(noSnapshot, (Lines{Sj("[単複枠]東京11"), "0", "0", "0"}));
  ipat.Race.Snapshots.push_back(EmptySnapshot());
  OddsSnapshot& s = ipat.Race.Snapshots[0];
  s.WinTime() = EncodeTime(14, 35, 0);
  s.Win(1) = 3.4;
  s.Bracket(8, 8) = 12;
  s.Exacta(2, 1) = 5.5;
  s.Quinella(17, 18) = 100.5;
  s.WideHigh(1, 2) = 2.5;
  ipat.Race.Votes = {12345670000LL, 0, 5000, 40000, 50000, 60000, 70000, 80000, 90000};
  Lines wp = Block(TIPat::OddsWinPlace);
  ASSERT_EQ(wp.size(), 1u + 1 + 18 + 8 + 3);
  EXPECT_EQ(wp[1], "14:35:00");
  EXPECT_EQ(wp[2], "3.4 -1 -1");
  EXPECT_EQ(wp[20], " -1 -1 -1 -1 -1 -1 -1 -1");
  EXPECT_EQ(wp[27], " 12");
  EXPECT_EQ(wp[28], "1234567");
  EXPECT_EQ(wp[30], "0.5");
  Lines ex = Block(TIPat::OddsExacta);
  ASSERT_EQ(ex.size(), 1u + 1 + 18 + 1);
  EXPECT_EQ(ex[1], "00:00:00");
  EXPECT_EQ(ex[3].substr(0, 8), " 5.5 -1 ");
  EXPECT_EQ(std::count(ex[3].begin(), ex[3].end(), ' '), 17);
  EXPECT_EQ(ex[20], "5");
  Lines q = Block(TIPat::OddsQuinella);
  ASSERT_EQ(q.size(), 1u + 1 + 17 + 1);
  EXPECT_EQ(q[18], " 100.5");
  EXPECT_EQ(q[19], "4");
  Lines w = Block(TIPat::OddsWide);
  ASSERT_EQ(w.size(), 1u + 1 + 34 + 1);
  EXPECT_EQ(w[3].substr(0, 5), " 2.5 ");
  EXPECT_EQ(Block(TIPat::OddsTrio), (Lines{Sj("[3連複]東京11"), "7"}));
  EXPECT_EQ(Block(TIPat::OddsTrifecta), (Lines{Sj("[3連単]東京11"), "8"}));
}

TEST_F(LogTest, ResultBlockAndOtherStates) {
  TRaceResult& r = ipat.Race.Result;
  r.WinHorse = {3, 0};
  r.WinPay = {1230, 0};
  r.PlaceHorse = {3, 12, 5, 0};
  r.PlacePay = {150, 320, 200, 0};
  r.BracketPair[0] = {2, 7};
  r.BracketPay[0] = 2050;
  r.WidePair[0] = {3, 12};
  r.WidePay[0] = 880;
  EXPECT_EQ(Block(TIPat::Result),
            (Lines{Sj("[結果]東京11"), "3:1230 0:0", "3:150 12:320 5:200 0:0", "2-7:2050 0-0:0",
                   "0-0:0 0-0:0", "3-12:880 0-0:0 0-0:0 0-0:0 0-0:0"}));
  for (uint8_t st : {0, 3, 12, 13, 14, 15}) EXPECT_TRUE(Block(st).empty());
}

TEST_F(LogTest, StatusLabels) {
  ipat.CurVenue = 1;
  ipat.CurRace = 11;
  ipat.IPatState = TIPat::WaitStart;
  EXPECT_EQ(IPatVenueLabel(ipat), "");
  EXPECT_EQ(IPatRaceLabel(ipat), "");
  ipat.IPatState = TIPat::MeetingInfo;
  EXPECT_EQ(IPatVenueLabel(ipat), Sj("東京"));
  EXPECT_EQ(IPatRaceLabel(ipat), "");
  ipat.IPatState = TIPat::StoreData;
  EXPECT_EQ(IPatRaceLabel(ipat), "11R");
  ipat.CurVenue = 3;  // no meeting in slot 3
  EXPECT_EQ(IPatVenueLabel(ipat), "");
}

TEST_F(LogTest, StatusTextsOfTheSevenLabels) {
  ipat.CurVenue = 2;
  ipat.CurRace = 4;
  ipat.ActionCount = 3;
  ipat.AccessCount = 1234;
  ipat.ErrRetryCount = 2;
  ipat.ErrWaitCount = 59;
  ipat.IPatState = TIPat::OddsExacta;
  TIPatStatusTexts t = IPatStatusTexts(ipat);
  EXPECT_EQ(t.State, Sj("馬単オッズ取得"));
  EXPECT_EQ(t.Venue, Sj("中山"));
  EXPECT_EQ(t.Race, "4R");
  EXPECT_EQ(t.ActionCount, "3");
  EXPECT_EQ(t.AccessCount, "1234");
  EXPECT_EQ(t.ErrRetryCount, "2");
  EXPECT_EQ(t.ErrWaitCount, "59");
  ipat.IPatState = TIPat::WaitStart;
  t = IPatStatusTexts(ipat);
  EXPECT_EQ(t.State, Sj("開始待ち"));
  EXPECT_EQ(t.Venue + t.Race, "");
  ipat.IPatState = 16;  // no name: the window keeps its label
  EXPECT_EQ(IPatStatusTexts(ipat).State, "");
}

}  // namespace
}  // namespace vorpa

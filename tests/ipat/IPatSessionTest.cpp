// The session: requests, the state machine, the schedule check, the status
// update and the error-page test.
#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "ipat/IPatPage.h"
#include "support/IPatPageBuilder.h"
#include "support/TempDir.h"
#include "core/RaceIO/RaceIO.h"

namespace vorpa {
namespace {

using test::Sj;

double Today() { return EncodeDate(2026, 12, 6); }
double At(int h, int m, int s = 0) { return EncodeTime(h, m, s); }

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() : clock(Today() + At(10, 0)), ipat(setting, clock) {
    setting.INetID = "AB123456";
    setting.IPatHost = "127.0.0.1:8931";
    ipat.Init();
  }
  // Slot v listed with races 1..n, each with the given flags.
  void List(int v, const std::string& code, int n, bool final = true, bool result = false) {
    ipat.MeetingCode[v].Code = code;
    for (int r = 1; r <= n; ++r) {
      ipat.Status[v][r].Listed = true;
      ipat.Status[v][r].FinalMark = final;
      ipat.Status[v][r].ResultMark = result;
    }
  }
  void Finish(int v, int r) {
    ipat.Status[v][r].StartTime = At(10, 0);
    ipat.Status[v][r].OddsDone = true;
    ipat.Status[v][r].ResultDone = true;
  }
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

TEST_F(SessionTest, LoginBodyIsExactlyThePageCodeAndTheInetId) {
  ipat.IPatState = TIPat::Login;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.PostData, "g=Mnu02&i=AB123456");
  EXPECT_EQ(ipat.Url, "https://127.0.0.1:8931/p/s");
  EXPECT_EQ(ipat.Para.ParamW, "");
}

TEST_F(SessionTest, RaceElevenOfMeeting50323) {
  ipat.SessionKey = "KEY9";
  ipat.MeetingCode[1].Code = "50323";
  ipat.CurVenue = 1;
  ipat.CurRace = 11;
  ipat.IPatState = TIPat::RaceCard;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.Para.ParamS, "50323b0");
  EXPECT_EQ(ipat.PostData, "g=Den01&s=50323b0&w=KEY9&j=5032300000");
  ipat.IPatState = TIPat::OddsWinPlace;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.Para.ParamJ, "50323Ota01");
  EXPECT_EQ(ipat.PostData, "g=Ota01&s=50323b0&w=KEY9&j=50323Ota01");
  ipat.IPatState = TIPat::MeetingInfo;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.PostData, "g=Mnu01&s=0000000&w=KEY9&j=5032300000&m=50323");
  ipat.IPatState = TIPat::Result;
  ipat.CurRace = 12;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.PostData, "g=Sei01&s=50323c0&w=KEY9&j=5032300000");
}

TEST_F(SessionTest, TrioAndTrifectaNameTheFirstRunnerNotScratched) {
  ipat.SessionKey = "K";
  ipat.MeetingCode[1].Code = "50323";
  ipat.CurVenue = 1;
  ipat.CurRace = 1;
  ipat.Race.Header.RunnerCount = 16;
  ipat.Race.Runner(1).Finish = -1;
  ipat.Race.Runner(2).Finish = -1;
  ipat.IPatState = TIPat::OddsTrio;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.PostData, "g=Osa01&s=5032313&w=K&j=50323Osa00");
  ipat.IPatState = TIPat::OddsTrifecta;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.PostData, "g=Ost01&s=5032313&w=K&j=50323Ost00&c=1");
  for (int h = 1; h <= 16; ++h) ipat.Race.Runner(h).Finish = -1;
  ipat.BuildRequest();
  EXPECT_EQ(ipat.Para.ParamS, "5032311");
}

TEST_F(SessionTest, StatesWithoutPageLeaveTheRequestEmpty) {
  ipat.IPatState = TIPat::Login;
  ipat.BuildRequest();
  for (uint8_t st : {0, 3, 12, 13, 14, 15}) {
    ipat.IPatState = st;
    ipat.BuildRequest();
    EXPECT_EQ(ipat.Url, "") << int(st);
    EXPECT_EQ(ipat.PostData, "") << int(st);
    EXPECT_EQ(ipat.Para.ParamG, "") << int(st);
  }
}

TEST_F(SessionTest, NumberCharacters) {
  EXPECT_EQ(NumberChar(1), "1");
  EXPECT_EQ(NumberChar(9), "9");
  EXPECT_EQ(NumberChar(10), "a");
  EXPECT_EQ(NumberChar(18), "i");
  EXPECT_EQ(NumberChar(0), "");
  EXPECT_EQ(NumberChar(19), "");
}

TEST_F(SessionTest, MenuWithoutSlotTwoGoesFromLoginToTheRaceWalk) {
  List(1, "50323", 3);
  ipat.IPatState = TIPat::Login;
  ipat.CurVenue = 1;  // as the login page decoder leaves it
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::LoadData);
  EXPECT_EQ(ipat.CurVenue, 1);
  EXPECT_EQ(ipat.CurRace, 1);
}

TEST_F(SessionTest, LoginVisitsTheMenusOfTheOtherSlotsFirst) {
  List(1, "50323", 2);
  List(2, "60323", 2);
  List(3, "90323", 2);
  ipat.IPatState = TIPat::Login;
  ipat.CurVenue = 1;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::MeetingInfo);
  EXPECT_EQ(ipat.CurVenue, 2);
  ipat.NextState();
  EXPECT_EQ(ipat.CurVenue, 3);
  EXPECT_EQ(ipat.IPatState, TIPat::MeetingInfo);
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::LoadData);
  EXPECT_EQ(ipat.CurVenue, 1);
  EXPECT_EQ(ipat.CurRace, 1);
}

TEST_F(SessionTest, AVisitSkipsWhatTheFlagsDoNotCallFor) {
  List(1, "50323", 1, /*final=*/true, /*result=*/true);
  ipat.CurVenue = 1;
  ipat.CurRace = 1;
  RaceStatus& st = ipat.Status[1][1];
  st.WantExacta = false;  // a message page instead of the exacta page
  st.WantWide = false;
  std::vector<int> states;
  ipat.IPatState = TIPat::LoadData;
  for (int i = 0; i < 12 && ipat.IPatState < TIPat::RunEnd; ++i) {
    ipat.NextState();
    states.push_back(ipat.IPatState);
    if (ipat.IPatState == TIPat::StoreData) Finish(1, 1);
  }
  EXPECT_EQ(states, (std::vector<int>{4, 5, 7, 8, 9, 11, 12, 15}));
}

TEST_F(SessionTest, ACardWithoutFinalOddsGoesToTheResultOrStore) {
  List(1, "50323", 1, /*final=*/false, /*result=*/true);
  ipat.CurVenue = 1;
  ipat.CurRace = 1;
  ipat.IPatState = TIPat::RaceCard;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::Result);
  ipat.Status[1][1].ResultMark = false;
  ipat.IPatState = TIPat::RaceCard;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::StoreData);
}

TEST_F(SessionTest, RunsEndIn15WhenAllIsDoneAnd13Otherwise) {
  List(1, "50323", 2);
  Finish(1, 1);
  Finish(1, 2);
  ipat.IPatState = TIPat::MeetingInfo;
  ipat.CurVenue = 1;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::AllDone);

  TIPat empty(setting, clock);
  empty.Init();
  empty.MeetingCode[1].Code = "50323";
  empty.IPatState = TIPat::MeetingInfo;
  empty.CurVenue = 1;
  empty.NextState();
  EXPECT_EQ(empty.IPatState, TIPat::RunEnd);  // no race listed at all

  // A listed race with a post time, not selected and odds not done: no
  // step now, but not finished either.
  ipat.Status[1][2].ResultDone = false;
  ipat.Status[1][2].OddsDone = false;
  ipat.Status[1][2].Selected = false;
  ipat.IPatState = TIPat::StoreData;
  ipat.CurRace = 2;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::RunEnd);
}

TEST_F(SessionTest, FirstStepOrder) {
  List(1, "50323", 4, true, true);
  ipat.Status[1][1].StartTime = 0;  // card first
  ipat.Status[1][2].StartTime = At(10, 0);
  ipat.Status[1][2].Selected = false;  // not due: result page only
  ipat.Status[1][3].StartTime = At(10, 0);
  ipat.Status[1][3].Selected = true;
  Finish(1, 4);
  ipat.CurVenue = 1;
  ipat.CurRace = 1;
  ipat.IPatState = TIPat::LoadData;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::RaceCard);
  ipat.CurRace = 2;
  ipat.IPatState = TIPat::LoadData;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::Result);
  ipat.CurRace = 3;
  ipat.IPatState = TIPat::LoadData;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::RaceCard);
  ipat.CurRace = 4;  // finished: the walk finds nothing after it
  ipat.IPatState = TIPat::LoadData;
  ipat.NextState();
  EXPECT_EQ(ipat.IPatState, TIPat::RunEnd);
}

class ScheduleTest : public SessionTest {
 protected:
  RaceStatus& Race1() { return ipat.Status[1][1]; }
  bool DueAt(int h, int m, int s = 0) {
    clock.Set(Today() + At(h, m, s));
    ipat.CheckSchedule();
    return Race1().Selected;
  }
  void SetUp() override {
    List(1, "50323", 1);
    Race1().LastFetch = At(10, 0);
  }
};

TEST_F(ScheduleTest, ThirtyMinuteCycle) {
  EXPECT_FALSE(DueAt(10, 29));
  EXPECT_FALSE(DueAt(10, 29, 59));
  EXPECT_TRUE(DueAt(10, 30, 1));
  EXPECT_EQ(ipat.IPatState, TIPat::MeetingInfo);
  EXPECT_EQ(ipat.CurVenue, 0);
}

TEST_F(ScheduleTest, OddsNotFinalDueThreeMinutesAfterPost) {
  Race1().StartTime = At(10, 20);
  EXPECT_FALSE(DueAt(10, 22, 59));
  EXPECT_TRUE(DueAt(10, 23, 1));
}

TEST_F(ScheduleTest, CycleZeroWaitsForTheResultOnly) {
  setting.IPatGetCycle = 0;
  Race1().StartTime = At(10, 20);
  Race1().OddsDone = true;
  EXPECT_FALSE(DueAt(10, 44, 59));
  EXPECT_TRUE(DueAt(10, 45, 1));
  Race1().ResultDone = true;
  EXPECT_FALSE(DueAt(18, 0));
}

TEST_F(ScheduleTest, NeverFetchedIsDueAtOnceAndReadingsBeforeTheStartToo) {
  Race1().LastFetch = 0;
  EXPECT_TRUE(DueAt(9, 0));
  Race1().LastFetch = At(8, 0);  // before IPatStartTime 09:18
  EXPECT_FALSE(DueAt(8, 10));
  EXPECT_TRUE(DueAt(9, 19));
}

TEST_F(ScheduleTest, DeadlineBeforePostFiresOnce) {
  setting.IPatGetCycle = 0;
  Race1().StartTime = At(15, 40);
  Race1().Deadline[0] = -At(0, 5);
  EXPECT_FALSE(DueAt(15, 34, 59));
  EXPECT_TRUE(DueAt(15, 35, 1));
  EXPECT_EQ(Race1().Deadline[0], 0);
  EXPECT_FALSE(DueAt(15, 36));
}

TEST_F(ScheduleTest, ClockDeadlineAndNothingAfterTheDaySwitch) {
  setting.IPatGetCycle = 0;
  Race1().Deadline[1] = At(12, 0);
  EXPECT_FALSE(DueAt(11, 59, 59));
  EXPECT_TRUE(DueAt(12, 0, 1));
  EXPECT_EQ(Race1().Deadline[1], 0);
  Race1().Deadline[2] = At(19, 10);
  EXPECT_FALSE(DueAt(19, 30));  // past 19:20 no deadline fires
  EXPECT_EQ(Race1().Deadline[2], At(19, 10));
}

TEST_F(ScheduleTest, OnlyListedUnfinishedRacesOfUsedSlotsAreDue) {
  Race1().LastFetch = 0;
  ipat.Status[2][1].Listed = true;  // slot 2 has no meeting code
  clock.Set(Today() + At(11, 0));
  EXPECT_TRUE(ipat.CheckSchedule());
  EXPECT_FALSE(ipat.Status[2][1].Selected);
  EXPECT_FALSE(ipat.Status[1][2].Selected);
  Finish(1, 1);
  EXPECT_FALSE(ipat.CheckSchedule());
}

TEST_F(SessionTest, CopyFromTakesThePlanButNotTheSelection) {
  List(1, "50323", 2);
  ipat.SessionKey = "KEY";
  ipat.MeetingDate = Today();
  ipat.Status[1][1].LastFetch = At(10, 0);
  ipat.Status[1][1].RunnerCount = 16;
  ipat.Status[1][1].Deadline = {At(12, 0), 0, 0};
  ipat.Status[1][1].WantTrio = false;
  TIPat copy(setting, clock);
  copy.CopyFrom(ipat);
  EXPECT_EQ(copy.IPatState, TIPat::MeetingInfo);
  EXPECT_EQ(copy.SessionKey, "KEY");
  EXPECT_EQ(copy.MeetingDate, Today());
  EXPECT_EQ(copy.MeetingCode[1].Code, "50323");
  EXPECT_TRUE(copy.Status[1][1].Listed);
  EXPECT_FALSE(copy.Status[1][1].WantTrio);
  EXPECT_EQ(copy.Status[1][1].LastFetch, At(10, 0));
  EXPECT_FALSE(copy.Status[1][1].Selected);
  EXPECT_EQ(copy.Status[1][1].RunnerCount, 0);
  EXPECT_EQ(copy.Status[1][1].Deadline[0], 0);
  EXPECT_EQ(copy.Priority, 0);
}

TEST_F(SessionTest, InitTakesDeadlinesAndPriorityFromTheSettings) {
  setting.IPatGetTime[10][0] = At(15, 0);
  setting.IPatGetTime[10][1] = At(0, 10);
  setting.IPatGetBefore[10][1] = true;
  setting.IPatPriority = 5;
  ipat.SessionKey = "OLD";
  ipat.Init();
  EXPECT_EQ(ipat.SessionKey, "");
  EXPECT_EQ(ipat.Priority, 5);
  EXPECT_EQ(ipat.Status[2][11].Deadline[0], At(15, 0));
  EXPECT_EQ(ipat.Status[2][11].Deadline[1], -At(0, 10));
  EXPECT_TRUE(ipat.Status[2][11].Selected);
}

TEST_F(SessionTest, UpdateStatusFromTheRecord) {
  ipat.MeetingCode[1].Code = "50323";
  ipat.CurVenue = 1;
  ipat.CurRace = 3;
  RaceStatus& st = ipat.Status[1][3];
  st.Deadline = {At(9, 50), -At(0, 30), At(11, 0)};
  st.StartTime = At(10, 20);
  st.WantTrio = st.WantTrifecta = st.WantQuinella = st.WantWide = false;
  ipat.Race.Header.StartTime = At(10, 25);
  ipat.Race.Snapshots.push_back(EmptySnapshot());
  ipat.Race.Snapshots[0].WinTime() = At(9, 55);
  ipat.Race.Votes[0] = 10000;
  ipat.UpdateStatus();
  EXPECT_NEAR(st.LastFetch, At(10, 0), 1e-9);
  EXPECT_EQ(st.Deadline[0], 0);           // 09:50 lies before the reading
  EXPECT_EQ(st.Deadline[1], 0);           // 09:55 is after 10:20 - 0:30
  EXPECT_EQ(st.Deadline[2], At(11, 0));
  EXPECT_FALSE(st.OddsDone);              // exacta still wanted, no votes
  EXPECT_EQ(st.StartTime, At(10, 25));
  ipat.Race.Votes[4] = 10000;
  ipat.UpdateStatus();
  EXPECT_TRUE(st.OddsDone);
  EXPECT_FALSE(st.ResultDone);
  ipat.Race.Snapshots.clear();
  ipat.UpdateStatus();
  EXPECT_FALSE(st.OddsDone);
}

TEST_F(SessionTest, StoreAndLoadGoThroughTheRaceFileOfTheSlot) {
  test::TempDir dir;
  setting.MojiPath = dir.Path();
  ipat.MeetingCode[2].Code = "60323";
  ipat.MeetingDate = Today();
  ipat.CurVenue = 2;
  ipat.CurRace = 5;
  ipat.LoadRace();  // no file yet: a cleared record of the slot's venue
  EXPECT_EQ(ipat.Race.Header.VenueName, Sj("中山"));
  EXPECT_EQ(ipat.Race.Header.RaceNo, 5);
  EXPECT_EQ(ipat.Race.Header.RaceDate, Today());
  ipat.Race.Header.StartTime = At(12, 30);
  ipat.Race.Header.RunnerCount = 1;
  ipat.Race.Runner(1).HorseNo = 1;
  ipat.Race.Snapshots.push_back(EmptySnapshot());
  ipat.Race.Snapshots[0].WinTime() = At(9, 40);
  ipat.Race.Votes = {10000, 10000, 10000, 10000, 10000, 10000, 10000, 10000, 10000};
  ipat.StoreRace();
  EXPECT_TRUE(ipat.Status[2][5].OddsDone);
  EXPECT_FALSE(test::ReadFileBytes(RaceFilePath(dir.Path(), Sj("中山"), 5, Today())).empty());
  ipat.Status[2][5] = RaceStatus();
  ipat.LoadRace();
  EXPECT_EQ(ipat.Race.Snapshots.size(), 1u);
  EXPECT_EQ(ipat.Status[2][5].StartTime, ipat.Race.Header.StartTime);
  EXPECT_TRUE(ipat.Status[2][5].OddsDone);
}

TEST_F(SessionTest, ErrorPageNeedsThreeEntries) {
  ipat.IPatState = TIPat::RaceCard;
  test::TPageBuilder b;
  b.T("[1]<1>", "").T("[2][1,1]<1>", "").T("[2][3,1]<1>", "認証エラー");
  {
    TIPatPage page(b.Tables(), b.Forms());
    EXPECT_EQ(ipat.Decode(page), 1);
  }
  test::TPageBuilder c;
  c.T("[1]<1>", "").T("[2][1,1]<1>", "").T("[2][3,1]<1>", "接続エラー");
  {
    TIPatPage page(c.Tables(), c.Forms());
    EXPECT_EQ(ipat.Decode(page), 2);
  }
  test::TPageBuilder d;  // the error text as the second entry is no error page
  d.T("[1]<1>", "").T("[2][3,1]<1>", "認証エラー");
  {
    TIPatPage page(d.Tables(), d.Forms());
    EXPECT_EQ(ipat.Decode(page), 10);  // the race card decoder ran
  }
  ipat.IPatState = TIPat::StoreData;
  TIPatPage none(std::vector<std::string>{}, std::vector<std::string>{});
  EXPECT_EQ(ipat.Decode(none), 3);
}

TEST_F(SessionTest, ErrorTexts) {
  EXPECT_EQ(TIPat::ErrorText(1), Sj("認証エラー"));
  EXPECT_EQ(TIPat::ErrorText(2), Sj("接続エラー"));
  EXPECT_EQ(TIPat::ErrorText(3), Sj("未定義情報受信エラー"));
  EXPECT_EQ(TIPat::ErrorText(4), Sj("レース情報未公開"));
  EXPECT_EQ(TIPat::ErrorText(5), Sj("開催終了?"));
  EXPECT_EQ(TIPat::ErrorText(6), Sj("データ解析エラー1"));
  EXPECT_EQ(TIPat::ErrorText(38), Sj("データ解析エラー33"));
  EXPECT_EQ(TIPat::ErrorText(39), Sj("未定義エラー"));
  EXPECT_EQ(TIPat::ErrorText(0), Sj("未定義エラー"));
  EXPECT_EQ(IPatStateLabel(7), Sj("３連複オッズ取得"));
  EXPECT_EQ(IPatStateLabel(15), Sj("全処理終了"));
  EXPECT_EQ(IPatStateLabel(16), "");
}

}  // namespace
}  // namespace vorpa

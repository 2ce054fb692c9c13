// One visit of an 18-runner race decoded from saved simulator pages,
// through the real table and form extraction.
#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "support/SavedPages.h"

namespace vorpa {
namespace {

using test::SavedPage;

class SavedPagesTest : public ::testing::Test {
 protected:
  SavedPagesTest() : clock(test::PagesDate() + EncodeTime(17, 30, 0)), ipat(setting, clock) {
    ipat.Init();
    ipat.MeetingCode[1].Code = test::kPagesCode;
    ipat.CurVenue = 1;
    ipat.CurRace = test::kPagesRace;
    ipat.MeetingDate = test::PagesDate();
    ClearRace(ipat.Race, Utf8ToCp932(test::kPagesVenueUtf8), test::kPagesRace, test::PagesDate());
  }
  int Decode(uint8_t state, const std::string& name) {
    ipat.IPatState = state;
    return ipat.Decode(SavedPage(name));
  }
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

TEST_F(SavedPagesTest, LoginMenu) {
  ASSERT_EQ(Decode(TIPat::Login, "menu-login.html"), 0);
  EXPECT_EQ(ipat.MeetingCode[1].Code, "A2634");
  EXPECT_FALSE(ipat.SessionKey.empty());
  EXPECT_TRUE(ipat.Status[1][11].Listed);
  EXPECT_TRUE(ipat.Status[1][11].FinalMark);
  EXPECT_TRUE(ipat.Status[1][11].ResultMark);
}

TEST_F(SavedPagesTest, AWholeVisit) {
  ASSERT_EQ(Decode(TIPat::RaceCard, "card18.html"), 0);
  const TRace& race = ipat.Race;
  EXPECT_EQ(race.Header.RaceName, Utf8ToCp932("石榴坂ステークス"));
  EXPECT_EQ(race.Header.Condition1, Utf8ToCp932("３歳以上"));
  EXPECT_EQ(race.Header.Distance, 1200);
  EXPECT_EQ(race.Header.RunnerCount, 18);
  EXPECT_EQ(race.Header.Going, Utf8ToCp932("重"));
  EXPECT_EQ(race.Header.Weather, Utf8ToCp932("雨"));
  EXPECT_NEAR(race.Header.StartTime, EncodeTime(15, 45, 0), 1e-9);
  EXPECT_EQ(race.Runner(1).HorseName, Utf8ToCp932("ルリカンテラ"));
  EXPECT_EQ(race.Runner(1).Sex, 2);
  EXPECT_EQ(race.Runner(5).ApprenticeMark, Utf8ToCp932("▲"));
  EXPECT_EQ(race.Runner(5).JockeyName, Utf8ToCp932("大槻蒔生"));
  // A visiting rider's name keeps its full-width stop and gets no mark.
  EXPECT_EQ(race.Runner(8).JockeyName, Utf8ToCp932("Ｅ．ヴァルデン"));
  EXPECT_EQ(race.Runner(8).ApprenticeMark, Utf8ToCp932("　"));
  EXPECT_EQ(race.Runner(9).Age, 4);
  EXPECT_EQ(race.Runner(9).WeightDiff, -12);

  ASSERT_EQ(Decode(TIPat::OddsWinPlace, "winplace18.html"), 0);
  ASSERT_EQ(race.Snapshots.size(), 1u);
  EXPECT_EQ(race.Snapshots[0].WinTime(), race.Header.StartTime);  // 確定
  EXPECT_EQ(race.Snapshots[0].Win(1), 9.2);
  EXPECT_EQ(race.Snapshots[0].PlaceHigh(2), 15.7);
  EXPECT_EQ(race.Votes[0], 534702LL * 10000);
  EXPECT_EQ(race.Votes[8], 5694565LL * 10000);
  for (uint8_t st : {TIPat::OddsExacta, TIPat::OddsTrio, TIPat::OddsTrifecta, TIPat::OddsQuinella,
                     TIPat::OddsWide}) {
    const char* names[] = {"exacta18.html", "trio18.html", "trifecta18.html", "quinella18.html", "wide18.html"};
    EXPECT_EQ(Decode(st, names[st - TIPat::OddsExacta]), 0) << int(st);
  }
  EXPECT_EQ(race.Votes[6], 1176342LL * 10000);
  for (int k : {4, 5, 6, 8}) EXPECT_GT(race.Votes[k - 1], 0) << k;
  EXPECT_GT(race.Snapshots[0].Exacta(18, 17), 0);
  EXPECT_GT(race.Snapshots[0].Quinella(17, 18), 0);
  EXPECT_GT(race.Snapshots[0].WideHigh(17, 18), race.Snapshots[0].WideLow(17, 18));

  ASSERT_EQ(Decode(TIPat::Result, "result18.html"), 0);
  EXPECT_EQ(race.Runner(10).Finish, 1);
  EXPECT_EQ(race.Runner(14).Finish, 18);
  EXPECT_EQ(race.Runner(14).Margin, Utf8ToCp932("ハナ"));
  EXPECT_EQ(race.Result.WinHorse[0], 10);
  EXPECT_EQ(race.Result.WinPay[0], 5750);
  EXPECT_EQ(race.Result.PlacePay[2], 460);
  EXPECT_EQ(race.Result.BracketPair[0], (std::array<int, 2>{5, 8}));
  EXPECT_EQ(race.Result.WidePay[1], 12750);
  EXPECT_EQ(race.Result.ExactaPair[0], (std::array<int, 2>{10, 17}));
  EXPECT_EQ(race.Result.TrioSet[0], (std::array<int, 3>{10, 13, 17}));
  EXPECT_TRUE(HasResult(race));
}

TEST_F(SavedPagesTest, PagesOfAnotherKind) {
  EXPECT_EQ(Decode(TIPat::RaceCard, "winplace18.html"), 10);  // item 4 is a table: no header
  ipat.Race.Header.StartTime = EncodeTime(15, 45, 0);
  EXPECT_EQ(Decode(TIPat::OddsWinPlace, "card18.html"), 33);
  EXPECT_EQ(Decode(TIPat::Result, "card18.html"), 28);
  EXPECT_EQ(Decode(TIPat::MeetingInfo, "card18.html"), 6);
  const std::string card = SavedPage("card18.html");
  ipat.IPatState = TIPat::RaceCard;
  EXPECT_NE(ipat.Decode(card.substr(0, card.size() / 2)), 5);  // truncated: no crash
  EXPECT_EQ(ipat.Decode(std::string()), 10);
}

}  // namespace
}  // namespace vorpa

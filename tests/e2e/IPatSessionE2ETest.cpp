// The session without the thread against a real vorpa-ipatd: login, menus,
// race walk, every page decoded and every race stored, at several moments
// of a simulated day; every stored race file is compared with what the
// server says it served (its truth).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "ipat/IPat.h"
#include "support/IpatdServer.h"
#include "support/TempDir.h"
#include "support/TruthCompare.h"

namespace vorpa {
namespace {

using json = nlohmann::json;
using RaceKey = std::pair<int, int>;  // venue slot, race number
// The pages decoded for each race stored in a run, by state.
using RunLog = std::map<RaceKey, std::set<int>>;

class SessionDay : public ::testing::Test {
 protected:
  SessionDay()
      : server({"--seed", "7", "--now", "2026-12-06 09:40:00"}), clock(0), ipat(setting, clock) {
    setting.INetID = "E2E00001";
    setting.IPatHost = server.Host();
    setting.MojiPath = dir.Path();
    setting.IPatGetCycle = 1;  // every unfinished race is due on each run
  }

  void At(const std::string& when) {
    double now = 0;
    ASSERT_TRUE(TryTextToDateTime(when, &now));
    clock.Set(now);
    ASSERT_TRUE(server.SetNow(when));
  }

  // Drives the session from its present state to the end of the run, as
  // the thread does but without retries: every page must decode.
  RunLog Run() {
    RunLog stored, pages;
    for (int step = 0; step < 5000 && ipat.IPatState < TIPat::RunEnd; ++step) {
      ipat.NextState();
      const uint8_t st = ipat.IPatState;
      if (st == TIPat::LoadData) {
        ipat.LoadRace();
      } else if (st == TIPat::StoreData) {
        ipat.StoreRace();
        stored[{ipat.CurVenue, ipat.CurRace}] = pages[{ipat.CurVenue, ipat.CurRace}];
      } else if ((st >= TIPat::Login && st <= TIPat::MeetingInfo) ||
                 (st >= TIPat::RaceCard && st <= TIPat::Result)) {
        ipat.BuildRequest();
        const std::string page = ipat.Fetch();
        EXPECT_FALSE(page.empty()) << "state " << int(st);
        const int code = ipat.Decode(page);
        EXPECT_EQ(code, 0) << "state " << int(st) << " slot " << ipat.CurVenue << " race "
                           << ipat.CurRace << ": " << Cp932ToUtf8(TIPat::ErrorText(code));
        if (code != 0) break;
        pages[{ipat.CurVenue, ipat.CurRace}].insert(st);
      }
    }
    return stored;
  }

  // Every race stored in the run against the server's truth of the moment,
  // as far as the run read its pages.
  void Compare(const RunLog& stored) {
    const json truth = json::parse(server.Truth());
    for (const auto& [key, read] : stored) {
      const auto [v, r] = key;
      SCOPED_TRACE("slot " + std::to_string(v) + " race " + std::to_string(r));
      const json* race = test::TruthRace(truth, ipat.MeetingCode[v].Code, r);
      ASSERT_NE(race, nullptr);
      TRace rec;
      LoadRace(dir.Path(), ipat.VenueNameOfSlot(v), r, rec, ipat.MeetingDate);
      const bool card = read.count(TIPat::RaceCard), odds = read.count(TIPat::OddsWinPlace),
                 result = read.count(TIPat::Result);
      test::ExpectRaceMatchesTruth(*race, rec, card, odds, result);
      cardsCompared += card;
      oddsCompared += odds;
      resultsCompared += result;
    }
  }

  int cardsCompared = 0, oddsCompared = 0, resultsCompared = 0;
  test::TempDir dir;
  test::IpatdServer server;
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

TEST_F(SessionDay, MorningBeforePostAndAfterTheResults) {
  ASSERT_NE(server.Port(), 0);
  At("2026-12-06 09:40:00");
  ipat.Init();
  RunLog stored = Run();
  EXPECT_EQ(ipat.IPatState, TIPat::RunEnd);
  EXPECT_FALSE(ipat.SessionKey.empty());
  EXPECT_GE(stored.size(), 12u);  // every race of the day has a card
  Compare(stored);

  At("2026-12-06 12:10:00");
  ASSERT_TRUE(ipat.CheckSchedule());
  stored = Run();
  EXPECT_EQ(ipat.IPatState, TIPat::RunEnd);
  Compare(stored);

  At("2026-12-06 17:30:00");
  ASSERT_TRUE(ipat.CheckSchedule());
  stored = Run();
  EXPECT_EQ(ipat.IPatState, TIPat::AllDone);
  Compare(stored);

  At("2026-12-06 17:45:00");
  EXPECT_FALSE(ipat.CheckSchedule());  // nothing left to read
  // Two meetings of twelve races, some cancelled (never listed): the card,
  // odds and result of every other race were compared at least once.
  EXPECT_GE(cardsCompared, 20);
  EXPECT_GE(oddsCompared, 20);
  EXPECT_GE(resultsCompared, 20);
}

}  // namespace
}  // namespace vorpa

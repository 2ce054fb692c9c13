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

namespace vorpa {
namespace {

using json = nlohmann::json;
using RaceKey = std::pair<int, int>;  // venue slot, race number
// The pages decoded for each race stored in a run, by state.
using RunLog = std::map<RaceKey, std::set<int>>;

std::string Sj(const json& utf8) { return Utf8ToCp932(utf8.get<std::string>()); }

// The value a stored odds cell must hold for the text the page showed.
double CellValue(const json& text) {
  const std::string t = Sj(text);
  if (t.empty() || t == Utf8ToCp932("取消")) return NoOdds;
  return NumberOf(t, 0);
}

// Pair cells "i-j" of a truth object, the rest NoOdds.
template <typename Get>
void ExpectPairs(const json& cells, int n, bool ordered, bool same, Get stored, const std::string& what) {
  for (int i = 1; i <= n; ++i) {
    for (int j = ordered ? 1 : i; j <= n; ++j) {
      if (i == j && !same) continue;
      const std::string key = std::to_string(i) + "-" + std::to_string(j);
      const double expected = cells.contains(key) ? CellValue(cells[key]) : NoOdds;
      EXPECT_EQ(stored(i, j), expected) << what << " " << key;
    }
  }
}

void ExpectOdds(const json& odds, const TRace& race, int n) {
  ASSERT_FALSE(race.Snapshots.empty());
  const OddsSnapshot& s = race.Snapshots.back();
  for (int h = 1; h <= n; ++h) {
    EXPECT_EQ(s.Win(h), CellValue(odds["win"][h - 1])) << "win " << h;
    if (s.Win(h) == NoOdds) continue;  // place cells follow the win cell
    EXPECT_EQ(s.PlaceLow(h), CellValue(odds["placeLow"][h - 1])) << "place " << h;
    EXPECT_EQ(s.PlaceHigh(h), CellValue(odds["placeHigh"][h - 1])) << "place " << h;
  }
  ExpectPairs(odds["bracket"], kMaxFrames, false, true, [&](int i, int j) { return s.Bracket(i, j); }, "bracket");
  ExpectPairs(odds["quinella"], n, false, false, [&](int i, int j) { return s.Quinella(i, j); }, "quinella");
  ExpectPairs(odds["wideLow"], n, false, false, [&](int i, int j) { return s.WideLow(i, j); }, "wide low");
  ExpectPairs(odds["wideHigh"], n, false, false, [&](int i, int j) { return s.WideHigh(i, j); }, "wide high");
  if (!odds["exacta"].is_null())
    ExpectPairs(odds["exacta"], n, true, false, [&](int i, int j) { return s.Exacta(i, j); }, "exacta");
  const char* names[] = {"win", "place", "bracket", "quinella", "exacta", "wide", "trio", "trifecta", "total"};
  for (int k = 1; k <= kVoteTypes; ++k) {
    const json& votes = odds["votes"];
    const int64_t expected = votes.contains(names[k - 1]) ? FixedPointOf(Sj(votes[names[k - 1]])) : 0;
    EXPECT_EQ(race.Votes[k - 1], expected) << "votes " << names[k - 1];
  }
}

void ExpectRunners(const json& truth, const TRace& race) {
  for (const json& r : truth["runners"]) {
    const int h = r["horseNo"].get<int>();
    ASSERT_GE(h, 1);
    const TSyutuba& u = race.Runner(h);
    EXPECT_EQ(u.HorseNo, h);
    EXPECT_EQ(u.FrameNo, r["frame"].get<int>()) << "horse " << h;
    EXPECT_EQ(u.HorseName, RemoveBlanks(Sj(r["name"]))) << "horse " << h;
    EXPECT_EQ(u.Burden, NumberOf(Sj(r["burden"]), 0)) << "horse " << h;
    EXPECT_EQ(u.TrainerName, CutToBytes(Sj(r["trainer"]), 18)) << "horse " << h;
    const std::string jockey = Sj(r["jockey"]);
    EXPECT_TRUE(jockey == u.ApprenticeMark + u.JockeyName || jockey == u.JockeyName) << "horse " << h;
    const std::string weight = Sj(r["weight"]);
    if (!weight.empty()) EXPECT_EQ(u.BodyWeight, IntOf(SplitFirst(weight, "k").first)) << "horse " << h;
    if (r["scratched"].get<bool>()) EXPECT_EQ(u.Finish, -1) << "horse " << h;
  }
}

std::array<int, 3> Numbers(const std::string& combination) {
  std::array<int, 3> out{};
  std::string digits;
  int k = 0;
  for (size_t i = 0; i <= combination.size(); ++i) {
    const char c = i < combination.size() ? combination[i] : ' ';
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if (!digits.empty()) {
      if (k < 3) out[k++] = std::stoi(digits);
      digits.clear();
    }
  }
  return out;
}

template <size_t N, size_t W>
void ExpectCombos(const json& pays, const std::array<std::array<int, W>, N>& combos,
                  const std::array<int, N>& amounts, const char* what) {
  for (size_t k = 0; k < N; ++k) {
    if (k >= pays.size()) {
      EXPECT_EQ(amounts[k], 0) << what << " " << k + 1;
      continue;
    }
    const std::string pay = Sj(pays[k][1]);
    EXPECT_EQ(amounts[k], IntBeforeNoComma(pay, Utf8ToCp932("円"))) << what << " " << k + 1;
    const std::array<int, 3> nums = Numbers(pays[k][0].get<std::string>());
    for (size_t w = 0; w < W; ++w) EXPECT_EQ(combos[k][w], nums[w]) << what << " " << k + 1;
  }
}

template <size_t N>
void ExpectSingles(const json& pays, const std::array<int, N>& horses, const std::array<int, N>& amounts,
                   const char* what) {
  for (size_t k = 0; k < N; ++k) {
    const bool listed = k < pays.size();
    EXPECT_EQ(horses[k], listed ? Numbers(pays[k][0].get<std::string>())[0] : 0) << what << " " << k + 1;
    EXPECT_EQ(amounts[k], listed ? IntBeforeNoComma(Sj(pays[k][1]), Utf8ToCp932("円")) : 0)
        << what << " " << k + 1;
  }
}

void ExpectResult(const json& result, const TRace& race) {
  const int n = race.Header.RunnerCount;
  int k = 0;
  for (const json& row : result["order"]) {
    if (++k > n) break;
    const int h = Numbers(row["horseNo"].get<std::string>())[0];
    if (row["margin"].get<std::string>().empty()) continue;
    EXPECT_EQ(race.Runner(h).Finish, k) << "place " << k;
    EXPECT_EQ(race.Runner(h).Margin, Sj(row["margin"])) << "place " << k;
  }
  const TRaceResult& r = race.Result;
  ExpectSingles(result["win"], r.WinHorse, r.WinPay, "win");
  ExpectSingles(result["place"], r.PlaceHorse, r.PlacePay, "place");
  ExpectCombos(result["bracket"], r.BracketPair, r.BracketPay, "bracket");
  ExpectCombos(result["quinella"], r.QuinellaPair, r.QuinellaPay, "quinella");
  ExpectCombos(result["wide"], r.WidePair, r.WidePay, "wide");
  ExpectCombos(result["exacta"], r.ExactaPair, r.ExactaPay, "exacta");
  ExpectCombos(result["trio"], r.TrioSet, r.TrioPay, "trio");
  ExpectCombos(result["trifecta"], r.TrifectaSet, r.TrifectaPay, "trifecta");
  std::string refund;
  for (const json& t : result["refund"]) refund += (refund.empty() ? "" : " ") + Sj(t);
  EXPECT_EQ(race.Result.RefundText, Trim(refund));
}

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
      const std::string& code = ipat.MeetingCode[v].Code;
      const json* race = nullptr;
      for (const json& m : truth["meetings"])
        if (m["code"] == code)
          for (const json& x : m["races"])
            if (x["no"] == r) race = &x;
      ASSERT_NE(race, nullptr);
      TRace rec;
      LoadRace(dir.Path(), ipat.VenueNameOfSlot(v), r, rec, ipat.MeetingDate);
      const int n = (*race)["runnerCount"].get<int>();
      EXPECT_EQ(rec.Header.RunnerCount, n);
      if (read.count(TIPat::OddsWinPlace)) {
        ASSERT_FALSE((*race)["odds"].is_null());
        ExpectOdds((*race)["odds"], rec, n);
        ++oddsCompared;
      }
      if (read.count(TIPat::Result)) {
        ASSERT_FALSE((*race)["result"].is_null());
        ExpectResult((*race)["result"], rec);
        ++resultsCompared;
      }
      if (!read.count(TIPat::RaceCard)) continue;
      ++cardsCompared;
      EXPECT_EQ(rec.Header.Distance, (*race)["distance"].get<int>());
      double post = 0;
      ASSERT_TRUE(TryTextToTime((*race)["postTime"].get<std::string>(), &post));
      EXPECT_NEAR(rec.Header.StartTime, post, 1e-6);
      ExpectRunners(*race, rec);
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

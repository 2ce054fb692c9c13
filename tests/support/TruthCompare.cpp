#include "support/TruthCompare.h"

#include <gtest/gtest.h>

#include <array>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/TextUtil.h"

namespace vorpa::test {
namespace {

using json = nlohmann::json;

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
    if (!weight.empty()) {
      EXPECT_EQ(u.BodyWeight, IntOf(SplitFirst(weight, "k").first)) << "horse " << h;
    }
    if (r["scratched"].get<bool>()) {
      EXPECT_EQ(u.Finish, -1) << "horse " << h;
    }
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

}  // namespace

const nlohmann::json* TruthRace(const nlohmann::json& truth, const std::string& code, int raceNo) {
  for (const json& m : truth["meetings"])
    if (m["code"] == code)
      for (const json& x : m["races"])
        if (x["no"] == raceNo) return &x;
  return nullptr;
}

void ExpectRaceMatchesTruth(const json& race, const TRace& rec, bool card, bool odds, bool result) {
  const int n = race["runnerCount"].get<int>();
  EXPECT_EQ(rec.Header.RunnerCount, n);
  if (odds) {
    ASSERT_FALSE(race["odds"].is_null());
    ExpectOdds(race["odds"], rec, n);
  }
  if (result) {
    ASSERT_FALSE(race["result"].is_null());
    ExpectResult(race["result"], rec);
  }
  if (!card) return;
  EXPECT_EQ(rec.Header.Distance, race["distance"].get<int>());
  double post = 0;
  ASSERT_TRUE(TryTextToTime(race["postTime"].get<std::string>(), &post));
  EXPECT_NEAR(rec.Header.StartTime, post, 1e-6);
  ExpectRunners(race, rec);
}

}  // namespace vorpa::test

#pragma once
// Realistic race records for tests and benchmarks: a full race card, votes,
// payouts and a day of odds readings, every text within its file width, so
// that a stored record loads back equal. Header-only, so that benchmarks
// (which do not link the test support library) use it too.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Race.h"
#include "core/RaceIO/RaceIO.h"
#include "history/HistoryStore.h"

namespace vorpa::test {

struct RaceRecipe {
  std::string VenueUtf8 = "東京";
  int RaceNo = 11;
  double Date = EncodeDate(2026, 12, 6);
  int Runners = 18;
  int Readings = 15;    // odds snapshots, every 20 minutes from 09:30
  bool Result = true;   // finishing order, margins and payouts
  int Scratched = 0;    // horse number of a scratched runner, 0 = none
  uint32_t Seed = 1;    // varies names, weights and odds
};

namespace factory {

// A small deterministic generator (numbers in [0, n)).
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
  int Roll(int n) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((state_ >> 8) % static_cast<uint32_t>(n));
  }

 private:
  uint32_t state_;
};

inline std::string Sjis(const char* utf8) { return Utf8ToCp932(utf8); }

// Odds as IPAT shows them: one decimal below 1000, whole numbers above.
inline double OddsValue(double x) {
  x = std::max(1.0, x);
  return x < 1000 ? std::round(x * 10) / 10 : std::round(x);
}

inline void FillCard(TRace& race, const RaceRecipe& r, Dice& dice) {
  static const char* const kHorse[] = {"アオゾラノカナタ", "ハルカゼトキメキ", "シロガネノツバサ",
                                       "ミナモノヒカリ", "ミズカキボシ", "ソヨギノハネ",
                                       "アカツキノウタ", "カゼノサイコウ", "ナナイロノユメ",
                                       "コハクノトキ", "ツキノミチシルベ", "ヒカリノソウゲン"};
  static const char* const kJockey[] = {"山田太郎", "斎藤一郎", "鈴木次郎", "高橋三郎", "田村四郎",
                                        "伊藤五郎", "渡辺六郎", "中村杢", "小川樫"};
  static const char* const kTrainer[] = {"加藤榧", "吉川樫", "山口椋", "松本柾", "井上楡",
                                         "木下櫂", "林檀", "清原榊"};
  static const char* const kMark[] = {"　", "　", "　", "☆", "△", "▲"};
  TRaceHeader& h = race.Header;
  h.StartTime = EncodeTime(15, 40, 0);
  h.Kai = 5;
  h.Nichi = 8;
  h.RaceName = Sjis("雪灯ステークス");
  h.Condition1 = Sjis("サラ系３歳以上");
  h.Condition2 = Sjis("オープン（国際）（指定）　定量");
  h.CourseText = Sjis("芝・左");
  h.Distance = 2400;
  h.RunnerCount = r.Runners;
  h.Weather = Sjis("晴");
  h.Going = Sjis("良");
  for (int no = 1; no <= r.Runners; ++no) {
    TSyutuba& s = race.Runner(no);
    s.HorseNo = no;
    s.FrameNo = r.Runners <= 8 ? no : std::min(8, (no - 1) * 8 / r.Runners + 1);
    s.HorseName = Sjis(kHorse[(no + dice.Roll(12)) % 12]);
    s.MarkText = "-";
    s.Sex = dice.Roll(3);
    s.Age = 3 + dice.Roll(5);
    s.BodyWeight = 440 + dice.Roll(80);
    s.WeightDiffKnown = dice.Roll(6) != 0;
    s.WeightDiff = s.WeightDiffKnown ? dice.Roll(25) - 12 : 0;
    s.JockeyName = Sjis(kJockey[dice.Roll(9)]);
    s.Burden = 54 + dice.Roll(9) * 0.5;
    s.ApprenticeMark = Sjis(kMark[dice.Roll(6)]);
    s.TrainerName = Sjis(kTrainer[dice.Roll(8)]);
    if (no == r.Scratched) s.Finish = -1;
  }
}

inline void FillResult(TRace& race, const RaceRecipe& r) {
  static const char* const kMargin[] = {"1:33.5", "クビ", "1/2", "ハナ", "1 1/4", "アタマ", "2"};
  int place = 1;
  for (int no = 1; no <= r.Runners; ++no) {
    TSyutuba& s = race.Runner(no);
    if (s.Finish == -1) continue;
    s.Finish = place;
    s.Margin = Sjis(kMargin[(place - 1) % 7]);
    ++place;
  }
  TRaceResult& p = race.Result;
  const int a = r.Scratched == 1 ? 2 : 1, b = a + 1, c = b + 1;
  const int fa = race.Runner(a).FrameNo, fb = race.Runner(b).FrameNo;
  p.WinHorse = {a, 0};
  p.WinPay = {340, 0};
  p.PlaceHorse = {a, b, c, 0};
  p.PlacePay = {150, 220, 480, 0};
  p.BracketPair = {{{std::min(fa, fb), std::max(fa, fb)}, {0, 0}}};
  p.BracketPay = {910, 0};
  p.QuinellaPair = {{{a, b}, {0, 0}}};
  p.QuinellaPay = {1230, 0};
  p.WidePair = {{{a, b}, {a, c}, {b, c}, {0, 0}, {0, 0}}};
  p.WidePay = {460, 1050, 1980, 0, 0};
  p.ExactaPair = {{{a, b}, {0, 0}}};
  p.ExactaPay = {2150, 0};
  p.TrioSet = {{{a, b, c}, {0, 0, 0}}};
  p.TrioPay = {5640, 0};
  p.TrifectaSet = {{{a, b, c}, {0, 0, 0}}};
  p.TrifectaPay = {24870, 0};
}

inline void FillSnapshot(OddsSnapshot& s, const TRace& race, int reading, Dice& dice) {
  const int n = race.Header.RunnerCount;
  auto live = [&](int h) { return race.Runner(h).Finish != -1; };
  // Whole seconds, as the file keeps them.
  const int minute = 9 * 60 + 30 + reading * 20;
  auto at = [&](int sec) { return EncodeTime(minute / 60 % 24, minute % 60, sec); };
  s.WinTime() = at(0);
  s.QuinellaTime() = at(20);
  s.ExactaTime() = at(40);
  s.WideTime() = at(59);
  std::vector<double> base(n + 1, 0);
  for (int h = 1; h <= n; ++h) base[h] = 1.8 + h * h * 0.4 + dice.Roll(40) * 0.1;
  for (int h = 1; h <= n; ++h) {
    if (!live(h)) continue;
    s.Win(h) = OddsValue(base[h]);
    s.PlaceLow(h) = OddsValue(1 + base[h] / 5);
    s.PlaceHigh(h) = OddsValue(1.3 + base[h] / 3);
  }
  for (int i = 1; i <= kMaxFrames; ++i)
    for (int j = i; j <= kMaxFrames; ++j) s.Bracket(i, j) = OddsValue(i * j * 2.2 + dice.Roll(30) * 0.1);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (i == j || !live(i) || !live(j)) continue;
      const double q = base[i] * base[j] / 2.5;
      s.Exacta(i, j) = OddsValue(q * (i < j ? 1.7 : 2.1) + dice.Roll(50) * 0.1);
      if (i > j) continue;
      s.Quinella(i, j) = OddsValue(q + dice.Roll(20) * 0.1);
      s.WideLow(i, j) = OddsValue(q / 4);
      s.WideHigh(i, j) = OddsValue(q / 3 + dice.Roll(10) * 0.1);
    }
  }
}

}  // namespace factory

// A race with the recipe's card, votes, readings and (when asked) result.
inline TRace MakeRace(const RaceRecipe& r = {}) {
  factory::Dice dice(r.Seed + static_cast<uint32_t>(r.RaceNo) * 31u);
  TRace race;
  ClearRace(race, Utf8ToCp932(r.VenueUtf8), r.RaceNo, r.Date);
  factory::FillCard(race, r, dice);
  for (int k = 0; k < kVoteTypes - 1; ++k) race.Votes[k] = int64_t{1000000 + 370011 * k + dice.Roll(9999)} * 10000;
  for (int k = 0; k < kVoteTypes - 1; ++k) race.Votes[8] += race.Votes[k];
  if (r.Result) factory::FillResult(race, r);
  race.Snapshots.resize(r.Readings);
  for (int k = 0; k < r.Readings; ++k) {
    InitSnapshot(race.Snapshots[k]);
    factory::FillSnapshot(race.Snapshots[k], race, k, dice);
  }
  return race;
}

// Stores a meeting day of 3 venues x 12 races (36 files) in dataDir.
inline void StoreMeetingDay(const std::string& dataDir, double date, int readings = 15) {
  for (const char* venue : {"東京", "中山", "阪神"}) {
    for (int no = 1; no <= 12; ++no) {
      RaceRecipe r;
      r.VenueUtf8 = venue;
      r.RaceNo = no;
      r.Date = date;
      r.Readings = readings;
      r.Seed = static_cast<uint32_t>(no * 7 + venue[0]);
      StoreRace(dataDir, MakeRace(r));
    }
  }
}

// Stores `race` as acquisition does, one reading more at each store, with
// the win pool in votes that each store read (0: none read), and brings
// the history database up to date after every store.
inline void StoreReadingByReading(const std::string& dataDir, const TRace& race,
                                  const std::vector<double>& winPools) {
  TRace partial = race;
  for (size_t k = 1; k <= race.Snapshots.size(); ++k) {
    partial.Snapshots.assign(race.Snapshots.begin(), race.Snapshots.begin() + static_cast<long>(k));
    partial.Votes[0] = k <= winPools.size() ? std::llround(winPools[k - 1] * 10000.0) : 0;
    StoreRace(dataDir, partial);
    UpdateHistoryAfterStore(dataDir, partial.Header);
  }
}

}  // namespace vorpa::test

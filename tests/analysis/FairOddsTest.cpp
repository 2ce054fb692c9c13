// The fair-odds model: small fields worked out by hand as exact fractions,
// an 18-runner reading against an enumeration of every finishing order of
// the first three, and scratched horses and missing values.
#include "analysis/FairOdds.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "support/RaceFactory.h"

namespace vorpa {
namespace {

constexpr double kEps = 1e-12;

// A race of the given win odds (horse h at index h-1; NoOdds = no value)
// and frames, in one reading.
TRace RaceOf(const std::vector<double>& win, const std::vector<int>& frames) {
  TRace race;
  race.Header.RunnerCount = static_cast<int>(win.size());
  race.Snapshots.push_back(EmptySnapshot());
  for (size_t i = 0; i < win.size(); ++i) {
    const int h = static_cast<int>(i) + 1;
    race.Runner(h).HorseNo = h;
    race.Runner(h).FrameNo = frames[i];
    race.Snapshots[0].Win(h) = win[i];
  }
  return race;
}

double SumOf(const std::vector<TFairLine>& lines) {
  double sum = 0;
  for (const TFairLine& l : lines) sum += l.Probability;
  return sum;
}

std::map<std::string, double> ByText(const std::vector<TFairLine>& lines) {
  std::map<std::string, double> m;
  for (const TFairLine& l : lines) m[CombinationText(l)] = l.Probability;
  return m;
}

TEST(FairOdds, ThreeRunnersByHand) {
  // 1/o = 0.625, 0.3125, 0.3125 (sum 1.25): the takeout taken out in
  // proportion leaves p = 1/2, 1/4, 1/4.
  const TRace race = RaceOf({1.6, 3.2, 3.2}, {1, 2, 3});
  const TFairModel m(race, 0);
  ASSERT_EQ(m.Horses(), (std::vector<int>{1, 2, 3}));
  EXPECT_NEAR(m.Win(1), 1.0 / 2, kEps);
  EXPECT_NEAR(m.Win(3), 1.0 / 4, kEps);
  // Exacta 1-2 = (1/2)(1/4)/(1/2) = 1/4; 2-1 = (1/4)(1/2)/(3/4) = 1/6;
  // 2-3 = (1/4)(1/4)/(3/4) = 1/12.
  const auto exacta = ByText(FairLines(m, kBetExacta, nullptr));
  EXPECT_NEAR(exacta.at("1-2"), 1.0 / 4, kEps);
  EXPECT_NEAR(exacta.at("2-1"), 1.0 / 6, kEps);
  EXPECT_NEAR(exacta.at("2-3"), 1.0 / 12, kEps);
  EXPECT_NEAR(exacta.at("3-1"), 1.0 / 6, kEps);
  // Quinella 1-2 = 1/4 + 1/6 = 5/12; 2-3 = 1/6.
  const auto quinella = ByText(FairLines(m, kBetQuinella, nullptr));
  EXPECT_NEAR(quinella.at("1-2"), 5.0 / 12, kEps);
  EXPECT_NEAR(quinella.at("2-3"), 1.0 / 6, kEps);
  // Trifecta 1-2-3: the third is the horse left, so (1/4)(1)... = 1/4.
  const auto trifecta = ByText(FairLines(m, kBetTrifecta, nullptr));
  EXPECT_NEAR(trifecta.at("1-2-3"), 1.0 / 4, kEps);
  EXPECT_NEAR(trifecta.at("3-2-1"), 1.0 / 12, kEps);
  // Three runners: the one trio is certain, so is every wide pair.
  EXPECT_NEAR(ByText(FairLines(m, kBetTrio, nullptr)).at("1-2-3"), 1, kEps);
  EXPECT_NEAR(ByText(FairLines(m, kBetWide, nullptr)).at("2-3"), 1, kEps);
  // Seven or fewer: place is the first two. Horse 1: 1/2 + 1/6 + 1/6.
  EXPECT_EQ(m.PlaceCount(), 2);
  const auto place = ByText(FairLines(m, kBetPlace, nullptr));
  EXPECT_NEAR(place.at("1"), 5.0 / 6, kEps);
  EXPECT_NEAR(place.at("2"), 7.0 / 12, kEps);
  // Fair odds: payout rate over probability, one rate per bet type.
  const auto lines = FairLines(m, kBetTrifecta, nullptr);
  EXPECT_NEAR(lines.front().FairOdds, 0.725 / (1.0 / 4), kEps);
  EXPECT_NEAR(FairLines(m, kBetWin, nullptr).front().FairOdds, 0.80 / 0.5, kEps);
  EXPECT_NEAR(FairLines(m, kBetQuinella, nullptr).front().FairOdds, 0.775 / (5.0 / 12), kEps);
  EXPECT_NEAR(FairLines(m, kBetTrio, nullptr).front().FairOdds, 0.75, kEps);
}

TEST(FairOdds, FourRunnersByHandAndSums) {
  // p = 1/2, 1/4, 1/5, 1/20; horses 2 and 3 share frame 2.
  const TRace race = RaceOf({2.0, 4.0, 5.0, 20.0}, {1, 2, 2, 3});
  const TFairModel m(race, 0);
  // Exacta 2-3 = (1/4)(1/5)/(3/4) = 1/15.
  EXPECT_NEAR(m.Exacta(2, 3), 1.0 / 15, kEps);
  // Trifecta 4-3-2 = (1/20)(1/5)(1/4) / ((19/20)(15/20)) = 1/285.
  EXPECT_NEAR(m.Trifecta(4, 3, 2), 1.0 / 285, kEps);
  // Trio 2-3-4: the six orders, each p2 p3 p4 over its own denominators;
  // p2 p3 p4 = 1/400, the denominators (1-pa)(1-pa-pb):
  //   2,3: (3/4)(11/20) 2,4: (3/4)(14/20) 3,2: (4/5)(11/20)
  //   3,4: (4/5)(15/20) 4,2: (19/20)(14/20) 4,3: (19/20)(15/20).
  const double trio = 1.0 / 400 *
                      (1 / (0.75 * 0.55) + 1 / (0.75 * 0.7) + 1 / (0.8 * 0.55) +
                       1 / (0.8 * 0.75) + 1 / (0.95 * 0.7) + 1 / (0.95 * 0.75));
  EXPECT_NEAR(m.Trio(2, 3, 4), trio, kEps);
  // Four runners: wide 1-2 holds the trios {1,2,3} and {1,2,4}, which are
  // all but the two trios that leave out 1 or 2.
  EXPECT_NEAR(m.Wide(1, 2), m.Trio(1, 2, 3) + m.Trio(1, 2, 4), kEps);
  EXPECT_NEAR(m.Wide(1, 2), 1 - m.Trio(1, 3, 4) - m.Trio(2, 3, 4), kEps);
  // Bracket 2-2 is the quinella of horses 2 and 3; 1-2 holds 1-2 and 1-3.
  const auto bracket = ByText(FairLines(m, kBetBracket, nullptr));
  EXPECT_NEAR(bracket.at("2-2"), m.Quinella(2, 3), kEps);
  EXPECT_NEAR(bracket.at("1-2"), m.Quinella(1, 2) + m.Quinella(1, 3), kEps);
  EXPECT_EQ(bracket.count("1-1"), 0u);  // one horse in frame 1
  EXPECT_EQ(bracket.count("3-3"), 0u);
  // Every bet type sums to the number of winning combinations.
  const double expected[kBetTypes] = {1, 2, 1, 1, 1, 3, 1, 1};
  const size_t counts[kBetTypes] = {4, 4, 4, 6, 12, 6, 4, 24};
  for (int b = 0; b < kBetTypes; ++b) {
    const auto lines = FairLines(m, static_cast<TBetType>(b), nullptr);
    EXPECT_NEAR(SumOf(lines), expected[b], kEps) << BetName(static_cast<TBetType>(b));
    EXPECT_EQ(lines.size(), counts[b]) << BetName(static_cast<TBetType>(b));
  }
}

// The probability of each bet's events by walking every order of the
// first three: P(a, b, c) built step by step from the raw weights 1/o.
std::map<std::string, double> Enumerated(const std::vector<double>& win,
                                         const std::vector<int>& frames) {
  const int n = static_cast<int>(win.size());
  std::vector<double> w(n);
  for (int i = 0; i < n; ++i) w[i] = 1 / win[i];
  const double total = std::accumulate(w.begin(), w.end(), 0.0);
  std::map<std::string, double> e;
  auto key = [](const char* bet, std::vector<int> nums, bool sort) {
    if (sort) std::sort(nums.begin(), nums.end());
    std::string k = bet;
    for (size_t i = 0; i < nums.size(); ++i) k += (i ? "-" : " ") + std::to_string(nums[i]);
    return k;
  };
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      for (int c = 0; c < n; ++c) {
        if (a == b || a == c || b == c) continue;
        const double pr = w[a] / total * w[b] / (total - w[a]) * w[c] / (total - w[a] - w[b]);
        const int A = a + 1, B = b + 1, C = c + 1;
        e[key("win", {A}, false)] += pr;
        for (int h : {A, B, C}) e[key("place", {h}, false)] += pr;
        e[key("bracket", {frames[a], frames[b]}, true)] += pr;
        e[key("quinella", {A, B}, true)] += pr;
        e[key("exacta", {A, B}, false)] += pr;
        for (auto [x, y] : {std::pair{A, B}, std::pair{A, C}, std::pair{B, C}})
          e[key("wide", {x, y}, true)] += pr;
        e[key("trio", {A, B, C}, true)] += pr;
        e[key("trifecta", {A, B, C}, false)] += pr;
      }
  return e;
}

TEST(FairOdds, EighteenRunnersMatchEnumeration) {
  const TRace race = test::MakeRace(test::RaceRecipe{});
  ASSERT_EQ(race.Header.RunnerCount, 18);
  const int last = static_cast<int>(race.Snapshots.size()) - 1;
  std::vector<double> win;
  std::vector<int> frames;
  for (int h = 1; h <= 18; ++h) {
    win.push_back(race.Snapshots[last].Win(h));
    frames.push_back(race.Runner(h).FrameNo);
  }
  const auto expected = Enumerated(win, frames);
  const TFairModel m(race, last);
  const size_t counts[kBetTypes] = {18, 18, 36, 153, 306, 153, 816, 4896};
  size_t checked = 0;
  for (int b = 0; b < kBetTypes; ++b) {
    const TBetType bet = static_cast<TBetType>(b);
    const auto lines = FairLines(m, bet, &race.Snapshots[last]);
    EXPECT_EQ(lines.size(), counts[b]) << BetName(bet);
    for (const TFairLine& l : lines) {
      std::string k = std::string(BetName(bet)) + " " + CombinationText(l);
      ASSERT_TRUE(expected.count(k)) << k;
      EXPECT_NEAR(l.Probability, expected.at(k), 1e-12) << k;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 18u + 18 + 36 + 153 + 306 + 153 + 816 + 4896);
  // Markets: quinella, exacta and wide odds of the reading with ratios;
  // trio and trifecta have none.
  const auto quinella = FairLines(m, kBetQuinella, &race.Snapshots[last]);
  const TFairLine& q = quinella.front();
  EXPECT_EQ(q.MarketOdds, race.Snapshots[last].Quinella(q.Numbers[0], q.Numbers[1]));
  EXPECT_NEAR(q.Ratio, q.MarketOdds * q.Probability / 0.775, kEps);
  const auto wide = FairLines(m, kBetWide, &race.Snapshots[last]);
  EXPECT_EQ(wide[5].MarketOdds, race.Snapshots[last].WideLow(wide[5].Numbers[0], wide[5].Numbers[1]));
  EXPECT_FALSE(FairLines(m, kBetTrio, &race.Snapshots[last]).front().HasMarket());
  EXPECT_EQ(FairLines(m, kBetTrifecta, &race.Snapshots[last]).front().Ratio, NoOdds);
}

TEST(FairOdds, ScratchedHorseAndMissingValues) {
  // Horse 2 scratched but with a stale value, horse 4 without a value,
  // horse 5 at 0: the model holds 1, 3 and 6..9 (six horses).
  TRace race = RaceOf({3.0, 4.0, 6.0, NoOdds, 0.0, 8.0, 10.0, 12.0, 20.0},
                      {1, 2, 3, 4, 5, 6, 7, 8, 8});
  race.Runner(2).Finish = -1;
  OddsSnapshot& s = race.Snapshots[0];
  s.Exacta(1, 3) = 9.9;  // the only exacta value of the reading
  s.Exacta(1, 2) = 5.0;  // a scratched horse's stale cell
  const TFairModel m(race, 0);
  EXPECT_EQ(m.Horses(), (std::vector<int>{1, 3, 6, 7, 8, 9}));
  EXPECT_EQ(m.Win(2), 0);
  EXPECT_EQ(m.PlaceCount(), 2);  // six running horses
  const double w = 1 / 3.0 + 1 / 6.0 + 1 / 8.0 + 1 / 10.0 + 1 / 12.0 + 1 / 20.0;
  EXPECT_NEAR(m.Win(1), (1 / 3.0) / w, kEps);
  const double sums[kBetTypes] = {1, 2, 1, 1, 1, 3, 1, 1};
  for (int b = 0; b < kBetTypes; ++b) {
    const auto lines = FairLines(m, static_cast<TBetType>(b), &s);
    EXPECT_NEAR(SumOf(lines), sums[b], kEps) << BetName(static_cast<TBetType>(b));
    for (const TFairLine& l : lines) {
      if (l.Bet == kBetBracket) continue;
      for (int k = 0; k < CombinationSize(l.Bet); ++k)
        EXPECT_TRUE(l.Numbers[k] != 2 && l.Numbers[k] != 4) << CombinationText(l);
    }
  }
  // Bracket: frames 2, 4 and 5 have no horse in the model; 8-8 holds two.
  const auto bracket = ByText(FairLines(m, kBetBracket, &s));
  EXPECT_EQ(bracket.count("2-3"), 0u);
  EXPECT_NEAR(bracket.at("8-8"), m.Quinella(8, 9), kEps);
  // The one exacta with a market gets a ratio; the others none.
  int withMarket = 0;
  for (const TFairLine& l : FairLines(m, kBetExacta, &s)) {
    if (!l.HasMarket()) {
      EXPECT_EQ(l.Ratio, NoOdds);
      continue;
    }
    ++withMarket;
    EXPECT_EQ(CombinationText(l), "1-3");
    EXPECT_NEAR(l.Ratio, 9.9 / (0.75 / m.Exacta(1, 3)), kEps);
  }
  EXPECT_EQ(withMarket, 1);
  // A reading that does not exist, and one without win values: no horse.
  EXPECT_TRUE(TFairModel(race, 1).Horses().empty());
  race.Snapshots[0] = EmptySnapshot();
  const TFairModel none(race, 0);
  for (int b = 0; b < kBetTypes; ++b)
    EXPECT_TRUE(FairLines(none, static_cast<TBetType>(b), &s).empty());
  // One horse: certain to win, no pair at all.
  race.Snapshots[0].Win(3) = 2.5;
  const TFairModel one(race, 0);
  EXPECT_NEAR(one.Win(3), 1, kEps);
  EXPECT_TRUE(FairLines(one, kBetExacta, nullptr).empty());
  EXPECT_TRUE(FairLines(one, kBetBracket, nullptr).empty());
}

TEST(FairOdds, SortedByProbabilityThenCombination) {
  // Horses 2 and 3 at equal odds: their lines tie and keep number order.
  const TRace race = RaceOf({2.0, 5.0, 5.0, 10.0}, {1, 2, 3, 4});
  const TFairModel m(race, 0);
  auto lines = FairLines(m, kBetWin, nullptr);
  SortByProbability(lines);
  std::vector<std::string> order;
  for (const TFairLine& l : lines) order.push_back(CombinationText(l));
  EXPECT_EQ(order, (std::vector<std::string>{"1", "2", "3", "4"}));
  lines = FairLines(m, kBetTrifecta, nullptr);
  SortByProbability(lines);
  for (size_t i = 1; i < lines.size(); ++i)
    EXPECT_GE(lines[i - 1].Probability, lines[i].Probability);
  EXPECT_EQ(CombinationText(lines.front()), "1-2-3");
  EXPECT_EQ(CombinationText(lines[1]), "1-3-2");
  TBetType bet;
  EXPECT_TRUE(BetOfName("wide", &bet));
  EXPECT_EQ(bet, kBetWide);
  EXPECT_FALSE(BetOfName("Wide", &bet));
}

}  // namespace
}  // namespace vorpa

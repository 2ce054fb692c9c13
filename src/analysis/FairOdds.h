#pragma once
// Fair odds from the win market. The win odds of one reading give each
// running horse a win probability with the takeout removed in proportion;
// Harville's orders (the next place goes to the remaining horses in
// proportion to their win probabilities) give the probability of every
// combination of the eight bet types. Fair odds are the payout rate of the
// bet type divided by the probability; a market odds value divided by its
// fair odds is the distortion ratio (above 1: the pool pays more than the
// win market implies).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Race.h"

namespace vorpa {

enum TBetType {
  kBetWin = 0,
  kBetPlace,
  kBetBracket,
  kBetQuinella,
  kBetExacta,
  kBetWide,
  kBetTrio,
  kBetTrifecta
};
constexpr int kBetTypes = 8;

// "win", "place", "bracket", "quinella", "exacta", "wide", "trio", "trifecta".
const char* BetName(TBetType bet);
// False when `name` is none of them.
bool BetOfName(std::string_view name, TBetType* bet);
// The share of the pool paid out: 0.80 win and place; 0.775 bracket
// quinella, quinella and wide; 0.75 exacta and trio; 0.725 trifecta.
double PayoutRate(TBetType bet);
// Horses (frames for the bracket quinella) in one combination: 1, 2 or 3.
int CombinationSize(TBetType bet);
// Whether the order of a combination counts (exacta, trifecta).
bool IsOrdered(TBetType bet);

// The probabilities of one reading. The horses in the model are the
// entries within RunnerCount that are not scratched and have a win odds
// value above 0; every other horse has probability 0. Horse and frame
// numbers count from 1.
class TFairModel {
 public:
  // An empty model (no horse).
  TFairModel() = default;
  // From the win odds of snapshot `index` of the race; empty when the
  // race has no such snapshot.
  TFairModel(const TRace& race, int index);

  // The horse numbers in the model, ascending.
  const std::vector<int>& Horses() const { return horses_; }
  // Places that count for the place bet: 2 with 7 horses or fewer, else 3.
  int PlaceCount() const { return horses_.size() <= 7 ? 2 : 3; }
  int FrameOf(int horse) const { return frame_[horse]; }

  double Win(int i) const { return p_[i]; }
  // In the first PlaceCount() places.
  double Place(int i) const { return place_[i]; }
  // i first, j second.
  double Exacta(int i, int j) const;
  // i and j first and second in either order.
  double Quinella(int i, int j) const { return Exacta(i, j) + Exacta(j, i); }
  // i, j, k first, second, third.
  double Trifecta(int i, int j, int k) const;
  // i, j, k the first three in any order.
  double Trio(int i, int j, int k) const;
  // i and j both among the first three.
  double Wide(int i, int j) const { return wide_[i][j]; }
  // The first two from frames a and b (both from frame a when a = b).
  double Bracket(int a, int b) const { return bracket_[a][b]; }

  // The probability of a combination of `bet` (numbers as CombinationSize
  // says, in finishing order for exacta and trifecta).
  double Of(TBetType bet, const std::array<int, 3>& numbers) const;

 private:
  std::array<double, kMaxRunners + 1> p_{};
  std::array<int, kMaxRunners + 1> frame_{};
  std::vector<int> horses_;
  std::array<double, kMaxRunners + 1> place_{};
  std::array<std::array<double, kMaxRunners + 1>, kMaxRunners + 1> wide_{};
  std::array<std::array<double, kMaxFrames + 1>, kMaxFrames + 1> bracket_{};
};

// One combination with its probability, fair odds and market.
struct TFairLine {
  TBetType Bet = kBetWin;
  std::array<int, 3> Numbers{};  // the first CombinationSize(Bet) are used
  double Probability = 0;
  double FairOdds = 0;
  double MarketOdds = NoOdds;  // NoOdds when the reading has none
  double Ratio = NoOdds;       // market / fair; NoOdds without a market

  bool HasMarket() const { return MarketOdds > 0; }
};

// The numbers joined by "-": "7", "3-12", "2-2" (frames), "5-1-9".
std::string CombinationText(const TFairLine& line);

// The market odds of a combination in a snapshot: win, the lower place
// bound, bracket quinella, quinella, exacta, the lower wide bound; NoOdds
// for trio and trifecta (not kept) and for a cell without a value above 0.
double MarketOdds(const OddsSnapshot& s, TBetType bet, const std::array<int, 3>& numbers);

// Every combination of `bet` among the model's horses (frames for the
// bracket quinella), in ascending combination order, with the market of
// `market` (none when null).
std::vector<TFairLine> FairLines(const TFairModel& model, TBetType bet,
                                 const OddsSnapshot* market);

// Highest probability first; equal probabilities keep their order.
void SortByProbability(std::vector<TFairLine>& lines);

}  // namespace vorpa

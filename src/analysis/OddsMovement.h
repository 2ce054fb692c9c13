#pragma once
// How the win market of a race moved from one stored reading to the next:
// the change of an odds cell, the popularity ranks of the win odds and the
// support shares behind them, and the money they stand for.
#include <array>

#include "core/Race.h"

namespace vorpa {

// The win payout rate: the win odds pay out 80 % of the win pool.
constexpr double kWinPayoutRate = 0.8;
// Yen per vote.
constexpr double kYenPerVote = 100.0;

// Whether horse h runs in the race: within RunnerCount and not scratched.
bool RunsInRace(const TRace& race, int h);

enum class TMoveKind { None, Shorter, Longer };

// One odds cell of reading `index` against the same cell of the reading
// before: both values when they are readings (0 or more), the kind when
// both are above 0 and differ.
struct TOddsChange {
  double Before = NoOdds;
  double After = NoOdds;
  TMoveKind Kind = TMoveKind::None;
};
TOddsChange CellChange(const TRace& race, int index, int cell);

// Whether `after` is at or below (100 - percent) % of `before`, both above
// 0 (a small tolerance keeps decimal thresholds exact).
bool FellByPercent(double before, double after, double percent);

// Per horse h at index h-1.
using THorseValues = std::array<double, kMaxRunners>;
using THorseRanks = std::array<int, kMaxRunners>;

// Popularity of the win odds of reading `index`: 1 for the lowest odds
// among the running horses with odds above 0; equal odds share a rank and
// the next rank skips (1, 2, 2, 4); 0 for a horse without a rank.
THorseRanks PopularityRanks(const TRace& race, int index);

// Win support shares of reading `index`: (1/o_h) / sum of 1/o_j over the
// running horses with odds above 0; 0 for the others.
THorseValues WinShares(const TRace& race, int index);

// Estimated money in yen on a horse at odds `odds` in a win pool of
// `poolVotes` votes; 0 when either is unknown (0 or less).
double MoneyOn(double poolVotes, double odds);

}  // namespace vorpa

#pragma once
// What the tab "推定" shows for the selected reading: the estimated trio
// and trifecta odds of the most likely combinations with their
// probabilities, and the quinella, exacta and wide combinations whose
// market pays most above their fair odds.
#include <array>
#include <string>
#include <vector>

#include "view/RaceCard.h"
#include "view/ReadingChoice.h"

namespace vorpa {

// Rows shown of the most distorted combinations.
constexpr int kDistortedRows = 20;

// "組番", "確率", "推定オッズ"; "種別", "組番", "オッズ", "理論", "歪み". CP932.
std::vector<std::string> EstimateHeaders();
std::vector<int> EstimateColumnWidths();
std::vector<std::string> DistortedHeaders();
std::vector<int> DistortedColumnWidths();

struct TDistortedRow {
  std::array<std::string, 5> Texts;  // kind, combination, market, fair, ratio
  TCalcRow Bet;                       // what a click hands to the calculator
};

struct TEstimateView {
  // Combination ("1-2-3"), probability ("4.85%"), fair odds ("15.5").
  std::vector<std::array<std::string, 3>> Trio, Trifecta;
  std::vector<TDistortedRow> Distorted;
};

// The `count` most likely trios and trifectas of the choice's win reading
// (most likely first), and the kDistortedRows quinella, exacta and wide
// combinations with a market and the highest ratio (highest first; the
// exacta alone for races of 8 runners or fewer, as the matrices show them).
TEstimateView BuildEstimateView(const TRace& race, const TReadingChoice& choice, int count);

}  // namespace vorpa

#pragma once
// The purchase calculator's figures: bet lines as the grid holds them,
// the budget spread over the lines, and the profit of each line with the
// total stake, the average profit and the average return rate.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "view/RaceCard.h"

namespace vorpa {

constexpr int kCalcColumns = 5;
enum TCalcColumn { kCalcKind = 0, kCalcCombination = 1, kCalcOdds = 2, kCalcStake = 3,
                   kCalcProfit = 4 };
const std::array<std::string, kCalcColumns>& CalcHeaders();
const std::array<int, kCalcColumns>& CalcColumnWidths();

// The grid rows from row 1, CP932 texts. The calculator is empty when its
// only line has no kind.
using TCalcLine = std::array<std::string, kCalcColumns>;
using TCalcLines = std::vector<TCalcLine>;
bool CalcIsEmpty(const TCalcLines& lines);
// One empty line.
TCalcLines EmptyCalcLines();

// Takes the empty line or appends one: the kind, the combination and the
// odds without half-width blanks, stake and profit empty.
void AddCalcRow(TCalcLines& lines, const TCalcRow& bet);

// The stakes of "計算" from the budget text (0 when it is not a number):
// the budget on every line when `buyCalc` is not 0; else shares in
// proportion to 1/odds, each rounded up to whole 100 yen, and "0" for a
// line whose odds are 0 or not a number. Nothing for an empty calculator.
void SpreadBudget(TCalcLines& lines, const std::string& budgetText, int buyCalc);

// The labels "合計", "利益" and "平均回収率".
struct TCalcTotals {
  std::string Total = "0";
  std::string Profit = "0";
  std::string ReturnRate = "0.00";
};
// Writes each line's profit (what the whole purchase gains when that line
// wins, 0 for a line that pays nothing) and returns the totals; the reset
// labels for an empty calculator.
TCalcTotals CalcProfit(TCalcLines& lines);

// The synthetic odds of the lines, 1 / Σ(1 / odds) over the lines whose
// odds are above 0 ("%.2f"): what the whole purchase pays per yen when one
// of them wins and the stakes follow 1/odds. "0.00" when no line has odds.
std::string SyntheticOdds(const TCalcLines& lines);

// Removes line `row` (from 1); the only line is emptied instead.
void DeleteCalcRow(TCalcLines& lines, int row);

// A stake typed into the correction field: its digits, "0" when empty.
std::string CorrectedStake(const std::string& editText);

// An amount text (stake or budget, at most 10 digits) as a number; 0 when
// it is not a whole number.
int64_t AmountOf(const std::string& text);

}  // namespace vorpa

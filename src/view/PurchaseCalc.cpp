#include "view/PurchaseCalc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Cp932.h"
#include "core/TextUtil.h"
#include "view/NumberPattern.h"

namespace vorpa {

namespace {

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

double OddsOf(const TCalcLine& line) { return NumberOf(line[kCalcOdds], 0); }

// A whole amount of yen; 0 for a figure no purse holds (odds texts of
// absurd size).
int64_t YenOf(double x) {
  return std::isfinite(x) && std::fabs(x) < 1e13 ? static_cast<int64_t>(std::trunc(x)) : 0;
}

}  // namespace

const std::array<std::string, kCalcColumns>& CalcHeaders() {
  static const std::array<std::string, kCalcColumns> h = {
      Utf8ToCp932("種"), Utf8ToCp932("内容"), Utf8ToCp932("オッズ"), Utf8ToCp932("金額"),
      Utf8ToCp932("利益")};
  return h;
}

const std::array<int, kCalcColumns>& CalcColumnWidths() {
  static const std::array<int, kCalcColumns> w = {17, 35, 40, 36, 48};
  return w;
}

bool CalcIsEmpty(const TCalcLines& lines) {
  return lines.empty() || (lines.size() == 1 && lines[0][kCalcKind].empty());
}

TCalcLines EmptyCalcLines() { return TCalcLines(1); }

void AddCalcRow(TCalcLines& lines, const TCalcRow& bet) {
  if (CalcIsEmpty(lines)) lines = EmptyCalcLines();
  else lines.emplace_back();
  lines.back() = {bet.Kind, WithoutBlanks(bet.Combination), WithoutBlanks(bet.Odds), "", ""};
}

int64_t AmountOf(const std::string& text) {
  if (text.empty() || text.size() > 15 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  return std::stoll(text);
}

void SpreadBudget(TCalcLines& lines, const std::string& budgetText, int buyCalc) {
  if (CalcIsEmpty(lines)) return;
  const int64_t budget = AmountOf(budgetText);
  if (buyCalc != 0) {
    for (TCalcLine& line : lines) line[kCalcStake] = std::to_string(budget);
    return;
  }
  double sum = 0;
  for (const TCalcLine& line : lines)
    if (const double o = OddsOf(line); o != 0) sum += 1 / o;
  for (TCalcLine& line : lines) {
    const double k = OddsOf(line) * sum;
    // Up to whole 100 yen; a share within 0.01 yen above a multiple of 100
    // stays at it.
    const int64_t stake = k != 0 ? YenOf((budget / k + 99.99) / 100) * 100 : 0;
    line[kCalcStake] = std::to_string(stake);
  }
}

std::string SyntheticOdds(const TCalcLines& lines) {
  double sum = 0;
  for (const TCalcLine& line : lines)
    if (const double o = OddsOf(line); o > 0) sum += 1 / o;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", sum > 0 ? 1 / sum : 0.0);
  return buf;
}

TCalcTotals CalcProfit(TCalcLines& lines) {
  TCalcTotals totals;
  if (CalcIsEmpty(lines)) return totals;
  int64_t total = 0;
  for (const TCalcLine& line : lines) total += AmountOf(line[kCalcStake]);
  int64_t sum = 0;
  for (TCalcLine& line : lines) {
    const int64_t payout = YenOf(OddsOf(line) * static_cast<double>(AmountOf(line[kCalcStake])));
    const int64_t profit = payout > 0 ? payout - total : 0;
    line[kCalcProfit] = std::to_string(profit);
    sum += profit;
  }
  const int64_t average = sum / static_cast<int64_t>(lines.size());
  totals.Total = ThousandsText(static_cast<double>(total));
  totals.Profit = ThousandsText(static_cast<double>(average));
  if (total != 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%5.2f", static_cast<double>(average + total) / total);
    totals.ReturnRate = buf;
  }
  return totals;
}

void DeleteCalcRow(TCalcLines& lines, int row) {
  if (row < 1 || row > static_cast<int>(lines.size())) return;
  if (lines.size() == 1) lines = EmptyCalcLines();
  else lines.erase(lines.begin() + (row - 1));
}

std::string CorrectedStake(const std::string& editText) {
  return editText.empty() ? "0" : editText;
}

}  // namespace vorpa

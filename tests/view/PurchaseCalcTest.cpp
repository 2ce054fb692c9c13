// The purchase calculator's lines and figures.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "view/PurchaseCalc.h"

namespace vorpa {
namespace {

TCalcLines Lines(std::initializer_list<const char*> odds) {
  TCalcLines lines = EmptyCalcLines();
  int no = 0;
  for (const char* o : odds) AddCalcRow(lines, {Utf8ToCp932("単"), " " + std::to_string(++no), o});
  return lines;
}

TEST(PurchaseCalc, AddingTakesTheEmptyLineFirstAndDropsBlanks) {
  TCalcLines lines = EmptyCalcLines();
  EXPECT_TRUE(CalcIsEmpty(lines));
  AddCalcRow(lines, {Utf8ToCp932("ワ"), " 3- 9", " 2.1"});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (TCalcLine{Utf8ToCp932("ワ"), "3-9", "2.1", "", ""}));
  AddCalcRow(lines, {"UT", "7-3", " 40.8"});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1][kCalcOdds], "40.8");
}

TEST(PurchaseCalc, BudgetSpreadOverTheOdds) {
  TCalcLines lines = Lines({"2.0", "4.0"});
  SpreadBudget(lines, "1000", 0);
  EXPECT_EQ(lines[0][kCalcStake], "700");
  EXPECT_EQ(lines[1][kCalcStake], "400");
  TCalcTotals t = CalcProfit(lines);
  EXPECT_EQ(lines[0][kCalcProfit], "300");
  EXPECT_EQ(lines[1][kCalcProfit], "500");
  EXPECT_EQ(t.Total, "1,100");
  EXPECT_EQ(t.Profit, "400");
  EXPECT_EQ(t.ReturnRate, " 1.36");
  // A share within 0.01 yen above a multiple of 100 is not rounded up.
  lines = Lines({"2.0", "2.0"});
  SpreadBudget(lines, "200", 0);
  EXPECT_EQ(lines[0][kCalcStake], "100");
  // Adding a bet afterwards: empty stake and profit until the next run.
  AddCalcRow(lines, {"UT", "1-2", "9.9"});
  EXPECT_EQ(lines[2][kCalcStake], "");
}

TEST(PurchaseCalc, SameStakeOnEveryLineWithBuyCalc) {
  TCalcLines lines = Lines({"2.0", "3.5", "12.0"});
  SpreadBudget(lines, "500", 1);
  for (const TCalcLine& l : lines) EXPECT_EQ(l[kCalcStake], "500");
  EXPECT_EQ(CalcProfit(lines).Total, "1,500");
}

TEST(PurchaseCalc, BadOddsAndBudgets) {
  // Odds that are not a number: stake 0, profit 0, counted in the average.
  TCalcLines lines = Lines({"2.0", "abc"});
  SpreadBudget(lines, "1000", 0);
  EXPECT_EQ(lines[0][kCalcStake], "1000");
  EXPECT_EQ(lines[1][kCalcStake], "0");
  TCalcTotals t = CalcProfit(lines);
  EXPECT_EQ(lines[1][kCalcProfit], "0");
  EXPECT_EQ(t.Profit, "500");  // (1000 + 0) / 2
  EXPECT_EQ(t.ReturnRate, " 1.50");
  // A budget of 0 or not a number: stakes 0, no division by zero.
  SpreadBudget(lines, "", 0);
  t = CalcProfit(lines);
  EXPECT_EQ(lines[0][kCalcStake], "0");
  EXPECT_EQ(t.Total, "0");
  EXPECT_EQ(t.ReturnRate, "0.00");
  // Ten nines are a budget like any other.
  lines = Lines({"1.0"});
  SpreadBudget(lines, "9999999999", 1);
  EXPECT_EQ(lines[0][kCalcStake], "9999999999");
  EXPECT_EQ(CalcProfit(lines).Total, "9,999,999,999");
  // Only odds of 0: every stake 0.
  lines = Lines({"0.0", "0"});
  SpreadBudget(lines, "1000", 0);
  EXPECT_EQ(lines[1][kCalcStake], "0");
  // An empty calculator is not computed and resets the labels.
  lines = EmptyCalcLines();
  SpreadBudget(lines, "1000", 0);
  EXPECT_EQ(lines[0][kCalcStake], "");
  EXPECT_EQ(CalcProfit(lines).ReturnRate, "0.00");
}

TEST(PurchaseCalc, DeletingLines) {
  TCalcLines lines = Lines({"2.0", "3.0", "4.0"});
  DeleteCalcRow(lines, 2);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1][kCalcOdds], "4.0");
  DeleteCalcRow(lines, 0);  // no current line: nothing
  EXPECT_EQ(lines.size(), 2u);
  DeleteCalcRow(lines, 1);
  DeleteCalcRow(lines, 1);  // the only line: emptied, one row stays
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(CalcIsEmpty(lines));
  EXPECT_EQ(CorrectedStake(""), "0");
  EXPECT_EQ(CorrectedStake("300"), "300");
}

}  // namespace
}  // namespace vorpa

// The odds matrices and sorted lists: which reading fills them, cell
// texts, the order of the lists, colours and the bets of clicks.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "view/OddsViews.h"

namespace vorpa {
namespace {

using Sorted = std::vector<std::array<std::string, 2>>;

TRace PairRace(int runners) {
  TRace r;
  ClearRace(r, Utf8ToCp932("中山"), 5, EncodeDate(2026, 12, 6));
  r.Header.RunnerCount = runners;
  OddsSnapshot s = EmptySnapshot();
  s.WinTime() = s.QuinellaTime() = s.ExactaTime() = s.WideTime() = EncodeTime(10, 0, 0);
  s.Bracket(1, 3) = 8.4;
  s.Bracket(2, 2) = 0;  // shown as 0.0, not listed
  s.Bracket(4, 8) = 123.4;
  s.Quinella(2, 3) = 5.5;
  s.Quinella(1, 5) = 5.5;
  s.Quinella(1, 2) = 12.0;
  s.Exacta(3, 7) = 15.2;
  s.Exacta(7, 3) = 40.8;
  s.WideLow(3, 9) = 2.1;
  s.WideHigh(3, 9) = 3.4;
  s.WideLow(1, 2) = 0;
  s.WideHigh(1, 2) = 0;
  r.Snapshots = {s};
  return r;
}

TEST(OddsViews, MatrixCellsAndSortedLists) {
  const TRace race = PairRace(12);
  TReadingChoice choice = ReadingChoice(race, 0);
  auto v = BuildOddsViews(race, choice);

  // Bracket: both halves of the matrix; 0.0 shown but not listed; NoOdds empty.
  const TOddsView& w = v[kPairBracket];
  ASSERT_EQ(w.Size, 8);
  EXPECT_EQ(w.Cell(1, 3), "  8.4");
  EXPECT_EQ(w.Cell(3, 1), "  8.4");
  EXPECT_EQ(w.Cell(2, 2), "  0.0");
  EXPECT_EQ(w.Cell(1, 1), "");
  EXPECT_EQ(w.Sorted, (Sorted{{" 1- 3", "     8.4"}, {" 4- 8", "   123.4"}}));

  // Quinella: equal odds in combination order, 1-5 before 2-3.
  const TOddsView& q = v[kPairQuinella];
  EXPECT_EQ(q.Cell(5, 1), "  5.5");
  EXPECT_EQ(q.Cell(3, 2), "  5.5");
  EXPECT_EQ(q.Sorted, (Sorted{{" 1- 5", "     5.5"}, {" 2- 3", "     5.5"}, {" 1- 2", "    12.0"}}));

  // Exacta 3-7 in column 3, row 7; cell (7, 3) is exacta 7-3.
  const TOddsView& e = v[kPairExacta];
  EXPECT_EQ(e.Cell(3, 7), " 15.2");
  EXPECT_EQ(e.Cell(7, 3), " 40.8");
  EXPECT_EQ(e.Sorted, (Sorted{{" 3- 7", "    15.2"}, {" 7- 3", "    40.8"}}));

  // Wide: the cell has the lower bound and a dash, the list both bounds.
  const TOddsView& d = v[kPairWide];
  EXPECT_EQ(d.Cell(3, 9), " 2.1-");
  EXPECT_EQ(d.Cell(9, 3), " 2.1-");
  EXPECT_EQ(d.Cell(1, 2), " 0.0-");
  EXPECT_EQ(d.Sorted, (Sorted{{" 3- 9", " 2.1-3.4"}}));
}

TEST(OddsViews, EightRunnersLeaveQuinellaAndWideEmpty) {
  const TRace race = PairRace(8);
  auto v = BuildOddsViews(race, ReadingChoice(race, 0));
  EXPECT_FALSE(v[kPairBracket].Sorted.empty());
  EXPECT_FALSE(v[kPairExacta].Sorted.empty());
  for (TPairKind k : {kPairQuinella, kPairWide}) {
    EXPECT_TRUE(v[k].Sorted.empty());
    for (const std::string& cell : v[k].Cells) EXPECT_EQ(cell, "");
  }
  // No reading at all: nothing filled, nothing read.
  TRace none = PairRace(12);
  none.Snapshots.clear();
  for (const TOddsView& view : BuildOddsViews(none, ReadingChoice(none, -1)))
    EXPECT_TRUE(view.Sorted.empty());
}

TEST(OddsViews, ColoursStripeTheMatricesOnly) {
  TSetting s;
  s.GridStriped = true;
  s.OddsColored = true;
  TCardCellStyle odd = MatrixCellStyle(kPairQuinella, 2, 1, "  5.5", s);
  TCardCellStyle even = MatrixCellStyle(kPairQuinella, 2, 2, " 15.2", s);
  EXPECT_EQ(odd.Back, kClWindow);
  EXPECT_EQ(even.Back, kClStripe);
  EXPECT_EQ(odd.Pieces[0].Color, kClRed);
  EXPECT_EQ(even.Pieces[0].Color, kClBlue);
  EXPECT_TRUE(odd.KeepsHighlight);
  // Column 0 is the fixed column.
  TCardCellStyle fixed = MatrixCellStyle(kPairQuinella, 0, 2, " 2", s);
  EXPECT_EQ(fixed.Back, kClBtnFace);
  EXPECT_FALSE(fixed.KeepsHighlight);
  // The wide cell by its lower bound: " 9.9-" is red, not by "9.9-".
  EXPECT_EQ(MatrixCellStyle(kPairWide, 3, 2, " 9.9-", s).Pieces[0].Color, kClRed);
  EXPECT_EQ(MatrixCellStyle(kPairWide, 3, 2, " 123-", s).Pieces[0].Color, kClGreen);
  // Sorted lists are never striped.
  EXPECT_EQ(SortedCellStyle(kPairQuinella, 1, "   123.4", s).Back, kClWindow);
  EXPECT_EQ(SortedCellStyle(kPairQuinella, 1, "   123.4", s).Pieces[0].Color, kClGreen);
  EXPECT_EQ(SortedCellStyle(kPairQuinella, 0, " 1- 2", s).Pieces[0].Color, kClWindowText);
  // The sorted wide odds in three pieces.
  TCardCellStyle wide = SortedCellStyle(kPairWide, 1, " 2.1- 35", s);
  ASSERT_EQ(wide.Pieces.size(), 3u);
  EXPECT_EQ(wide.Pieces[0].Text, " 2.1");
  EXPECT_EQ(wide.Pieces[0].Color, kClRed);
  EXPECT_EQ(wide.Pieces[1].Text, "-");
  EXPECT_EQ(wide.Pieces[1].Color, kClWindowText);
  EXPECT_EQ(wide.Pieces[2].Text, " 35");
  EXPECT_EQ(wide.Pieces[2].Color, kClBlue);
  // Odds colouring off: black everywhere.
  s.OddsColored = false;
  EXPECT_EQ(MatrixCellStyle(kPairExacta, 1, 1, "  5.5", s).Pieces[0].Color, kClBlack);
  EXPECT_EQ(SortedCellStyle(kPairWide, 1, " 2.1-3.4", s).Pieces[2].Color, kClBlack);
}

TEST(OddsViews, ClicksGiveTheBets) {
  auto bet = [](std::optional<TCalcRow> b) {
    return b ? Cp932ToUtf8(b->Kind) + "|" + b->Combination + "|" + b->Odds : std::string("none");
  };
  EXPECT_EQ(bet(MatrixClickBet(kPairBracket, 3, 1, "  8.4")), "枠|3-1|  8.4");
  EXPECT_EQ(bet(MatrixClickBet(kPairQuinella, 3, 1, " 12.0")), "馬|1-3| 12.0");
  EXPECT_EQ(bet(MatrixClickBet(kPairExacta, 7, 3, " 40.8")), "UT|7-3| 40.8");
  EXPECT_EQ(bet(MatrixClickBet(kPairWide, 9, 3, " 2.1-")), "ワ|3-9| 2.1");
  EXPECT_EQ(bet(MatrixClickBet(kPairQuinella, 3, 1, "")), "none");
  EXPECT_EQ(bet(MatrixClickBet(kPairQuinella, 0, 1, " 1")), "none");
  EXPECT_EQ(bet(SortedClickBet(kPairWide, " 3- 9", " 2.1-3.4")), "ワ| 3- 9| 2.1");
  EXPECT_EQ(bet(SortedClickBet(kPairBracket, " 1- 3", "     8.4")), "枠| 1- 3|     8.4");
  EXPECT_EQ(bet(SortedClickBet(kPairExacta, "", "")), "none");
}

}  // namespace
}  // namespace vorpa

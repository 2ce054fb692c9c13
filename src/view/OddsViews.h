#pragma once
// What the odds matrices and the sorted odds lists of the four pair bet
// types show: the cell texts of a reading, the lists sorted by odds, the
// cell colours and the bets a click hands to the purchase calculator.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/Race.h"
#include "view/RaceCard.h"
#include "view/ReadingChoice.h"

namespace vorpa {

// The tabs "枠連", "馬連", "馬単", "ワイド" in tab order.
enum TPairKind { kPairBracket = 0, kPairQuinella = 1, kPairExacta = 2, kPairWide = 3 };
constexpr int kPairKinds = 4;

// The tab's caption ("枠連", "馬連", "馬単", "ワイド"; CP932).
std::string PairKindName(TPairKind kind);
// Frames (8) or horses (18) along each side of the matrix.
int MatrixSize(TPairKind kind);
// Grid row 0: column 0 empty, then " 1" ..; column 0 of the body rows
// shows the same numbers.
std::vector<std::string> MatrixHeaders(TPairKind kind);
// Column 0 of the exacta matrix is wide enough for its corner caption.
std::vector<int> MatrixColumnWidths(TPairKind kind);
// The caption of the matrix's corner, split by a diagonal: what the columns
// hold (upper right) and what the rows hold (lower left). Only the exacta,
// whose two orders differ, has one: "1着" and "2着".
struct TCornerCaption {
  std::string Columns, Rows;
};
TCornerCaption MatrixCornerCaption(TPairKind kind);
// The sorted list's headers ("枠番" or "馬番", "オッズ") and widths.
std::vector<std::string> SortedHeaders(TPairKind kind);
std::vector<int> SortedColumnWidths();

// One view filled from one reading.
struct TOddsView {
  int Size = 0;
  // Texts of the body cells; Cell(a, b) is column a, row b (from 1).
  std::vector<std::string> Cells;
  // Rows 1.. of the sorted list: combination and odds texts.
  std::vector<std::array<std::string, 2>> Sorted;

  std::string& Cell(int a, int b) { return Cells[(b - 1) * Size + (a - 1)]; }
  const std::string& Cell(int a, int b) const { return Cells[(b - 1) * Size + (a - 1)]; }
};

// The view of snapshot `index` (nothing filled when it is -1). Odds of 0
// show as 0.0 but are not listed; cells without a reading stay empty.
TOddsView BuildOddsView(const TRace& race, TPairKind kind, int index);
// The four views of a reading choice; quinella and wide stay empty for
// races of 8 runners or fewer.
std::array<TOddsView, kPairKinds> BuildOddsViews(const TRace& race, const TReadingChoice& choice);

// The wide text of a pair: a blank, the lower bound, "-", the upper bound
// (3-character odds texts; 8 characters).
std::string WideText(double low, double high);

// Paint of a matrix body cell (striped rows, odds colour; the wide cell
// coloured by its lower bound) and of column 0, which is drawn as fixed.
TCardCellStyle MatrixCellStyle(TPairKind kind, int col, int row, const std::string& text,
                               const TSetting& s);
// Paint of a sorted list cell: never striped; the odds in their colour,
// the wide bounds each in its own colour with the dash in text colour.
TCardCellStyle SortedCellStyle(TPairKind kind, int col, const std::string& text,
                               const TSetting& s);

// The bet of a click on matrix cell (col, row) holding `text`: none for
// column 0 or an empty cell.
std::optional<TCalcRow> MatrixClickBet(TPairKind kind, int col, int row, const std::string& text);
// The bet of a click on a sorted list row: none when its combination is empty.
std::optional<TCalcRow> SortedClickBet(TPairKind kind, const std::string& combination,
                                       const std::string& odds);

}  // namespace vorpa

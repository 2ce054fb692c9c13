#pragma once
// What the race card (出馬表) and the race information labels show: the
// texts of every card cell, the cell colours and the bets a click takes.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Race.h"
#include "view/Colors.h"
#include "view/ReadingChoice.h"

namespace vorpa {

class TRemarkables;

constexpr int kCardColumns = 16;
enum TCardColumn {
  kColFrame = 0, kColHorseNo = 1, kColHorseName = 2, kColSex = 3, kColAge = 4,
  kColWeight = 5, kColWeightDiff = 6, kColApprentice = 7, kColJockey = 8, kColBurden = 9,
  kColTrainer = 10, kColWin = 11, kColPlace = 12, kColRen = 13, kColFinish = 14,
  kColMargin = 15
};

// Header texts, widths of the columns (CP932 texts).
const std::array<std::string, kCardColumns>& CardHeaders();
const std::array<int, kCardColumns>& CardColumnWidths();

using TCardRow = std::array<std::string, kCardColumns>;

// The cells of horse h: numbers, names, weights, the odds of reading
// `winIndex` (none when it is -1 or the horse has no win odds there) with
// the pair estimate, and the finish.
TCardRow CardRowTexts(const TRace& race, int h, int winIndex, const TRenEstimate& ren);

// Everything the card shows for the selected reading (-1 = none): one row
// per runner in the order `umaOrder`.
struct TCardView {
  TReadingChoice Choice;
  TRenEstimate Ren;
  std::vector<int> Order;
  std::vector<TCardRow> Rows;
};
TCardView BuildCard(const TRace& race, int umaOrder, int selected);

// The texts of lblRaceInfo and lblRaceInfo2: items " " + value + suffix,
// skipping values that are empty or "0".
std::pair<std::string, std::string> RaceInfoTexts(const TRaceHeader& h);

// The reading times of a race, oldest first, as "hh:mm".
std::vector<std::string> ReadingTimeTexts(const TRace& race);

// How a card body cell is painted: background and text pieces drawn one
// after the other. `KeepsHighlight` says that the current cell shows the
// grid's standard highlight instead.
struct TCellPiece {
  std::string Text;
  TColor Color;
};
struct TCardCellStyle {
  TColor Back = kClWindow;
  std::vector<TCellPiece> Pieces;
  bool KeepsHighlight = true;
};
TCardCellStyle CardCellStyle(int col, int row, const std::string& text, const TSetting& s,
                             const TRemarkables& remarks);

// The bet a click on a card cell hands to the purchase calculator: kind
// "単" (win) or "複" (place), the horse text and the odds text.
struct TCalcRow {
  std::string Kind, Combination, Odds;
};
std::optional<TCalcRow> CardClickBet(int col, const TCardRow& row);

// The question before the reading shown as `timeText` ("hh:mm") is deleted.
std::string DeleteReadingQuestion(const std::string& timeText);

// Removes the stored reading that is `chosen`: the one equal to it in every
// cell, else the first of its time (later ones move down); false when the
// race holds none of that time.
bool DeleteReading(TRace& race, const OddsSnapshot& chosen);

}  // namespace vorpa

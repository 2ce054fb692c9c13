#pragma once
// The distortion overlay of the pair matrices: each combination's fair
// odds from the win market and its ratio market / fair, the colour of a
// ratio on a scale from clearly below 1 through 1 to clearly above 1, the
// legend of that scale and the cell's tooltip.
#include <array>
#include <string>
#include <vector>

#include "view/Colors.h"
#include "view/OddsViews.h"

namespace vorpa {

struct TDistortionCell {
  double Fair = 0;       // 0 when the combination has no probability
  double Ratio = NoOdds;  // NoOdds without a market value
};

// The overlay of one matrix; Cell(a, b) is column a, row b as in TOddsView.
struct TDistortionView {
  int Size = 0;
  std::vector<TDistortionCell> Cells;

  TDistortionCell& Cell(int a, int b) { return Cells[(b - 1) * Size + (a - 1)]; }
  const TDistortionCell& Cell(int a, int b) const { return Cells[(b - 1) * Size + (a - 1)]; }
};

// The four overlays of a reading choice: probabilities from the win odds
// of its win reading, markets from each bet type's own reading.
std::array<TDistortionView, kPairKinds> BuildDistortionViews(const TRace& race,
                                                             const TReadingChoice& choice);

// The scale runs from kDistortionLow (and below) through 1 to
// kDistortionHigh (and above), even in log(ratio): a market a third below
// or half above its fair odds is clearly distorted.
constexpr double kDistortionLow = 2.0 / 3, kDistortionHigh = 1.5;
constexpr TColor kDistortionLowColor = Rgb(0x7F, 0xB2, 0xFF);   // pays less: blue
constexpr TColor kDistortionMidColor = kClWhite;                 // as the win market
constexpr TColor kDistortionHighColor = Rgb(0xFF, 0x8C, 0x69);  // pays more: red-orange
// The background of a ratio.
TColor DistortionColor(double ratio);

// The legend's marks: ratios with their colours, low to high.
struct TLegendMark {
  double Ratio;
  std::string Text;  // CP932: "0.67以下", "0.8", "1", "1.25", "1.5以上"
};
const std::vector<TLegendMark>& DistortionLegend();
// The legend's caption, CP932.
std::string DistortionLegendCaption();

// The background of a matrix body cell (col, row) that holds a text, when
// its combination has a ratio; kept otherwise.
void ApplyDistortion(TCardCellStyle& style, const TDistortionView& view, int col, int row,
                     const std::string& text);
// The tooltip of a cell: fair odds and ratio ("理論オッズ 12.3 / 歪み 1.25"),
// the fair odds alone without a market, empty without a probability. CP932.
std::string DistortionTip(const TDistortionCell& cell);

}  // namespace vorpa

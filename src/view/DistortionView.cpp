#include "view/DistortionView.h"

#include <algorithm>
#include <cmath>

#include "analysis/FairOdds.h"
#include "core/Cp932.h"
#include "view/FormatText.h"

namespace vorpa {

namespace {

constexpr TBetType kBetOf[kPairKinds] = {kBetBracket, kBetQuinella, kBetExacta, kBetWide};

int ReadingOf(TPairKind kind, const TReadingChoice& c) {
  switch (kind) {
    case kPairBracket: return c.Bracket;
    case kPairQuinella: return c.Quinella;
    case kPairExacta: return c.Exacta;
    case kPairWide: return c.Wide;
  }
  return -1;
}

TDistortionView BuildOne(const TRace& race, const TFairModel& model, TPairKind kind, int index) {
  TDistortionView v;
  v.Size = MatrixSize(kind);
  v.Cells.assign(v.Size * v.Size, TDistortionCell());
  const OddsSnapshot* market =
      index >= 0 && index < static_cast<int>(race.Snapshots.size()) ? &race.Snapshots[index] : nullptr;
  for (const TFairLine& l : FairLines(model, kBetOf[kind], market)) {
    const TDistortionCell cell{l.FairOdds, l.Ratio};
    const int a = l.Numbers[0], b = l.Numbers[1];
    v.Cell(a, b) = cell;
    if (kind != kPairExacta) v.Cell(b, a) = cell;
  }
  return v;
}

uint8_t Blend(uint8_t from, uint8_t to, double t) {
  return static_cast<uint8_t>(std::lround(from + (to - from) * t));
}

TColor BlendColor(TColor from, TColor to, double t) {
  return Rgb(Blend(RedOf(from), RedOf(to), t), Blend(GreenOf(from), GreenOf(to), t),
             Blend(BlueOf(from), BlueOf(to), t));
}

}  // namespace

std::array<TDistortionView, kPairKinds> BuildDistortionViews(const TRace& race,
                                                             const TReadingChoice& choice) {
  const TFairModel model(race, choice.Win);
  std::array<TDistortionView, kPairKinds> views;
  for (int k = 0; k < kPairKinds; ++k) {
    const TPairKind kind = static_cast<TPairKind>(k);
    views[k] = BuildOne(race, model, kind, ReadingOf(kind, choice));
  }
  return views;
}

TColor DistortionColor(double ratio) {
  if (!(ratio > 0)) return kDistortionMidColor;
  const double x = std::clamp(std::log(ratio) / std::log(kDistortionHigh), -1.0, 1.0);
  return x < 0 ? BlendColor(kDistortionMidColor, kDistortionLowColor, -x)
               : BlendColor(kDistortionMidColor, kDistortionHighColor, x);
}

const std::vector<TLegendMark>& DistortionLegend() {
  static const std::vector<TLegendMark> marks = {{kDistortionLow, Utf8ToCp932("0.67以下")},
                                                 {0.8, "0.8"},
                                                 {1.0, "1"},
                                                 {1.25, "1.25"},
                                                 {kDistortionHigh, Utf8ToCp932("1.5以上")}};
  return marks;
}

std::string DistortionLegendCaption() { return Utf8ToCp932("歪み（市場÷理論）"); }

void ApplyDistortion(TCardCellStyle& style, const TDistortionView& view, int col, int row,
                     const std::string& text) {
  if (col < 1 || row < 1 || col > view.Size || row > view.Size) return;
  if (text.find_first_not_of(' ') == std::string::npos) return;
  const TDistortionCell& cell = view.Cell(col, row);
  if (cell.Ratio > 0) style.Back = DistortionColor(cell.Ratio);
}

std::string DistortionTip(const TDistortionCell& cell) {
  if (!(cell.Fair > 0)) return "";
  std::string tip = FormatText("%.1f", cell.Fair);
  tip = Utf8ToCp932("理論オッズ ") + tip;
  if (cell.Ratio > 0) tip += Utf8ToCp932(" / 歪み ") + FormatText("%.2f", cell.Ratio);
  return tip;
}

}  // namespace vorpa

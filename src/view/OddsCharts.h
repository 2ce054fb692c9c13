#pragma once
// What the odds charts of the tabs "グラフ" and "グラフ2" show: the odds of
// the selected race as estimated winning chances, per horse across the
// card, per reading through the day, as histograms and win against the
// pair market; the points, series colours, bins and axis maxima.
#include <array>
#include <string>
#include <vector>

#include "core/Race.h"
#include "view/Colors.h"
#include "view/ReadingChoice.h"

namespace vorpa {

// Chance in percent of an odds value at an 80 % payout: 80 / o, 0 for
// o <= 0 (no odds).
double Chance(double odds);

// The place market's value per horse (horse h at index h-1) of reading t:
// v = 1/PlaceLow + 1/PlaceHigh (each when above 0), S the sum over the
// runners, every v above 0 becoming S x 0.8 / v; 0 without place odds.
std::array<double, kMaxRunners> PlaceEstimate(const TRace& race, int t);

// A series colour the charting component chooses itself.
constexpr TColor kClAuto = 0xFF00FFFF;
constexpr TColor kClGrey = Rgb(0x80, 0x80, 0x80);

struct TChartPoint {
  double X = 0, Y = 0;
  std::string Label;  // "" for none
  std::string Tip;    // shown when the mouse rests on the point (ChartTips.h)
};

struct TChartSeries {
  std::string Title;  // shown in a legend; "" for none
  TColor Color = kClAuto;
  int PenWidth = 1;
  std::vector<TChartPoint> Points;
};

// A chart of line series with its left axis fixed at 0 .. Max (1.1 times
// the largest value, 0 without points).
struct TLineChart {
  std::vector<TChartSeries> Series;
  double Max = 0;
};

struct TBar {
  double Count = 0;
  std::string Label;  // "%2.1f": the bin's upper edge
  std::vector<int> Horses;  // of the bin: i + 1 for chances[i] of Histogram
  std::string Tip;
};

// The histogram of chance values over a race of `runners` runners: only
// values above 0 count; runners div 2 + 1 bins between the smallest and
// the largest value, the smallest in the first bin and the largest in the
// last. No bars when all values are equal or there are fewer than two
// runners.
std::vector<TBar> Histogram(const std::vector<double>& chances, int runners);

// Everything the ten charts show for one redraw.
struct TOddsCharts {
  TLineChart TanRate, RenRate, TanSuii, RenSuii;  // "グラフ"
  std::vector<TBar> TanBunpu, RenBunpu;
  TChartSeries Soukan;  // points ordered by X
  double SoukanMax = 0;
  TLineChart TanSuii2, FukuSuii2, RenSuii2;  // "グラフ2"
};

// The horses ticked for the trends of "グラフ2": chosen[k-1] for horse k.
using TChosenHorses = std::array<bool, kMaxRunners>;

// The charts of `race` for the selected reading `selected` with the
// reading choice, card order and pair estimate the card shows. Empty when
// there is no usable latest reading (choice.Latest -1).
TOddsCharts BuildOddsCharts(const TRace& race, int selected, const TReadingChoice& choice,
                            const std::vector<int>& cardOrder, const TRenEstimate& ren,
                            const TChosenHorses& chosen);

}  // namespace vorpa

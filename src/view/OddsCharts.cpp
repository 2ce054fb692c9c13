#include "view/OddsCharts.h"

#include "view/ChartTips.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vorpa {

namespace {

std::string Decimal(int v) { return std::to_string(v); }

// The rate charts' colour of reading t: red for the selected one, black
// for the first, blue for the latest, grey for the others.
TColor ReadingColor(int t, int selected, int latest) {
  if (t == selected) return kClRed;
  if (t == 0) return kClBlack;
  if (t == latest) return kClBlue;
  return kClGrey;
}

double LargestY(const std::vector<TChartSeries>& series) {
  double m = 0;
  for (const TChartSeries& s : series)
    for (const TChartPoint& p : s.Points) m = std::max(m, p.Y);
  return m;
}

// Each bar's tip: the horses of its bin with the odds `oddsOf(h)`.
template <typename OddsOf>
void SetBinTips(std::vector<TBar>& bars, const TRace& race, int reading, TTipOdds kind, OddsOf oddsOf) {
  for (TBar& b : bars) {
    std::vector<double> odds;
    for (int h : b.Horses) odds.push_back(oddsOf(h));
    b.Tip = BinTip(race, reading, kind, b.Label, b.Horses, odds);
  }
}

void SetMax(TLineChart& chart) { chart.Max = 1.1 * LargestY(chart.Series); }

TChartSeries Trend(int penWidth, std::string title = "") {
  TChartSeries s;
  s.Title = std::move(title);
  s.PenWidth = penWidth;
  return s;
}

}  // namespace

double Chance(double odds) { return odds > 0 ? 80 / odds : 0; }

std::array<double, kMaxRunners> PlaceEstimate(const TRace& race, int t) {
  std::array<double, kMaxRunners> v{};
  if (t < 0 || t >= static_cast<int>(race.Snapshots.size())) return v;
  const OddsSnapshot& s = race.Snapshots[t];
  const int n = RunnerCountOf(race);
  double sum = 0;
  for (int h = 1; h <= n; ++h) {
    if (s.PlaceLow(h) > 0) v[h - 1] += 1 / s.PlaceLow(h);
    if (s.PlaceHigh(h) > 0) v[h - 1] += 1 / s.PlaceHigh(h);
    sum += v[h - 1];
  }
  for (double& x : v)
    if (x > 0) x = sum * 0.8 / x;
  return v;
}

std::vector<TBar> Histogram(const std::vector<double>& chances, int runners) {
  const int half = runners / 2;
  if (half < 1) return {};
  double lo = 2147483647, hi = 0;
  for (double p : chances) {
    if (p <= 0) continue;
    lo = std::min(lo, p);
    hi = std::max(hi, p);
  }
  const double d = (hi - lo) / half;
  if (d <= 0) return {};
  const int bins = half + 1;
  const double start = lo - d / 2;
  std::vector<TBar> bars(bins);
  for (const double& p : chances) {
    if (p <= 0) continue;
    const int bin = std::clamp(static_cast<int>(std::trunc((p - start) / d)), 0, bins - 1);
    bars[bin].Count += 1;
    bars[bin].Horses.push_back(static_cast<int>(&p - chances.data()) + 1);
  }
  char label[64];
  for (int i = 0; i < bins; ++i) {
    std::snprintf(label, sizeof label, "%2.1f", start + (i + 1) * d);
    bars[i].Label = label;
  }
  return bars;
}

TOddsCharts BuildOddsCharts(const TRace& race, int selected, const TReadingChoice& choice,
                            const std::vector<int>& cardOrder, const TRenEstimate& ren,
                            const TChosenHorses& chosen) {
  TOddsCharts c;
  const int latest = std::min(choice.Latest, static_cast<int>(race.Snapshots.size()) - 1);
  if (latest < 0) return c;
  const int n = std::min(RunnerCountOf(race), static_cast<int>(cardOrder.size()));
  auto win = [&](int t, int h) { return Chance(race.Snapshots[t].Win(h)); };
  auto tip = [&](int h, int t, TTipOdds kind, double odds) { return PointTip(race, h, t, kind, odds); };
  auto winTip = [&](int t, int h) { return tip(h, t, TTipOdds::Win, race.Snapshots[t].Win(h)); };
  // The pair estimate of each reading from its own pair odds.
  std::vector<TRenEstimate> pair;
  for (int t = 0; t <= latest; ++t) pair.push_back(RenEstimate(race, t, t));

  // Win chances by card position, one line per reading; the win trend,
  // one line per card position.
  for (int k = 1; k <= n; ++k) c.TanSuii.Series.push_back(Trend(2));
  for (int t = 0; t <= latest; ++t) {
    TChartSeries line;
    line.Color = ReadingColor(t, selected, latest);
    for (int k = 1; k <= n; ++k) {
      const int h = cardOrder[k - 1];
      line.Points.push_back({double(n - k + 1), win(t, h), Decimal(h), winTip(t, h)});
      c.TanSuii.Series[k - 1].Points.push_back({double(t), win(t, h), Decimal(t), winTip(t, h)});
    }
    c.TanRate.Series.push_back(std::move(line));
  }
  SetMax(c.TanRate);
  SetMax(c.TanSuii);

  if (choice.Win >= 0 && choice.Win < static_cast<int>(race.Snapshots.size())) {
    std::vector<double> chances;
    for (int h = 1; h <= n; ++h) chances.push_back(win(choice.Win, h));
    c.TanBunpu = Histogram(chances, n);
    SetBinTips(c.TanBunpu, race, choice.Win, TTipOdds::Win,
               [&](int h) { return race.Snapshots[choice.Win].Win(h); });
  }

  // The pair market: rate and trend per reading, and win against pair
  // chances at the correlation reading.
  for (int k = 1; k <= n; ++k) c.RenSuii.Series.push_back(Trend(2));
  for (int t = 0; t <= latest; ++t) {
    const TRenEstimate& e = pair[t];
    TChartSeries line;
    line.Color = ReadingColor(t, selected, latest);
    for (int k = 1; k <= n; ++k) {
      const int h = cardOrder[k - 1];
      const std::string pairTip = tip(h, t, TTipOdds::Pair, e.Of(h));
      line.Points.push_back({double(n - k + 1), Chance(e.Of(h)), Decimal(h), pairTip});
      c.RenSuii.Series[k - 1].Points.push_back({double(t), Chance(e.Of(h)), Decimal(t), pairTip});
    }
    c.RenRate.Series.push_back(std::move(line));
    if (t != choice.Correlation) continue;
    c.Soukan.Color = kClRed;
    double largestX = 0;
    for (int k = 1; k <= n; ++k) {
      const int h = cardOrder[k - 1];
      c.Soukan.Points.push_back(
          {win(t, h), Chance(e.Of(h)), "", winTip(t, h) + "\n" + OddsLine(TTipOdds::Pair, e.Of(h))});
      largestX = std::max(largestX, win(t, h));
    }
    std::stable_sort(c.Soukan.Points.begin(), c.Soukan.Points.end(),
                     [](const TChartPoint& a, const TChartPoint& b) { return a.X < b.X; });
    c.SoukanMax = 1.1 * largestX;
  }
  c.RenRate.Max = c.RenSuii.Max =
      1.1 * std::max(LargestY(c.RenRate.Series), LargestY(c.RenSuii.Series));

  std::vector<double> pairChances;
  for (int h = 1; h <= n; ++h) pairChances.push_back(Chance(ren.Of(h)));
  c.RenBunpu = Histogram(pairChances, n);
  SetBinTips(c.RenBunpu, race, choice.Quinella, TTipOdds::Pair, [&](int h) { return ren.Of(h); });

  // The trends of the ticked horses.
  std::vector<std::array<double, kMaxRunners>> place;
  for (int t = 0; t <= latest; ++t) place.push_back(PlaceEstimate(race, t));
  char title[16];
  for (int k = 1; k <= n; ++k) {
    if (!chosen[k - 1]) continue;
    std::snprintf(title, sizeof title, "%2d", k);
    TChartSeries tan = Trend(2, title), fuku = Trend(2), renSeries = Trend(2);
    for (int t = 0; t <= latest; ++t) {
      tan.Points.push_back({double(t), win(t, k), Decimal(t), winTip(t, k)});
      fuku.Points.push_back(
          {double(t), Chance(place[t][k - 1]), Decimal(t), tip(k, t, TTipOdds::Place, place[t][k - 1])});
      renSeries.Points.push_back(
          {double(t), Chance(pair[t].Of(k)), Decimal(t), tip(k, t, TTipOdds::Pair, pair[t].Of(k))});
    }
    c.TanSuii2.Series.push_back(std::move(tan));
    c.FukuSuii2.Series.push_back(std::move(fuku));
    c.RenSuii2.Series.push_back(std::move(renSeries));
  }
  SetMax(c.TanSuii2);
  SetMax(c.FukuSuii2);
  SetMax(c.RenSuii2);
  return c;
}

}  // namespace vorpa

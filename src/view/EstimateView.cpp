#include "view/EstimateView.h"

#include <algorithm>

#include "analysis/FairOdds.h"
#include "core/Cp932.h"
#include "view/FormatText.h"

namespace vorpa {

namespace {

std::vector<std::string> Cp932Texts(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* t : utf8) out.push_back(Utf8ToCp932(t));
  return out;
}

std::vector<std::array<std::string, 3>> MostLikely(const TFairModel& model, TBetType bet,
                                                   int count) {
  std::vector<TFairLine> lines = FairLines(model, bet, nullptr);
  SortByProbability(lines);
  if (static_cast<int>(lines.size()) > count) lines.resize(std::max(count, 0));
  std::vector<std::array<std::string, 3>> rows;
  for (const TFairLine& l : lines)
    rows.push_back({CombinationText(l), FormatText("%.2f%%", l.Probability * 100),
                    FormatText("%.1f", l.FairOdds)});
  return rows;
}

const OddsSnapshot* SnapshotAt(const TRace& race, int index) {
  return index >= 0 && index < static_cast<int>(race.Snapshots.size()) ? &race.Snapshots[index]
                                                                         : nullptr;
}

}  // namespace

std::vector<std::string> EstimateHeaders() { return Cp932Texts({"組番", "確率", "推定オッズ"}); }
std::vector<int> EstimateColumnWidths() { return {60, 56, 70}; }
std::vector<std::string> DistortedHeaders() {
  return Cp932Texts({"種別", "組番", "オッズ", "理論", "歪み"});
}
std::vector<int> DistortedColumnWidths() { return {44, 44, 48, 48, 40}; }

TEstimateView BuildEstimateView(const TRace& race, const TReadingChoice& choice, int count) {
  TEstimateView v;
  const TFairModel model(race, choice.Win);
  v.Trio = MostLikely(model, kBetTrio, count);
  v.Trifecta = MostLikely(model, kBetTrifecta, count);

  struct TMarketOf {
    TBetType Bet;
    int Index;
    const char* Name;
    const char* CalcKind;
  };
  const TMarketOf markets[] = {{kBetQuinella, choice.Quinella, "馬連", "馬"},
                               {kBetExacta, choice.Exacta, "馬単", "UT"},
                               {kBetWide, choice.Wide, "ワイド", "ワ"}};
  std::vector<TFairLine> all;
  // Quinella and wide odds are shown for races of more than 8 runners only.
  const bool pairs = race.Header.RunnerCount > kMaxFrames;
  for (const TMarketOf& m : markets) {
    const OddsSnapshot* s = SnapshotAt(race, m.Index);
    if (!s || (!pairs && m.Bet != kBetExacta)) continue;
    for (const TFairLine& l : FairLines(model, m.Bet, s))
      if (l.HasMarket()) all.push_back(l);
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const TFairLine& a, const TFairLine& b) { return a.Ratio > b.Ratio; });
  if (all.size() > kDistortedRows) all.resize(kDistortedRows);
  for (const TFairLine& l : all) {
    const TMarketOf& m = *std::find_if(std::begin(markets), std::end(markets),
                                       [&](const TMarketOf& x) { return x.Bet == l.Bet; });
    TDistortedRow row;
    const std::string market = FormatText("%.1f", l.MarketOdds);
    row.Texts = {Utf8ToCp932(m.Name), CombinationText(l), market, FormatText("%.1f", l.FairOdds),
                 FormatText("%.2f", l.Ratio)};
    row.Bet = {Utf8ToCp932(m.CalcKind), CombinationText(l), market};
    v.Distorted.push_back(row);
  }
  return v;
}

}  // namespace vorpa

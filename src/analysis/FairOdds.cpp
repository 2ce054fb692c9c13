#include "analysis/FairOdds.h"

#include <algorithm>

namespace vorpa {

namespace {

constexpr const char* kBetNames[kBetTypes] = {"win",     "place", "bracket", "quinella",
                                              "exacta",  "wide",  "trio",    "trifecta"};
constexpr double kPayoutRates[kBetTypes] = {0.80, 0.80, 0.775, 0.775, 0.75, 0.775, 0.75, 0.725};
constexpr int kSizes[kBetTypes] = {1, 1, 2, 2, 2, 2, 3, 3};

}  // namespace

const char* BetName(TBetType bet) { return kBetNames[bet]; }

bool BetOfName(std::string_view name, TBetType* bet) {
  for (int b = 0; b < kBetTypes; ++b)
    if (name == kBetNames[b]) {
      *bet = static_cast<TBetType>(b);
      return true;
    }
  return false;
}

double PayoutRate(TBetType bet) { return kPayoutRates[bet]; }
int CombinationSize(TBetType bet) { return kSizes[bet]; }
bool IsOrdered(TBetType bet) { return bet == kBetExacta || bet == kBetTrifecta; }

TFairModel::TFairModel(const TRace& race, int index) {
  if (index < 0 || index >= static_cast<int>(race.Snapshots.size())) return;
  const OddsSnapshot& s = race.Snapshots[index];
  double sum = 0;
  const int runners = std::clamp(race.Header.RunnerCount, 0, kMaxRunners);
  for (int h = 1; h <= runners; ++h) {
    if (race.Runner(h).Finish == -1 || !(s.Win(h) > 0)) continue;
    horses_.push_back(h);
    p_[h] = 1 / s.Win(h);
    sum += p_[h];
    const int frame = race.Runner(h).FrameNo;
    frame_[h] = frame >= 1 && frame <= kMaxFrames ? frame : 0;
  }
  for (int h : horses_) p_[h] /= sum;

  for (int i : horses_)
    for (int j : horses_) {
      if (j == i) continue;
      const double e = Exacta(i, j);
      place_[j] += e;
      if (frame_[i] && frame_[j] && i < j) {
        const int a = std::min(frame_[i], frame_[j]), b = std::max(frame_[i], frame_[j]);
        bracket_[a][b] += e + Exacta(j, i);
      }
      for (int k : horses_) {
        if (k == i || k == j) continue;
        const double t = Trifecta(i, j, k);
        if (PlaceCount() == 3) place_[k] += t;
        // Each unordered pair {x, y} of the first three is credited once
        // per order of the three.
        wide_[i][j] += t;
        wide_[i][k] += t;
        wide_[j][k] += t;
      }
    }
  for (int i : horses_) {
    place_[i] += p_[i];
    for (int j : horses_) {
      if (j <= i) continue;
      wide_[i][j] += wide_[j][i];
      wide_[j][i] = wide_[i][j];
    }
  }
  for (int a = 1; a <= kMaxFrames; ++a)
    for (int b = a + 1; b <= kMaxFrames; ++b) bracket_[b][a] = bracket_[a][b];
}

double TFairModel::Exacta(int i, int j) const {
  if (i == j || p_[i] <= 0 || p_[j] <= 0) return 0;
  const double rest = 1 - p_[i];
  return rest > 0 ? p_[i] * p_[j] / rest : 0;
}

double TFairModel::Trifecta(int i, int j, int k) const {
  if (i == j || i == k || j == k || p_[i] <= 0 || p_[j] <= 0 || p_[k] <= 0) return 0;
  const double rest1 = 1 - p_[i], rest2 = 1 - p_[i] - p_[j];
  return rest1 > 0 && rest2 > 0 ? p_[i] * p_[j] * p_[k] / (rest1 * rest2) : 0;
}

double TFairModel::Trio(int i, int j, int k) const {
  return Trifecta(i, j, k) + Trifecta(i, k, j) + Trifecta(j, i, k) + Trifecta(j, k, i) +
         Trifecta(k, i, j) + Trifecta(k, j, i);
}

double TFairModel::Of(TBetType bet, const std::array<int, 3>& n) const {
  switch (bet) {
    case kBetWin: return Win(n[0]);
    case kBetPlace: return Place(n[0]);
    case kBetBracket: return Bracket(n[0], n[1]);
    case kBetQuinella: return Quinella(n[0], n[1]);
    case kBetExacta: return Exacta(n[0], n[1]);
    case kBetWide: return Wide(n[0], n[1]);
    case kBetTrio: return Trio(n[0], n[1], n[2]);
    case kBetTrifecta: return Trifecta(n[0], n[1], n[2]);
  }
  return 0;
}

std::string CombinationText(const TFairLine& line) {
  std::string text;
  for (int k = 0; k < CombinationSize(line.Bet); ++k) {
    if (k) text += '-';
    text += std::to_string(line.Numbers[k]);
  }
  return text;
}

double MarketOdds(const OddsSnapshot& s, TBetType bet, const std::array<int, 3>& n) {
  double o = NoOdds;
  const int lo = std::min(n[0], n[1]), hi = std::max(n[0], n[1]);
  switch (bet) {
    case kBetWin: o = s.Win(n[0]); break;
    case kBetPlace: o = s.PlaceLow(n[0]); break;
    case kBetBracket: o = s.Bracket(lo, hi); break;
    case kBetQuinella: o = s.Quinella(lo, hi); break;
    case kBetExacta: o = s.Exacta(n[0], n[1]); break;
    case kBetWide: o = s.WideLow(lo, hi); break;
    case kBetTrio:
    case kBetTrifecta: break;
  }
  return o > 0 ? o : NoOdds;
}

namespace {

// The combinations of `bet` over `numbers` (ascending): single numbers,
// pairs, ordered pairs, triples or ordered triples.
std::vector<std::array<int, 3>> Combinations(TBetType bet, const std::vector<int>& numbers) {
  std::vector<std::array<int, 3>> out;
  const bool ordered = IsOrdered(bet);
  for (int a : numbers) {
    if (CombinationSize(bet) == 1) {
      out.push_back({a, 0, 0});
      continue;
    }
    for (int b : numbers) {
      if (b == a || (!ordered && b < a)) continue;
      if (CombinationSize(bet) == 2) {
        out.push_back({a, b, 0});
        continue;
      }
      for (int c : numbers) {
        if (c == a || c == b || (!ordered && c < b)) continue;
        out.push_back({a, b, c});
      }
    }
  }
  return out;
}

// The bracket quinella pairs a <= b of the frames that hold the model's
// horses; a pair within one frame needs two horses there.
std::vector<std::array<int, 3>> FramePairs(const TFairModel& model) {
  std::array<int, kMaxFrames + 1> count{};
  for (int h : model.Horses()) ++count[model.FrameOf(h)];
  std::vector<std::array<int, 3>> out;
  for (int a = 1; a <= kMaxFrames; ++a)
    for (int b = a; b <= kMaxFrames; ++b)
      if (count[a] && count[b] && (a != b || count[a] >= 2)) out.push_back({a, b, 0});
  return out;
}

}  // namespace

std::vector<TFairLine> FairLines(const TFairModel& model, TBetType bet,
                                 const OddsSnapshot* market) {
  const auto combinations =
      bet == kBetBracket ? FramePairs(model) : Combinations(bet, model.Horses());
  std::vector<TFairLine> lines;
  lines.reserve(combinations.size());
  for (const auto& n : combinations) {
    TFairLine line;
    line.Bet = bet;
    line.Numbers = n;
    line.Probability = model.Of(bet, n);
    if (line.Probability <= 0) continue;
    line.FairOdds = PayoutRate(bet) / line.Probability;
    if (market) line.MarketOdds = MarketOdds(*market, bet, n);
    if (line.HasMarket()) line.Ratio = line.MarketOdds / line.FairOdds;
    lines.push_back(line);
  }
  return lines;
}

void SortByProbability(std::vector<TFairLine>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const TFairLine& a, const TFairLine& b) {
    return a.Probability > b.Probability;
  });
}

}  // namespace vorpa

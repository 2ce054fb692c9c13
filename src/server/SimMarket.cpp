#include "server/SimMarket.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "server/SimPlanted.h"
#include "server/SimRandom.h"
#include "server/SimResult.h"

namespace vorpa::sim {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kPayout = 0.8;
constexpr int kKnotMinutes = 10;
// Share of each pool bought on the day before.
constexpr double kPreSaleShare = 0.08;
// Pool sizes relative to the win pool, kinds 1..8.
constexpr double kPoolScale[9] = {0, 1.0, 0.55, 0.2, 1.4, 1.1, 0.7, 2.2, 3.5};

uint64_t RaceKey(const TSimDay& day, const TSimMeeting& m, const TSimRace& r) {
  uint64_t code = 0;
  for (char c : m.Code) code = code * 131 + uint64_t(c);
  return Hash({day.Seed, uint64_t(day.Date), code, uint64_t(r.No)});
}

// Smooth noise of horse h at minute `minute` of the sale (-1: pre-sale):
// normal values at knots every ten minutes, linear between.
double Drift(uint64_t key, int h, int minute) {
  if (minute < 0) return Normal(Hash({key, uint64_t(h), 0xFFFF}));
  const int k = minute / kKnotMinutes;
  const double f = double(minute % kKnotMinutes) / kKnotMinutes;
  const double a = Normal(Hash({key, uint64_t(h), uint64_t(k)}));
  const double b = Normal(Hash({key, uint64_t(h), uint64_t(k + 1)}));
  return a + (b - a) * f;
}

std::vector<std::vector<std::string>> Grid(int n) {
  return std::vector<std::vector<std::string>>(size_t(n + 1), std::vector<std::string>(size_t(n + 1)));
}

double Truncate1(double v) { return std::floor(v * 10.0 + 1e-9) / 10.0; }

}  // namespace

double FairOdds(double chance) { return chance > 0 ? kPayout / chance : 9999.9; }

std::string OddsText(double odds) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", std::clamp(Truncate1(odds), 1.0, 9999.9));
  return buf;
}

double ExactaChance(const std::vector<double>& p, int i, int j) {
  const double pi = p[size_t(i - 1)], pj = p[size_t(j - 1)];
  return pi >= 1.0 ? 0 : pi * pj / (1.0 - pi);
}

double TrifectaChance(const std::vector<double>& p, int i, int j, int k) {
  const double pi = p[size_t(i - 1)], pj = p[size_t(j - 1)], pk = p[size_t(k - 1)];
  const double rest = 1.0 - pi - pj;
  return rest <= 0 ? 0 : ExactaChance(p, i, j) * pk / rest;
}

double TrioChance(const std::vector<double>& p, int i, int j, int k) {
  return TrifectaChance(p, i, j, k) + TrifectaChance(p, i, k, j) + TrifectaChance(p, j, i, k) +
         TrifectaChance(p, j, k, i) + TrifectaChance(p, k, i, j) + TrifectaChance(p, k, j, i);
}

double WideChance(const std::vector<double>& p, int i, int j) {
  double sum = 0;
  for (int k = 1; k <= int(p.size()); ++k)
    if (k != i && k != j && p[size_t(k - 1)] > 0) sum += TrioChance(p, i, j, k);
  return sum;
}

TSaleMoment SaleMomentAt(const TSimMeeting& meeting, const TSimRace& race, double now) {
  TSaleMoment at;
  const double today = std::floor(now);
  const double time = now - today;
  const double open = DaySaleOpen();
  const double close = race.PostTime - SaleCloseBefore();
  at.PreSale = today < meeting.Date || (today == meeting.Date && time < open);
  at.Final = today > meeting.Date || (today == meeting.Date && time >= race.PostTime);
  if (at.PreSale) return at;
  const double shown = at.Final || today > meeting.Date ? close : std::min(time, close);
  at.Minute = std::max(0, int(std::floor((shown - open) / kMinute + 1e-6)));
  at.Time = open + at.Minute * kMinute;
  at.Progress = std::clamp((at.Time - open) / std::max(close - open, kMinute), 0.0, 1.0);
  return at;
}

TMarket MarketAt(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race,
                 double now) {
  TMarket m;
  const int n = race.RunnerCount();
  m.N = n;
  const uint64_t key = RaceKey(day, meeting, race);
  const TSaleMoment at = SaleMomentAt(meeting, race, now);
  m.PreSale = at.PreSale;
  m.Final = at.Final;
  m.Time = at.Time;
  const int minute = at.Minute;
  const double progress = at.Progress;
  const double fill = kPreSaleShare + (1 - kPreSaleShare) * std::pow(progress, 2.5);
  const double sigma = 0.35 * (1.0 - progress) + 0.08;

  m.Shares.assign(size_t(n), 0.0);
  const TPlantedMove planted = PlantedMoveOf(day, meeting, race);
  const bool plantedIn = planted.Horse > 0 && minute >= planted.Minute;
  double total = 0;
  for (const TSimRunner& r : race.Runners) {
    if (r.Scratched) continue;
    double s = r.Strength * std::exp(sigma * Drift(key, r.HorseNo, minute));
    if (plantedIn && r.HorseNo == planted.Horse) s *= planted.Factor;
    m.Shares[size_t(r.HorseNo - 1)] = s;
    total += s;
  }
  for (double& s : m.Shares) s /= total;
  const std::vector<double>& p = m.Shares;

  // Win: votes per horse, odds from the pool.
  const double winPool = race.Pool * fill;
  int64_t winVotes = 0;
  std::vector<int64_t> votes(size_t(n), 0);
  for (int h = 1; h <= n; ++h) {
    if (p[size_t(h - 1)] <= 0) continue;
    votes[size_t(h - 1)] = std::max<int64_t>(1, std::llround(winPool * p[size_t(h - 1)]));
    winVotes += votes[size_t(h - 1)];
  }
  const char* scratched = "取消";
  for (int h = 1; h <= n; ++h) {
    const double ph = p[size_t(h - 1)];
    if (ph <= 0) {
      m.Win.push_back(scratched);
      m.PlaceLow.push_back(scratched);
      m.PlaceHigh.push_back(scratched);
      continue;
    }
    m.Win.push_back(OddsText(kPayout * double(winVotes) / double(votes[size_t(h - 1)])));
    const double place = 1.0 - std::pow(1.0 - ph, 2.6);
    const double low = std::max(1.0, Truncate1(FairOdds(place) * 0.75));
    m.PlaceLow.push_back(OddsText(low));
    m.PlaceHigh.push_back(OddsText(std::max(low, FairOdds(place) * 1.3)));
  }

  // Pairs: Harville chances with a little noise of their own.
  m.Quinella = Grid(n);
  m.Exacta = Grid(n);
  m.WideLow = Grid(n);
  m.WideHigh = Grid(n);
  std::vector<std::vector<double>> pairChance(size_t(n + 1), std::vector<double>(size_t(n + 1)));
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (i == j) continue;
      const bool gone = p[size_t(i - 1)] <= 0 || p[size_t(j - 1)] <= 0;
      const double jitter =
          std::exp(0.06 * Normal(Hash({key, uint64_t(i), uint64_t(j), uint64_t(minute + 2), 9})));
      const double e = ExactaChance(p, i, j);
      if (!race.NoExacta) m.Exacta[size_t(i)][size_t(j)] = gone ? scratched : OddsText(FairOdds(e) / jitter);
      if (i > j) continue;
      const double q = e + ExactaChance(p, j, i);
      pairChance[size_t(i)][size_t(j)] = q;
      m.Quinella[size_t(i)][size_t(j)] = gone ? scratched : OddsText(FairOdds(q) / jitter);
      if (gone) {
        m.WideLow[size_t(i)][size_t(j)] = scratched;
        m.WideHigh[size_t(i)][size_t(j)] = scratched;
        continue;
      }
      const double w = WideChance(p, i, j);
      const double low = std::max(1.0, Truncate1(FairOdds(w) * 0.8 / jitter));
      m.WideLow[size_t(i)][size_t(j)] = OddsText(low);
      m.WideHigh[size_t(i)][size_t(j)] = OddsText(std::max(low, FairOdds(w) * 1.25 / jitter));
    }
  }

  // Bracket: the pair chances of the horses of two frames summed.
  m.Bracket = Grid(8);
  double frameChance[9][9] = {};
  bool frameRuns[9] = {};
  int frameCount[9] = {};
  for (const TSimRunner& r : race.Runners) {
    ++frameCount[r.FrameNo];
    if (!r.Scratched) frameRuns[r.FrameNo] = true;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j) {
      int a = race.Runners[size_t(i - 1)].FrameNo, b = race.Runners[size_t(j - 1)].FrameNo;
      if (a > b) std::swap(a, b);
      frameChance[a][b] += pairChance[size_t(i)][size_t(j)];
    }
  for (int a = 1; a <= 8; ++a)
    for (int b = a; b <= 8; ++b) {
      if (frameCount[a] == 0 || frameCount[b] == 0 || (a == b && frameCount[a] < 2)) continue;
      m.Bracket[size_t(a)][size_t(b)] =
          frameChance[a][b] > 0 ? OddsText(FairOdds(frameChance[a][b])) : scratched;
      if (!frameRuns[a] || !frameRuns[b]) m.Bracket[size_t(a)][size_t(b)] = scratched;
    }

  // Vote totals of the nine kinds.
  m.Votes[kWin] = winVotes;
  for (int k = kPlace; k <= kTrifecta; ++k)
    m.Votes[k] = std::llround(race.Pool * fill * kPoolScale[k]);
  if (race.NoExacta) m.Votes[kExacta] = 0;
  m.Votes[kGrand] = 0;
  for (int k = kWin; k <= kTrifecta; ++k) m.Votes[kGrand] += m.Votes[k];
  return m;
}

std::string VoteText(const TMarket& m, int k) {
  return m.Final && k >= kWin && k <= kGrand ? Grouped(m.Votes[k]) : std::string();
}

}  // namespace vorpa::sim

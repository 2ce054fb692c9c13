#include "analysis/OddsMovement.h"

namespace vorpa {

bool RunsInRace(const TRace& race, int h) {
  return h >= 1 && h <= race.Header.RunnerCount && h <= kMaxRunners && race.Runner(h).Finish != -1;
}

TOddsChange CellChange(const TRace& race, int index, int cell) {
  TOddsChange c;
  if (index < 0 || index >= static_cast<int>(race.Snapshots.size())) return c;
  const double after = race.Snapshots[index].Cells[cell];
  if (after >= 0) c.After = after;
  if (index == 0) return c;
  const double before = race.Snapshots[index - 1].Cells[cell];
  if (before >= 0) c.Before = before;
  if (before > 0 && after > 0 && before != after)
    c.Kind = after < before ? TMoveKind::Shorter : TMoveKind::Longer;
  return c;
}

bool FellByPercent(double before, double after, double percent) {
  return before > 0 && after > 0 && after * 100.0 <= before * (100.0 - percent) + 1e-9;
}

THorseRanks PopularityRanks(const TRace& race, int index) {
  THorseRanks ranks{};
  if (index < 0 || index >= static_cast<int>(race.Snapshots.size())) return ranks;
  const OddsSnapshot& s = race.Snapshots[index];
  for (int h = 1; h <= kMaxRunners; ++h) {
    if (!RunsInRace(race, h) || s.Win(h) <= 0) continue;
    int lower = 0;
    for (int j = 1; j <= kMaxRunners; ++j)
      if (RunsInRace(race, j) && s.Win(j) > 0 && s.Win(j) < s.Win(h)) ++lower;
    ranks[h - 1] = lower + 1;
  }
  return ranks;
}

THorseValues WinShares(const TRace& race, int index) {
  THorseValues shares{};
  if (index < 0 || index >= static_cast<int>(race.Snapshots.size())) return shares;
  const OddsSnapshot& s = race.Snapshots[index];
  double sum = 0;
  for (int h = 1; h <= kMaxRunners; ++h)
    if (RunsInRace(race, h) && s.Win(h) > 0) sum += 1.0 / s.Win(h);
  if (sum <= 0) return shares;
  for (int h = 1; h <= kMaxRunners; ++h)
    if (RunsInRace(race, h) && s.Win(h) > 0) shares[h - 1] = (1.0 / s.Win(h)) / sum;
  return shares;
}

double MoneyOn(double poolVotes, double odds) {
  if (poolVotes <= 0 || odds <= 0) return 0;
  return kYenPerVote * poolVotes * kWinPayoutRate / odds;
}

}  // namespace vorpa

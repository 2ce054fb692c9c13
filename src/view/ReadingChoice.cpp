#include "view/ReadingChoice.h"

#include <algorithm>
#include <numeric>

#include "view/OrderByValue.h"

namespace vorpa {

namespace {

// s, or s - 1 when the group's time of snapshot s is 0; -1 stays -1.
int StepBack(const TRace& race, int s, double (OddsSnapshot::*time)() const) {
  if (s < 0) return -1;
  return (race.Snapshots[s].*time)() == 0 ? s - 1 : s;
}

}  // namespace

int RunnerCountOf(const TRace& race) {
  return std::clamp(race.Header.RunnerCount, 0, kMaxRunners);
}

TReadingChoice ReadingChoice(const TRace& race, int selected) {
  TReadingChoice c;
  const int last = static_cast<int>(race.Snapshots.size()) - 1;
  if (last < 0) return c;
  const int s = std::min(selected, last);
  const OddsSnapshot& l = race.Snapshots[last];
  c.Latest = (l.WinTime() == 0 || (race.Header.RunnerCount > 8 && l.QuinellaTime() == 0))
                 ? last - 1
                 : last;
  c.Win = StepBack(race, s, &OddsSnapshot::WinTime);
  c.Bracket = s < 0 ? -1 : s;
  c.Quinella = StepBack(race, s, &OddsSnapshot::QuinellaTime);
  c.Exacta = StepBack(race, s, &OddsSnapshot::ExactaTime);
  c.Wide = StepBack(race, s, &OddsSnapshot::WideTime);
  c.Correlation = std::min(c.Win, c.Latest);
  return c;
}

TRenEstimate RenEstimate(const TRace& race, int bracketIndex, int quinellaIndex) {
  TRenEstimate r;
  const int n = RunnerCountOf(race);
  const int count = static_cast<int>(race.Snapshots.size());
  auto add = [](double& v, double o) {
    if (o > 0) v += 1 / o;
  };
  if (n <= kMaxFrames) {
    if (bracketIndex < 0 || bracketIndex >= count) return r;
    const OddsSnapshot& s = race.Snapshots[bracketIndex];
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j < i; ++j) add(r.Values[i - 1], s.Bracket(j, i));
      for (int j = i; j <= n; ++j) add(r.Values[i - 1], s.Bracket(i, j));
    }
  } else {
    if (quinellaIndex < 0 || quinellaIndex >= count) return r;
    const OddsSnapshot& s = race.Snapshots[quinellaIndex];
    for (int i = 1; i <= n; ++i)
      for (int j = i + 1; j <= n; ++j) {
        add(r.Values[i - 1], s.Quinella(i, j));
        add(r.Values[j - 1], s.Quinella(i, j));
      }
  }
  const double sum = std::accumulate(r.Values.begin(), r.Values.end(), 0.0);
  for (double& v : r.Values)
    if (v > 0) v = sum * 0.8 / v;
  r.Ok = true;
  return r;
}

std::vector<int> CardOrder(const TRace& race, int umaOrder, int winIndex,
                           const TRenEstimate& ren) {
  const int n = RunnerCountOf(race);
  std::vector<double> values(n);
  const bool haveWin = winIndex >= 0 && winIndex < static_cast<int>(race.Snapshots.size());
  if (umaOrder == kOrderWin && haveWin) {
    const OddsSnapshot& s = race.Snapshots[winIndex];
    for (int h = 1; h <= n; ++h) values[h - 1] = s.Win(h);
  } else if (umaOrder == kOrderPlace && haveWin) {
    const OddsSnapshot& s = race.Snapshots[winIndex];
    for (int h = 1; h <= n; ++h) values[h - 1] = (s.PlaceLow(h) + s.PlaceHigh(h)) / 2;
  } else if (umaOrder == kOrderRen && ren.Ok) {
    std::copy_n(ren.Values.begin(), n, values.begin());
  } else {
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    return order;
  }
  return OrderByValue(values);
}

int KeptReading(const TRace& before, int shown, const TRace& after) {
  const int last = static_cast<int>(before.Snapshots.size()) - 1;
  if (shown < 0 || shown >= last) return -1;
  const OddsSnapshot& s = before.Snapshots[shown];
  for (size_t i = 0; i < after.Snapshots.size(); ++i) {
    const OddsSnapshot& a = after.Snapshots[i];
    if (a.WinTime() == s.WinTime() && a.QuinellaTime() == s.QuinellaTime() &&
        a.ExactaTime() == s.ExactaTime() && a.WideTime() == s.WideTime())
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace vorpa

#include "core/RaceEdit.h"

#include <algorithm>
#include <cmath>

namespace vorpa {
namespace {

// Reading times are stored to the second.
bool SameTime(double a, double b) { return std::abs(a - b) < 0.5 / 86400; }

bool HasTime(const std::vector<OddsSnapshot>& readings, double t) {
  return std::any_of(readings.begin(), readings.end(),
                     [t](const OddsSnapshot& s) { return SameTime(s.WinTime(), t); });
}

template <typename T>
const T& Changed(const T& loaded, const T& edited, const T& stored) {
  return edited == loaded ? stored : edited;
}

}  // namespace

TRace MergeRaceEdit(const TRace& loaded, const TRace& edited, const TRace& stored) {
  TRace out;
  out.Header = Changed(loaded.Header, edited.Header, stored.Header);
  out.Runners = Changed(loaded.Runners, edited.Runners, stored.Runners);
  out.Votes = Changed(loaded.Votes, edited.Votes, stored.Votes);
  out.Result = Changed(loaded.Result, edited.Result, stored.Result);
  if (edited.Snapshots == loaded.Snapshots) {
    out.Snapshots = stored.Snapshots;
    return out;
  }
  out.Snapshots = edited.Snapshots;
  for (const OddsSnapshot& s : stored.Snapshots) {
    if (HasTime(loaded.Snapshots, s.WinTime()) || HasTime(out.Snapshots, s.WinTime())) continue;
    const auto later = std::find_if(out.Snapshots.begin(), out.Snapshots.end(),
                                    [&s](const OddsSnapshot& o) { return o.WinTime() > s.WinTime(); });
    out.Snapshots.insert(later, s);
  }
  return out;
}

}  // namespace vorpa

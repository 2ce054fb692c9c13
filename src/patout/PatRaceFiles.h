#pragma once
// The PAT files that describe a meeting and a race before the odds: the
// meeting outline ("UY-"), the race card ("DE-") and the body weights
// ("UT-"); and the frame rule they share with the odds files.
#include <array>
#include <string>
#include <vector>

#include "core/Race.h"
#include "patout/PatFrame.h"

namespace vorpa {

constexpr int kYoukouRaces = 14;

// One meeting (venue) of a date for the outline file.
struct TYoukouInfo {
  double Date = 0;
  int VenueCode = 0;  // 1..10
  int Kai = 0;
  int Nichi = 0;
  std::array<bool, kYoukouRaces> RaceHeld{};    // race number r at index r-1
  std::array<int, kYoukouRaces> RaceRunners{};  // 0 for races not held
};
// In the order in which the meetings were first met.
using TYoukouInfos = std::vector<TYoukouInfo>;

// Frame number 1..8 of horse `horseNo` among `runners` runners.
int FrameOfHorse(int runners, int horseNo);

// One outline file per meeting, "UY-A.JRA", "UY-B.JRA" ..., in the layout
// of `variant`, stamped with the time of day of `now`. An empty array
// writes nothing. Returns the paths written; throws TPatFileError.
std::vector<std::string> WriteUyFile(const std::string& dir, PatVariant variant,
                                     const TYoukouInfos& meetings, double now);
// The race card file; returns its path; throws TPatFileError.
std::string WriteDeFile(const std::string& dir, const TRace& race);
// The body weight file; `now` stamps it while the post time is unknown.
std::string WriteUtFile(const std::string& dir, const TRace& race, double now);

}  // namespace vorpa

#pragma once
// What the simulator served, as UTF-8 JSON, for tests that compare what a
// client stored with what the server had (layout in the README).
#include <string>

#include "server/SimDay.h"

namespace vorpa::sim {

std::string DayTruth(const TSimDay& day, double now);
std::string RaceTruth(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);

}  // namespace vorpa::sim

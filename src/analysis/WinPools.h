#pragma once
// Where the win pools of stored readings come from: the history database
// beside the race files keeps the vote totals of every store, at the time
// of the race's newest reading then.
#include <string_view>

#include "analysis/DayAlerts.h"

namespace vorpa {

// The win pools of the races of a data directory, read from its history
// database; an empty source (every pool unknown) when there is no database
// or it cannot be read.
TWinPoolSource WinPoolsOf(std::string_view dataDir);
// The win pools of one race's readings; empty when unknown.
TWinPools RaceWinPools(std::string_view dataDir, const TRace& race);

}  // namespace vorpa

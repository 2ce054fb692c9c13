#pragma once
// The alerts of a meeting date, from every race file of its directory.
#include <functional>
#include <string_view>
#include <vector>

#include "analysis/OddsAlerts.h"

namespace vorpa {

// The win pools of a stored race's readings; an empty function knows none.
using TWinPoolSource = std::function<TWinPools(const TRace& race)>;

// Every alert of the date's race files, in time order (AlertBefore).
std::vector<TAlert> DayAlerts(std::string_view dataDir, double date, const TAlertThresholds& t,
                              const TWinPoolSource& pools = {});

}  // namespace vorpa

#pragma once
// The text line of an alert, as vorpa-tool alerts and fetch print it (UTF-8).
#include <string>

#include "analysis/OddsAlerts.h"

namespace vorpa::tool {

// "2026-12-06 10:30:00-10:40:00 東京11R  5 drop     12.3 ->    6.1   6.0% ->  11.2% -"
// (the last field the inflow in yen, "-" when unknown).
std::string AlertLine(const TAlert& a);

}  // namespace vorpa::tool

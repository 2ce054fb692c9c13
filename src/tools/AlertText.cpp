#include "tools/AlertText.h"

#include <cmath>
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"

namespace vorpa::tool {

std::string AlertLine(const TAlert& a) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%2dR %2d %-6s %6.1f -> %6.1f %5.1f%% -> %5.1f%% ", a.Race, a.Horse,
                AlertKindName(a.Kind), a.OddsFrom, a.OddsTo, a.ShareFrom * 100, a.ShareTo * 100);
  const std::string inflow = a.InflowYen ? std::to_string(std::llround(*a.InflowYen)) : "-";
  return DateToIsoText(a.Date) + " " + TimeToText(a.FromTime) + "-" + TimeToText(a.ToTime) + " " +
         Cp932ToUtf8(a.Venue) + buf + inflow;
}

}  // namespace vorpa::tool

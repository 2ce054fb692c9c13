// vorpa-tool alerts: the odds alerts of a meeting date from its race files.
#include <cmath>
#include <cstdio>
#include <string>

#include "analysis/DayAlerts.h"
#include "analysis/WinPools.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "tools/AlertText.h"
#include "tools/Json.h"
#include "tools/RaceFileArg.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

std::string AlertsJson(const std::vector<TAlert>& alerts) {
  JsonOut j;
  j.BeginArray();
  for (const TAlert& a : alerts) {
    j.BeginObject();
    j.Key("date").Utf8(DateToIsoText(a.Date)).Key("venue").Cp932(a.Venue).Key("race").Int(a.Race);
    j.Key("from_time").Utf8(TimeToText(a.FromTime)).Key("to_time").Utf8(TimeToText(a.ToTime));
    j.Key("kind").Utf8(AlertKindName(a.Kind)).Key("horse").Int(a.Horse);
    j.Key("odds_from").Number(a.OddsFrom).Key("odds_to").Number(a.OddsTo);
    j.Key("share_from").Number(std::round(a.ShareFrom * 1e6) / 1e6);
    j.Key("share_to").Number(std::round(a.ShareTo * 1e6) / 1e6);
    j.Key("inflow_yen");
    if (a.InflowYen) j.Int(std::llround(*a.InflowYen));
    else j.Null();
    j.EndObject();
  }
  j.EndArray();
  return j.Text();
}

// A threshold option's value: a number within [lo, hi].
bool ThresholdArg(const std::string& name, const std::string& text, double lo, double hi, double* out) {
  const double v = NumberOf(text, -1);
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos || v < lo || v > hi) {
    std::fprintf(stderr, "vorpa-tool alerts: %s: not a number from %g to %g: %s\n", name.c_str(), lo, hi,
                 text.c_str());
    return false;
  }
  *out = v;
  return true;
}

int RunAlerts(ToolContext& ctx, const std::vector<std::string>& args) {
  const TSetting setting = LoadSetting(ctx.ConfigDir);
  TAlertThresholds t = AlertThresholdsOf(setting);
  double date = 0;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool valued = i + 1 < args.size();
    if (a == "--json") {
      json = true;
    } else if (a == "--date" && valued && TryTextToDate(args[i + 1], &date)) {
      ++i;
    } else if (a == "--drop" && valued) {
      if (!ThresholdArg(a, args[++i], 1, 99, &t.DropPercent)) return 2;
    } else if (a == "--share" && valued) {
      if (!ThresholdArg(a, args[++i], 0.01, 100, &t.SharePoints)) return 2;
    } else if (a == "--inflow" && valued) {
      if (!ThresholdArg(a, args[++i], 1, 1e12, &t.InflowYen)) return 2;
    } else {
      std::fprintf(stderr, "vorpa-tool alerts: bad argument: %s (see --help)\n", a.c_str());
      return 2;
    }
  }
  if (date == 0) {
    std::fprintf(stderr, "vorpa-tool alerts: --date yyyy-mm-dd is required\n");
    return 2;
  }
  const std::string dataDir = ctx.DataDir.empty() ? setting.MojiPath : ctx.DataDir;
  if (dataDir.empty()) {
    std::fprintf(stderr, "vorpa-tool alerts: no data directory (--data-dir or MojiPath)\n");
    return 2;
  }
  if (!DateHasRaceFiles("alerts", dataDir, date)) return 1;
  const std::vector<TAlert> alerts = DayAlerts(dataDir, date, t, WinPoolsOf(dataDir));
  if (json) {
    std::printf("%s\n", AlertsJson(alerts).c_str());
  } else {
    for (const TAlert& a : alerts) std::printf("%s\n", AlertLine(a).c_str());
  }
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(alerts, "alerts", "print the odds alerts of a meeting date",
                   "usage: vorpa-tool [--data-dir DIR] alerts --date yyyy-mm-dd [--json]\n"
                   "                  [--drop P] [--share PP] [--inflow YEN]\n\n"
                   "Compares each stored odds reading of every race of the date with the reading\n"
                   "before it and prints the alerts in time order:\n"
                   "  drop    win odds fell to (100 - P) % or less and end below AlertDropOddsLimit\n"
                   "          (P from --drop, else AlertDropPercent, default 30)\n"
                   "  share   the win support share rose by PP points or more (--share, else\n"
                   "          AlertSharePoints, default 5)\n"
                   "  inflow  estimated money on the horse grew by YEN or more (--inflow, else\n"
                   "          AlertInflowYen, default 10000000); only where the win pools of both\n"
                   "          readings are known (the pools rows of the history database,\n"
                   "          vorpa.sqlite, taken at the readings' times)\n"
                   "One line per alert: date, the two reading times, race, horse, kind, win odds\n"
                   "before -> after, support share before -> after, inflow in yen (\"-\" unknown).\n"
                   "With --json one array of objects with the keys date, venue, race, from_time,\n"
                   "to_time, kind, horse, odds_from, odds_to, share_from, share_to, inflow_yen\n"
                   "(null when unknown). A date without race files is an error (exit 1).\n",
                   RunAlerts);

}  // namespace vorpa::tool

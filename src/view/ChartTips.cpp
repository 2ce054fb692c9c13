#include "view/ChartTips.h"

#include "core/Cp932.h"
#include "view/NumberFormat.h"
#include "view/OddsCharts.h"
#include "view/RaceList.h"

namespace vorpa {

namespace {

std::string Sj(const char* utf8) { return Utf8ToCp932(utf8); }

std::string HorseText(const TRace& race, int horse) {
  std::string text = FormatNumber("%2.0f", horse);
  if (horse >= 1 && horse <= kMaxRunners && !race.Runners[horse - 1].HorseName.empty())
    text += " " + race.Runners[horse - 1].HorseName;
  return text;
}

std::string ReadingTime(const TRace& race, int reading) {
  if (reading < 0 || reading >= static_cast<int>(race.Snapshots.size())) return "";
  return HourMinuteText(race.Snapshots[reading].WinTime());
}

const std::string& Caption(TTipOdds kind) {
  static const std::string win = Sj("単勝"), place = Sj("複勝推定"), pair = Sj("馬連/枠連推定");
  return kind == TTipOdds::Win ? win : kind == TTipOdds::Place ? place : pair;
}

}  // namespace

std::string OddsLine(TTipOdds kind, double odds) {
  if (odds <= 0) return Caption(kind) + Sj(" オッズなし");
  return Caption(kind) + FormatNumber(" %.1f", odds) + FormatNumber(" (%.1f%%)", Chance(odds));
}

std::string PointTip(const TRace& race, int horse, int reading, TTipOdds kind, double odds) {
  return HorseText(race, horse) + "\n" + ReadingTime(race, reading) + "\n" + OddsLine(kind, odds);
}

std::string BinTip(const TRace& race, int reading, TTipOdds kind, const std::string& upperEdge,
                   const std::vector<int>& horses, const std::vector<double>& odds) {
  std::string tip = Caption(kind) + Sj(" ～") + upperEdge + FormatNumber("%%  %.0f", static_cast<double>(horses.size())) +
                    Sj("頭") + "\n" + ReadingTime(race, reading);
  for (size_t i = 0; i < horses.size(); ++i)
    tip += "\n" + HorseText(race, horses[i]) + FormatNumber("  %.1f", odds[i]);
  return tip;
}

}  // namespace vorpa

#include "patout/PatOutChoice.h"

#include "core/DayCount.h"

namespace vorpa {

void ApplyPatPreset(TPatOutChoice& c, TPatPreset preset) {
  struct Row {
    int Race;
    int Mode;  // -1: as it is; PatOddsLatest: away from automatic output only
    bool Youkou, Syutuba, Weight, Odds, Result;
  };
  static constexpr Row kRows[] = {
      {PatAllRaces, -1, true, true, false, false, false},            // 当日最初
      {PatAllRaces, PatOddsLatest, false, true, true, true, false},  // 全オッズ
      {PatOneRace, PatOddsLatest, false, true, true, true, false},   // 各レース前
      {PatAllRaces, PatAutoOut, false, true, true, true, true},      // 自動出力
      {PatAllRaces, PatOddsLatest, false, true, false, false, true}, // 当日最終
  };
  const Row& r = kRows[preset];
  c.Race = r.Race;
  if (r.Mode == PatAutoOut) c.Mode = PatAutoOut;
  else if (r.Mode == PatOddsLatest && c.Mode == PatAutoOut) c.Mode = PatOddsLatest;
  c.Youkou = r.Youkou;
  c.Syutuba = r.Syutuba;
  c.Weight = r.Weight;
  c.Odds = r.Odds;
  c.Result = r.Result;
}

void CompletePatRequest(const TPatOutChoice& c, TPatOutInfo& info) {
  if (c.Race == PatAllRaces) {
    info.VenueName.clear();
    info.RaceNo = 0;
  } else if (c.Race == PatFromRaceNo) {
    info.VenueName.clear();
  }
  info.OddsTime = c.Mode == PatOddsAtTime ? TimeOf(c.OddsTime) : 0;
  info.AutoOut = c.Mode == PatAutoOut;
  info.OutYoukou = c.Youkou;
  info.OutSyutuba = c.Syutuba;
  info.OutWeight = c.Weight;
  info.OutOdds = c.Odds;
  info.OutResult = c.Result;
}

std::string PatSelDateText(const TPatOutInfo& info) { return DateToLongText(info.Date); }

std::string PatSelRaceText(const TPatOutInfo& info) {
  return info.VenueName + " " + std::to_string(info.RaceNo) + "R";
}

}  // namespace vorpa

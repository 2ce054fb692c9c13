#pragma once
// What the PAT output dialog shows and builds, without a window: its control
// states, the five presets, the request completed on "出力", and the texts
// of the selected date and race.
#include <string>

#include "core/PatOutInfo.h"

namespace vorpa {

// rgRace items.
enum TPatRaceChoice { PatAllRaces = 0, PatFromRaceNo = 1, PatOneRace = 2 };
// rgOddsTimeRatest items.
enum TPatOddsMode { PatOddsLatest = 0, PatOddsAtTime = 1, PatAutoOut = 2 };
// The buttons of "お勧め設定", in their order.
enum TPatPreset { PatPresetStart, PatPresetAllOdds, PatPresetRace, PatPresetAuto, PatPresetEnd };

// The control states of the dialog; the defaults are its initial states.
struct TPatOutChoice {
  bool Youkou = true, Syutuba = true, Weight = true, Odds = true, Result = true;
  int Race = PatAllRaces;
  int Mode = PatOddsLatest;
  double OddsTime = 0;  // time of day of the picker
};

// Sets the controls a preset sets and leaves the others.
void ApplyPatPreset(TPatOutChoice& choice, TPatPreset preset);
// Completes the request from the controls.
void CompletePatRequest(const TPatOutChoice& choice, TPatOutInfo& info);

// lblSelDate: "yyyy/mm/dd"; lblSelRace: venue, a blank, the number and "R"
// (CP932).
std::string PatSelDateText(const TPatOutInfo& info);
std::string PatSelRaceText(const TPatOutInfo& info);

}  // namespace vorpa

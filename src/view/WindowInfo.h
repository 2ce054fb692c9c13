#pragma once
// The main window's placement, kept in section "WindowInfo" of "Vorpa.Ini"
// beside the settings of section "vorpa".
#include <string>

namespace vorpa {

class TIniFile;

enum TWinState { kWinNormal = 0, kWinMinimized = 1, kWinMaximized = 2 };

struct TWindowInfo {
  int WinWidth = 0;
  int WinHeight = 0;
  int WinLeft = 1;
  int WinTop = 1;
  int WinState = kWinNormal;
};

// Start values: the current size, left 1, top 1, normal; each key of the
// file replaces its start value when it is a number.
TWindowInfo LoadWindowInfo(const TIniFile& ini, int width, int height);
// A placement with a zero in width, height, left or top is not applied.
bool PlacementApplies(const TWindowInfo& info);
// The state to show: minimised or maximised as stored, anything else normal.
TWinState StateToApply(const TWindowInfo& info);
// Replaces the section by the five keys in the order WinWidth, WinHeight,
// WinLeft, WinTop, WinState.
void StoreWindowInfo(TIniFile* ini, const TWindowInfo& info);
// Stores the placement into the settings file at `iniPath`, keeping its
// other sections; written through a temporary file. False on failure.
bool SaveWindowInfo(const std::string& iniPath, const TWindowInfo& info);

}  // namespace vorpa

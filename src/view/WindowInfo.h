#pragma once
// The main window's placement, kept in section "WindowInfo" of "Vorpa.Ini"
// beside the settings of section "vorpa".
#include <string>
#include <vector>

#include "view/FrameGeometry.h"

namespace vorpa {

class TIniFile;

enum TWinState { kWinNormal = 0, kWinMinimized = 1, kWinMaximized = 2 };

struct TWindowInfo {
  int WinWidth = 0;
  int WinHeight = 0;
  int WinLeft = 1;
  int WinTop = 1;
  int WinState = kWinNormal;
  int Zoom = 100;       // of the grids, lists and result texts (view/Zoom.h)
  bool Placed = false;  // the file holds WinLeft and WinTop
};

// Start values: the current size, left 1, top 1, normal, zoom 100; each
// key of the file replaces its start value when it is a number (a zoom
// outside 100..250 is brought within, 0 is "fit to the window").
TWindowInfo LoadWindowInfo(const TIniFile& ini, int width, int height);
// A stored placement is applied unless its width or height is 0 or its
// rectangle meets none of the `screens`. Without a stored left and top
// (the first start) the window manager places the window. A window at
// the screen's left or top edge (0) keeps its place.
bool PlacementApplies(const TWindowInfo& info, const std::vector<TFrameRect>& screens);
// The state to show: minimised or maximised as stored, anything else normal.
TWinState StateToApply(const TWindowInfo& info);
// Replaces the section by the keys in the order WinWidth, WinHeight,
// WinLeft, WinTop, WinState, Zoom.
void StoreWindowInfo(TIniFile* ini, const TWindowInfo& info);
// Stores the placement into the settings file at `iniPath`, keeping its
// other sections; written through a temporary file. False on failure.
bool SaveWindowInfo(const std::string& iniPath, const TWindowInfo& info);

}  // namespace vorpa

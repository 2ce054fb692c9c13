#include "view/WindowInfo.h"

#include <string>

#include "core/IniFile.h"
#include "view/Zoom.h"

namespace vorpa {
namespace {
const char* const kSection = "WindowInfo";
}  // namespace

TWindowInfo LoadWindowInfo(const TIniFile& ini, int width, int height) {
  TWindowInfo info;
  info.WinWidth = ini.GetInt(kSection, "WinWidth", width);
  info.WinHeight = ini.GetInt(kSection, "WinHeight", height);
  info.WinLeft = ini.GetInt(kSection, "WinLeft", info.WinLeft);
  info.WinTop = ini.GetInt(kSection, "WinTop", info.WinTop);
  info.WinState = ini.GetInt(kSection, "WinState", info.WinState);
  info.Zoom = ClampZoom(ini.GetInt(kSection, "Zoom", info.Zoom));
  std::string text;
  info.Placed = ini.Get(kSection, "WinLeft", &text) && ini.Get(kSection, "WinTop", &text);
  return info;
}

bool PlacementApplies(const TWindowInfo& info, const std::vector<TFrameRect>& screens) {
  if (!info.Placed || info.WinWidth == 0 || info.WinHeight == 0) return false;
  const long right = static_cast<long>(info.WinLeft) + info.WinWidth;
  const long bottom = static_cast<long>(info.WinTop) + info.WinHeight;
  for (const TFrameRect& s : screens) {
    if (info.WinLeft < s.Left + s.Width && right > s.Left && info.WinTop < s.Top + s.Height &&
        bottom > s.Top)
      return true;
  }
  return false;
}

TWinState StateToApply(const TWindowInfo& info) {
  if (info.WinState == kWinMinimized || info.WinState == kWinMaximized) {
    return static_cast<TWinState>(info.WinState);
  }
  return kWinNormal;
}

void StoreWindowInfo(TIniFile* ini, const TWindowInfo& info) {
  ini->EraseSection(kSection);
  ini->SetInt(kSection, "WinWidth", info.WinWidth);
  ini->SetInt(kSection, "WinHeight", info.WinHeight);
  ini->SetInt(kSection, "WinLeft", info.WinLeft);
  ini->SetInt(kSection, "WinTop", info.WinTop);
  ini->SetInt(kSection, "WinState", info.WinState);
  ini->SetInt(kSection, "Zoom", info.Zoom);
}

bool SaveWindowInfo(const std::string& iniPath, const TWindowInfo& info) {
  TIniFile ini = TIniFile::Load(iniPath);
  StoreWindowInfo(&ini, info);
  return ini.Save(iniPath);
}

}  // namespace vorpa

#include "view/WindowInfo.h"

#include "core/IniFile.h"

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
  return info;
}

bool PlacementApplies(const TWindowInfo& info) {
  return info.WinWidth != 0 && info.WinHeight != 0 && info.WinLeft != 0 && info.WinTop != 0;
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
}

bool SaveWindowInfo(const std::string& iniPath, const TWindowInfo& info) {
  TIniFile ini = TIniFile::Load(iniPath);
  StoreWindowInfo(&ini, info);
  return ini.Save(iniPath);
}

}  // namespace vorpa

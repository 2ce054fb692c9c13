#include "core/Setting.h"

#include <cstdio>

#include "core/DayCount.h"
#include "core/IniFile.h"
#include "core/TextUtil.h"

namespace vorpa {

const char* const kDefaultIPatHost = "127.0.0.1:8931";
const char* const kSettingFileName = "Vorpa.Ini";
TSetting Setting;

namespace {

const char* const kSection = "vorpa";

}  // namespace

TSetting::TSetting() : IPatStartTime(EncodeTime(9, 18, 0)), IPatHost(kDefaultIPatHost) {}

namespace {

std::string RaceKey(const char* word, int r, int k) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%.2d%d", word, r, k);
  return buf;
}

// Reads one key; keeps `*v` (the default) when missing or unreadable.
void ReadInt(const TIniFile& ini, const char* key, int* v) { *v = ini.GetInt(kSection, key, *v); }
void ReadBool(const TIniFile& ini, const char* key, bool* v) {
  *v = ini.GetInt(kSection, key, *v ? 1 : 0) == 1;
}
void ReadText(const TIniFile& ini, const char* key, std::string* v) {
  *v = ini.GetString(kSection, key, *v);
}
void ReadTime(const TIniFile& ini, const std::string& key, double* v) {
  std::string text;
  double t = 0;
  if (ini.Get(kSection, key, &text) && TryTextToTime(text, &t)) *v = t;
}
// An enumerated setting outside its range keeps its default, so that no
// view indexes a table with it.
void ReadChoice(const TIniFile& ini, const char* key, int count, int* v) {
  int n = ini.GetInt(kSection, key, *v);
  if (n >= 0 && n < count) *v = n;
}

std::string Bool(bool b) { return b ? "1" : "0"; }

// Key=Value lines in table order.
std::vector<std::pair<std::string, std::string>> Entries(const TSetting& s) {
  std::vector<std::pair<std::string, std::string>> e = {
      {"INetID", s.INetID},
      {"MojiPath", s.MojiPath},
      {"JRA95Path", s.JRA95Path},
      {"JRA98Path", s.JRA98Path},
      {"JRAV50Path", s.JRAV50Path},
      {"IPatChkCycle", std::to_string(s.IPatChkCycle)},
      {"MaxOddsCnt", std::to_string(s.MaxOddsCnt)},
      {"OddsOutLastTime", std::to_string(s.OddsOutLastTime)},
      {"GridStriped", Bool(s.GridStriped)},
      {"OddsColored", Bool(s.OddsColored)},
      {"DispUmaOrder", std::to_string(s.DispUmaOrder)},
      {"DispKaisaiOrder", std::to_string(s.DispKaisaiOrder)},
      {"BuyCalc", std::to_string(s.BuyCalc)},
      {"BuyTotal", std::to_string(s.BuyTotal)},
      {"AutoIPat", Bool(s.AutoIPat)},
      {"AutoPat", Bool(s.AutoPat)},
      {"AutoExit", Bool(s.AutoExit)},
      {"IPatStartTime", TimeToText(s.IPatStartTime)},
      {"IPatGetCycle", std::to_string(s.IPatGetCycle)},
  };
  for (int r = 1; r <= kGetTimeRaces; ++r)
    for (int k = 1; k <= kGetTimeSlots; ++k)
      e.emplace_back(RaceKey("IPatGetBefore", r, k), Bool(s.IPatGetBefore[r - 1][k - 1]));
  for (int r = 1; r <= kGetTimeRaces; ++r)
    for (int k = 1; k <= kGetTimeSlots; ++k)
      e.emplace_back(RaceKey("IPatGetTime", r, k), TimeToText(s.IPatGetTime[r - 1][k - 1]));
  e.emplace_back("IPatPriority", std::to_string(s.IPatPriority));
  e.emplace_back("IPatHost", s.IPatHost);
  e.emplace_back("AlertMarks", Bool(s.AlertMarks));
  e.emplace_back("AlertPopularity", Bool(s.AlertPopularity));
  e.emplace_back("AlertDropPercent", std::to_string(s.AlertDropPercent));
  e.emplace_back("AlertDropOddsLimit", std::to_string(s.AlertDropOddsLimit));
  e.emplace_back("AlertSharePoints", std::to_string(s.AlertSharePoints));
  e.emplace_back("AlertInflowYen", std::to_string(s.AlertInflowYen));
  e.emplace_back("AlertNotify", Bool(s.AlertNotify));
  e.emplace_back("AlertNotifyWithin", std::to_string(s.AlertNotifyWithin));
  e.emplace_back("DistortionShown", Bool(s.DistortionShown));
  e.emplace_back("EstimateCount", std::to_string(s.EstimateCount));
  e.emplace_back("DesktopNotify", Bool(s.DesktopNotify));
  if (s.Demo) e.emplace_back("Demo", Bool(s.Demo));
  return e;
}

// The alert keys; a threshold outside its range keeps its default.
void ReadAlertSetting(const TIniFile& ini, TSetting* s) {
  auto bounded = [&](const char* key, int lo, int hi, int* v) {
    const int n = ini.GetInt(kSection, key, *v);
    if (n >= lo && n <= hi) *v = n;
  };
  ReadBool(ini, "AlertMarks", &s->AlertMarks);
  ReadBool(ini, "AlertPopularity", &s->AlertPopularity);
  bounded("AlertDropPercent", 1, 99, &s->AlertDropPercent);
  bounded("AlertDropOddsLimit", 1, 99999, &s->AlertDropOddsLimit);
  bounded("AlertSharePoints", 1, 100, &s->AlertSharePoints);
  bounded("AlertInflowYen", 1, 2000000000, &s->AlertInflowYen);
  ReadBool(ini, "AlertNotify", &s->AlertNotify);
  bounded("AlertNotifyWithin", 0, 999, &s->AlertNotifyWithin);
}

TSetting FromIni(const TIniFile& ini) {
  TSetting s;
  ReadText(ini, "INetID", &s.INetID);
  ReadText(ini, "MojiPath", &s.MojiPath);
  ReadText(ini, "JRA95Path", &s.JRA95Path);
  ReadText(ini, "JRA98Path", &s.JRA98Path);
  ReadText(ini, "JRAV50Path", &s.JRAV50Path);
  ReadInt(ini, "IPatChkCycle", &s.IPatChkCycle);
  ReadInt(ini, "MaxOddsCnt", &s.MaxOddsCnt);
  ReadInt(ini, "OddsOutLastTime", &s.OddsOutLastTime);
  ReadBool(ini, "GridStriped", &s.GridStriped);
  ReadBool(ini, "OddsColored", &s.OddsColored);
  ReadChoice(ini, "DispUmaOrder", 4, &s.DispUmaOrder);
  ReadChoice(ini, "DispKaisaiOrder", 2, &s.DispKaisaiOrder);
  ReadChoice(ini, "BuyCalc", 2, &s.BuyCalc);
  ReadInt(ini, "BuyTotal", &s.BuyTotal);
  ReadBool(ini, "AutoIPat", &s.AutoIPat);
  ReadBool(ini, "AutoPat", &s.AutoPat);
  ReadBool(ini, "AutoExit", &s.AutoExit);
  ReadTime(ini, "IPatStartTime", &s.IPatStartTime);
  ReadInt(ini, "IPatGetCycle", &s.IPatGetCycle);
  for (int r = 1; r <= kGetTimeRaces; ++r)
    for (int k = 1; k <= kGetTimeSlots; ++k) {
      bool& before = s.IPatGetBefore[r - 1][k - 1];
      before = ini.GetInt(kSection, RaceKey("IPatGetBefore", r, k), before ? 1 : 0) == 1;
      ReadTime(ini, RaceKey("IPatGetTime", r, k), &s.IPatGetTime[r - 1][k - 1]);
    }
  int priority = s.IPatPriority;
  ReadChoice(ini, "IPatPriority", 7, &priority);
  s.IPatPriority = static_cast<uint8_t>(priority);
  ReadText(ini, "IPatHost", &s.IPatHost);
  if (s.IPatHost.empty()) s.IPatHost = kDefaultIPatHost;
  ReadAlertSetting(ini, &s);
  ReadBool(ini, "DistortionShown", &s.DistortionShown);
  int estimates = ini.GetInt(kSection, "EstimateCount", s.EstimateCount);
  if (estimates >= 1 && estimates <= kEstimateCountMax) s.EstimateCount = estimates;
  ReadBool(ini, "DesktopNotify", &s.DesktopNotify);
  ReadBool(ini, "Demo", &s.Demo);
  if (s.IPatChkCycle < 1) s.IPatChkCycle = 3;
  if (s.OddsOutLastTime > 59) s.OddsOutLastTime = 59;
  if (s.OddsOutLastTime < 0) s.OddsOutLastTime = 0;
  return s;
}

}  // namespace

TSetting ParseSetting(const std::string& iniText) { return FromIni(TIniFile::Parse(iniText)); }

std::string FormatSetting(const TSetting& s) {
  TIniFile ini;
  for (const auto& [key, value] : Entries(s)) ini.Set(kSection, key, value);
  return ini.Format();
}

TSetting LoadSetting(const std::string& dir) {
  return FromIni(TIniFile::Load(WithSeparator(dir) + kSettingFileName));
}

bool SaveSetting(const std::string& dir, const TSetting& s) {
  std::string path = WithSeparator(dir) + kSettingFileName;
  TIniFile ini = TIniFile::Load(path);
  for (const auto& [key, value] : Entries(s)) ini.Set(kSection, key, value);
  return ini.Save(path);
}

}  // namespace vorpa

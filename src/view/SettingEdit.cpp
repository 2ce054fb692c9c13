#include "view/SettingEdit.h"

#include <algorithm>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Remark.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace {

// Calls `v(control, setting)` for every control and the setting it edits.
template <class Visit>
void EachControl(TSettingControls& c, TSetting& s, Visit&& v) {
  v(c.INetID, s.INetID);
  v(c.IPatHost, s.IPatHost);
  v(c.MojiPath, s.MojiPath);
  v(c.JRA95Path, s.JRA95Path);
  v(c.JRA98Path, s.JRA98Path);
  v(c.JRAV50Path, s.JRAV50Path);
  v(c.MaxOddsCnt, s.MaxOddsCnt);
  v(c.IPatChkCycle, s.IPatChkCycle);
  v(c.IPatGetCycle, s.IPatGetCycle);
  v(c.OddsOutLastTime, s.OddsOutLastTime);
  v(c.BuyTotal, s.BuyTotal);
  v(c.AutoIPat, s.AutoIPat);
  v(c.AutoExit, s.AutoExit);
  v(c.AutoPat, s.AutoPat);
  v(c.GridStriped, s.GridStriped);
  v(c.OddsColored, s.OddsColored);
  v(c.DesktopNotify, s.DesktopNotify);
  v(c.DispKaisaiOrder, s.DispKaisaiOrder);
  v(c.DispUmaOrder, s.DispUmaOrder);
  v(c.BuyCalc, s.BuyCalc);
  v(c.Priority, s.IPatPriority);
  v(c.IPatStartTime, s.IPatStartTime);
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      v(c.GetBefore[r][k], s.IPatGetBefore[r][k]);
      v(c.GetTime[r][k], s.IPatGetTime[r][k]);
    }
}

// Control <- setting: numbers as decimal text.
struct TLoad {
  template <class T>
  void operator()(T& control, const T& setting) const { control = setting; }
  void operator()(std::string& control, int setting) const { control = std::to_string(setting); }
  void operator()(int& control, uint8_t setting) const { control = setting; }
};

// Setting <- control: texts that are not numbers give 0, times lose their
// date part.
struct TStore {
  template <class T>
  void operator()(const T& control, T& setting) const { setting = control; }
  void operator()(const std::string& control, int& setting) const { setting = IntOf(control); }
  void operator()(int control, uint8_t& setting) const {
    setting = static_cast<uint8_t>(std::clamp(control, 0, 6));
  }
  void operator()(double control, double& setting) const { setting = TimeOf(control); }
};

}  // namespace

TSettingControls ControlsFromSetting(const TSetting& s) {
  TSettingControls c;
  TSetting copy = s;
  EachControl(c, copy, TLoad{});
  return c;
}

std::string SettingControlsError(const TSettingControls& c) {
  struct Pair {
    const std::string& a;
    const std::string& b;
    const char* message;
  };
  const Pair pairs[] = {
      {c.JRA95Path, c.JRA98Path, "PAT95とPAT98のディレクトリは別にしてください。"},
      {c.JRA95Path, c.JRAV50Path, "PAT95とPATV50のディレクトリは別にしてください。"},
      {c.JRA98Path, c.JRAV50Path, "PAT98とPATV50のディレクトリは別にしてください。"},
  };
  for (const Pair& p : pairs)
    if (!p.a.empty() && p.a == p.b) return Utf8ToCp932(p.message);
  const int cycle = IntOf(c.IPatChkCycle);
  if (cycle < 1 || cycle > 59)
    return Utf8ToCp932("IPAT取得タイミングのチェック間隔は1分～59分にしてください。");
  return "";
}

void StoreSettingControls(const TSettingControls& c, TSetting& s) {
  TSettingControls controls = c;
  EachControl(controls, s, TStore{});
  s.OddsOutLastTime = std::min(s.OddsOutLastTime, 59);
  std::erase_if(s.IPatHost, [](char ch) { return ch == ' ' || ch == '\t'; });
  if (s.IPatHost.empty()) s.IPatHost = kDefaultIPatHost;
}

void ClearGetTimes(TSettingControls& c) {
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      c.GetBefore[r][k] = false;
      c.GetTime[r][k] = 0;
    }
}

bool NeedsFirstSettings(const TSetting& s) { return s.INetID.empty() || s.MojiPath.empty(); }

const char* const kWelcomeOpenSettings = "初期設定を開く";

std::string WelcomeText() {
  return std::string(
             "Vorpa へようこそ。\n\n"
             "オッズの取得を始めるには、「初期設定」の「IPAT取得」ページで次の二つを設定してください。\n\n"
             "・INET-ID: IPAT 情報サービスにログインする ID (8 文字まで)\n"
             "・データ保存先: 取得したレースデータ (.MJO) を保存するフォルダ\n\n"
             "「") +
         kWelcomeOpenSettings + "」で設定画面が開きます。";
}

std::string PriorityName(int position) {
  static const char* const kNames[] = {"Idle",   "Lowest",  "Lower",       "Normal",
                                       "Higher", "Highest", "TimeCritical"};
  return position >= 0 && position <= 6 ? kNames[position] : "";
}

std::string SaveSettingFiles(const std::string& dir, const TSetting& s, const TRemarkables& r) {
  std::string message;
  auto fail = [&](const char* name) {
    message += Utf8ToCp932(WithSeparator(dir) + name) + Utf8ToCp932(" に書き込めませんでした。\n");
  };
  if (!SaveSetting(dir, s)) fail(kSettingFileName);
  if (!r.Save(dir)) fail(kRemarkFileName);
  if (!message.empty()) message.pop_back();
  return message;
}

}  // namespace vorpa

#pragma once
// What the settings dialog edits: its controls' values loaded from the
// settings record, the checks on "OK", storing them back and saving the
// settings and remark files.
#include <string>

#include "core/Setting.h"

namespace vorpa {

class TRemarkables;

// The controls of the dialog as they hold their values. Edit texts are
// kept as typed: INetID as CP932 text, the directories as file names
// (UTF-8), the numeric edits as their digits.
struct TSettingControls {
  std::string INetID;
  std::string IPatHost;  // "host" or "host:port"
  std::string MojiPath, JRA95Path, JRA98Path, JRAV50Path;
  std::string MaxOddsCnt, IPatChkCycle, IPatGetCycle, OddsOutLastTime, BuyTotal;
  bool AutoIPat = false, AutoExit = false, AutoPat = false;
  bool GridStriped = false, OddsColored = false, DesktopNotify = false;
  int DispKaisaiOrder = 0, DispUmaOrder = 0, BuyCalc = 0;
  int Priority = 0;  // track bar position 0..6
  double IPatStartTime = 0;  // time of day
  bool GetBefore[kGetTimeRaces][kGetTimeSlots] = {};
  double GetTime[kGetTimeRaces][kGetTimeSlots] = {};
};

// The most characters of the INET-ID edit, the digits of the numeric edits.
constexpr int kINetIDLength = 8;
constexpr int kMaxOddsCntDigits = 3;
constexpr int kIPatChkCycleDigits = 2;
constexpr int kIPatGetCycleDigits = 3;
constexpr int kOddsOutLastTimeDigits = 2;
constexpr int kBuyTotalDigits = 9;

// Every control from the settings (numbers in decimal).
TSettingControls ControlsFromSetting(const TSetting& s);

// The first check of "OK" that fails, as the error box's text (CP932):
// two equal non-empty output directories, then a check interval outside
// 1..59. Empty when all pass.
std::string SettingControlsError(const TSettingControls& c);

// Stores every control into `s`: numbers that do not read become 0,
// OddsOutLastTime at most 59, times without their date part, an IPatHost
// without blanks (empty: the default server).
void StoreSettingControls(const TSettingControls& c, TSetting& s);

// "クリア" of the timing page: every "発走前" box off, every time 00:00.
void ClearGetTimes(TSettingControls& c);

// First start: without an INET ID or a data directory nothing can be
// fetched or shown; the welcome dialog's text that says what they are
// (UTF-8), and the caption of its button that opens the settings dialog.
bool NeedsFirstSettings(const TSetting& s);
std::string WelcomeText();
extern const char* const kWelcomeOpenSettings;

// The name of a thread priority position 0..6 ("Idle" .. "TimeCritical").
std::string PriorityName(int position);

// Saves "Vorpa.Ini" and "VorpaRemark.txt" into `dir`. Empty when both
// were written, else the error box's text (CP932) naming each file that
// could not be written; such a file keeps its old content.
std::string SaveSettingFiles(const std::string& dir, const TSetting& s, const TRemarkables& r);

}  // namespace vorpa

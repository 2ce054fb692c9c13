#pragma once
// The settings record and its file "Vorpa.Ini" (section "vorpa").
#include <cstdint>
#include <string>

namespace vorpa {

constexpr int kGetTimeRaces = 12;  // per-race fetch times: race numbers 1..12
constexpr int kGetTimeSlots = 3;   // three (flag, time) slots per race number
constexpr int kEstimateCountMax = 4896;  // the trifectas of 18 runners

struct TSetting {
  std::string INetID;
  std::string MojiPath;
  std::string JRA95Path;
  std::string JRA98Path;
  std::string JRAV50Path;
  int IPatChkCycle = 3;
  int MaxOddsCnt = 15;
  int OddsOutLastTime = 0;
  bool GridStriped = true;
  bool OddsColored = true;
  int DispUmaOrder = 0;
  int DispKaisaiOrder = 0;
  int BuyCalc = 0;
  int BuyTotal = 1000;
  bool AutoIPat = false;
  bool AutoPat = false;
  bool AutoExit = false;
  double IPatStartTime = 0;  // 09:18:00, set by the constructor
  int IPatGetCycle = 30;
  // [r-1][k-1] for race number r 1..12 and slot k 1..3.
  bool IPatGetBefore[kGetTimeRaces][kGetTimeSlots] = {};
  double IPatGetTime[kGetTimeRaces][kGetTimeSlots] = {};
  uint8_t IPatPriority = 3;
  // "host" or "host:port" of the IPAT information server (port 80 when none).
  std::string IPatHost;
  // Odds movement: change marks in the card and the matrices, the
  // popularity column, the alert thresholds and their notifications.
  bool AlertMarks = true;
  bool AlertPopularity = true;
  int AlertDropPercent = 30;
  int AlertDropOddsLimit = 100;
  int AlertSharePoints = 5;
  int AlertInflowYen = 10000000;
  bool AlertNotify = true;
  int AlertNotifyWithin = 0;  // minutes before post; 0 = every race
  // The distortion overlay of the pair matrices ("表示" > "歪み表示").
  bool DistortionShown = false;
  // Trios and trifectas listed on the tab "推定", 1..kEstimateCountMax.
  int EstimateCount = 50;
  // Desktop notifications of errors and of the end of a day.
  bool DesktopNotify = true;
  // The configuration of the demonstration (scripts/run): caption and
  // status bar say so.
  bool Demo = false;

  TSetting();  // the defaults
};

// Default IPatHost: the bundled simulator on loopback.
extern const char* const kDefaultIPatHost;

// The settings file's name.
extern const char* const kSettingFileName;  // "Vorpa.Ini"

// The whole settings record, read from the text of an INI file: defaults
// first, then every key of section "vorpa" that is present and readable.
TSetting ParseSetting(const std::string& iniText);
// The section "[vorpa]" and one Key=Value line per key in table order,
// CR LF line ends.
std::string FormatSetting(const TSetting& s);

// Loads "Vorpa.Ini" from `dir` (with trailing "/"): defaults when missing.
TSetting LoadSetting(const std::string& dir);
// Saves the section "vorpa" into "Vorpa.Ini" of `dir`, keeping the file's
// other sections (such as "WindowInfo"). False when it cannot be written;
// the old file then stays intact.
bool SaveSetting(const std::string& dir, const TSetting& s);

// The settings record of the running program (main thread writes it).
extern TSetting Setting;

}  // namespace vorpa

#pragma once
// The texts of the main window's status bar: the program clock, what
// acquisition is doing, the last page received and race stored, and the
// next race of the day with its countdown. CP932.
#include <string>
#include <vector>

namespace vorpa {

// What acquisition is doing.
struct TAcquisitionNow {
  bool On = false;        // the acquisition toggle is checked
  bool Running = false;   // a run is going
  std::string StateName;  // the running session's state name (CP932)
  int WaitLeft = 0;       // seconds left of an error wait; 0: none
  double NextTick = 0;    // date and time of the next timer tick; 0: unknown
};

// A race of the open date: "東京11" (venue name and two digits, CP932) and
// its post time of day.
struct TPostedRace {
  std::string Race;
  double Post = 0;
};

// The race and post time of a race list row (view/RaceList.h).
struct TRaceListRow;
TPostedRace PostedRace(const TRaceListRow& row);

// "2026/12/09(水) 11:05:12".
std::string ClockText(double now);
// "取得: オフ", "取得中: 単複枠オッズ取得", "取得: 再試行待ち (あと 42 秒)",
// "取得: 待機中 (次の確認 11:08:00)".
std::string AcquisitionText(const TAcquisitionNow& a);
// "最終受信 11:05:10" ("--:--:--" before the first page).
std::string LastPageText(double at);
// "最終保存 11:05:12 東京11R" ("--:--:--" before the first race).
std::string LastStoreText(double at, const std::string& race);
// The first race after `now` on the date `date` (the open date; races of
// another day than now's have none): "次のレース 東京11R 15:40 (あと
// 12:34)", hours shown when an hour or more is left; "次のレース なし".
std::string NextRaceText(double now, double date, const std::vector<TPostedRace>& races);

}  // namespace vorpa

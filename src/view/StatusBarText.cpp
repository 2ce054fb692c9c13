#include "view/StatusBarText.h"

#include <cmath>
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "view/RaceList.h"

namespace vorpa {
namespace {

constexpr double kSecondsPerDay = 86400.0;

std::string TimeOrDashes(double at) { return at == 0 ? "--:--:--" : TimeToText(TimeOf(at)); }

// "m:ss" or "h:mm:ss" of a count of seconds.
std::string Countdown(long seconds) {
  char buf[32];
  if (seconds >= 3600)
    std::snprintf(buf, sizeof buf, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  else
    std::snprintf(buf, sizeof buf, "%ld:%02ld", seconds / 60, seconds % 60);
  return buf;
}

}  // namespace

TPostedRace PostedRace(const TRaceListRow& row) {
  TPostedRace r{row.Race, 0};
  double t = 0;
  if (TryTextToTime(row.Post, &t)) r.Post = t;
  return r;
}

std::string ClockText(double now) {
  static const char* const kDays[] = {"日", "月", "火", "水", "木", "金", "土"};
  const int day = DayOfWeek(now);
  return Utf8ToCp932(DateToLongText(now) + "(" + kDays[(day + 6) % 7] + ") " + TimeToText(TimeOf(now)));
}

std::string AcquisitionText(const TAcquisitionNow& a) {
  if (a.Running && a.WaitLeft > 0)
    return Utf8ToCp932("取得: 再試行待ち (あと " + std::to_string(a.WaitLeft) + " 秒)");
  if (a.Running) return Utf8ToCp932("取得中: ") + a.StateName;
  if (!a.On) return Utf8ToCp932("取得: オフ");
  if (a.NextTick == 0) return Utf8ToCp932("取得: 待機中");
  return Utf8ToCp932("取得: 待機中 (次の確認 " + TimeToText(TimeOf(a.NextTick)) + ")");
}

std::string LastPageText(double at) { return Utf8ToCp932("最終受信 " + TimeOrDashes(at)); }

std::string LastStoreText(double at, const std::string& race) {
  std::string text = Utf8ToCp932("最終保存 " + TimeOrDashes(at));
  if (at != 0 && !race.empty()) text += " " + race;
  return text;
}

std::string NextRaceText(double now, double date, const std::vector<TPostedRace>& races) {
  const TPostedRace* next = nullptr;
  if (date != 0 && DateOf(now) == DateOf(date)) {
    for (const TPostedRace& r : races)
      if (r.Post > TimeOf(now) && (!next || r.Post < next->Post)) next = &r;
  }
  if (!next) return Utf8ToCp932("次のレース なし");
  const long left = std::lround((next->Post - TimeOf(now)) * kSecondsPerDay);
  return Utf8ToCp932("次のレース ") + next->Race + "R " +
         Utf8ToCp932(HourMinuteText(next->Post) + " (あと " + Countdown(left) + ")");
}

}  // namespace vorpa

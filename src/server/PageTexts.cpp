#include <cmath>
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Venue.h"
#include "server/Pages.h"
#include "server/SimMarket.h"
#include "server/SimResult.h"

namespace vorpa::sim {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
// Body weights are announced this long before post.
constexpr double kWeightsBefore = 70 * kMinute;
const char* const kWeekdays[] = {"", "日", "月", "火", "水", "木", "金", "土"};

}  // namespace

std::string VenueText(const TSimMeeting& meeting) { return Cp932ToUtf8(VenueName(meeting.Venue)); }

std::string MeetingLabel(const TSimMeeting& meeting) {
  const CivilDate d = DecodeDate(meeting.Date);
  return std::to_string(meeting.Kai) + "回 " + VenueText(meeting) + " " +
         std::to_string(meeting.Nichi) + "日 " + std::to_string(d.Month) + "月" +
         std::to_string(d.Day) + "日(" + kWeekdays[DayOfWeek(meeting.Date)] + ") " +
         (meeting.SoldToday ? "（当日売）" : "（前日売）");
}

std::string PostTimeText(double time) {
  const CivilTime t = DecodeTime(time);
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d:%02d", t.Hour, t.Minute);
  return buf;
}

std::string OddsTimeText(const TSimMeeting& meeting, const TSimRace& race, double now) {
  const TSaleMoment m = SaleMomentAt(meeting, race, now);
  if (m.PreSale) return "前日売最終";
  const std::string head = VenueText(meeting) + " " + std::to_string(race.No) + "R ";
  return head + (m.Final ? std::string("確定") : PostTimeText(m.Time) + "現在");
}

std::string OddsMark(const TSimMeeting& meeting, const TSimRace& race, double now) {
  if (race.CancelledAt(now)) return "中止";
  return now >= meeting.Date + race.PostTime ? "(最終)" : "";
}

std::string ResultMark(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now) {
  return ResultAt(day, meeting, race, now).Published ? "(全馬)" : "";
}

std::vector<std::string> CardHeader(const TSimMeeting& meeting, const TSimRace& race) {
  const std::string date = DateToLongText(meeting.Date);
  const std::string h1 = "第" + std::to_string(meeting.Kai) + "回" + VenueText(meeting) +
                         std::to_string(meeting.Nichi) + "日 " + std::to_string(race.No) +
                         "R（" + date + "）";
  const std::string course =
      std::to_string(race.Distance) + "m " + race.CourseText + " 出走頭数：" +
      std::to_string(race.RunnerCount()) + "頭 天候：" + race.Weather + " 馬場状態 " +
      race.Surface + "：" + race.Going + "/" + (race.Surface == "芝" ? "ダ" : "芝") + "：" +
      race.OtherGoing + " 発走時刻：" + PostTimeText(race.PostTime);
  if (!race.Grade.empty()) return {h1, race.Title, race.Grade, race.Condition, course};
  if (!race.Title.empty()) return {h1, race.Title, race.Condition, course, ""};
  return {h1, race.Condition, course, "", ""};
}

std::string WeightText(const TSimMeeting& meeting, const TSimRace& race, const TSimRunner& r, double now) {
  if (r.Scratched || now < meeting.Date + race.PostTime - kWeightsBefore) return "";
  return std::to_string(r.BodyWeight) + "kg";
}

std::string WeightDiffText(const TSimMeeting& meeting, const TSimRace& race, const TSimRunner& r, double now) {
  if (WeightText(meeting, race, r, now).empty()) return "";
  if (r.FirstStart) return "初";
  if (r.WeightDiff == 0) return "0kg";
  return (r.WeightDiff > 0 ? "+" : "-") + std::to_string(std::abs(r.WeightDiff)) + "kg";
}

}  // namespace vorpa::sim

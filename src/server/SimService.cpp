#include "server/SimService.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/MeetingClock.h"
#include "server/Pages.h"
#include "server/SimRandom.h"
#include "server/SimTruth.h"

namespace vorpa::sim {
namespace {

const char kNumberChars[] = "123456789abcdefghi";

// 1..18 of a number character, 0 for anything else.
int NumberOfChar(char c) {
  for (int k = 0; k < 18; ++k)
    if (kNumberChars[k] == c) return k + 1;
  return 0;
}

std::string Field(const TFormFields& fields, const char* name) {
  const auto it = fields.find(name);
  return it == fields.end() ? std::string() : it->second;
}

std::string NoSuchPage() { return MessagePage("お知らせ", "ご指定の情報はありません。"); }

}  // namespace

bool ParseFormBody(const std::string& body, TFormFields* fields) {
  fields->clear();
  size_t at = 0;
  while (at <= body.size()) {
    const size_t amp = std::min(body.find('&', at), body.size());
    const std::string part = body.substr(at, amp - at);
    const size_t eq = part.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    (*fields)[part.substr(0, eq)] = part.substr(eq + 1);
    at = amp + 1;
  }
  return !fields->empty();
}

TSimService::TSimService(uint64_t seed, std::vector<std::string> inetIds,
                         std::vector<TCancelFrom> cancels)
    : seed_(seed), inetIds_(std::move(inetIds)), cancels_(std::move(cancels)) {}

std::shared_ptr<const TSimDay> TSimService::DayAt(double now) {
  std::lock_guard<std::mutex> lock(mutex_);
  const double date = CurrentMeetingDate(now);
  if (!day_ || day_->Date != date) {
    TSimDay day = GenerateDay(seed_, date);
    for (const TCancelFrom& c : cancels_) ApplyCancelFrom(c, &day);
    day_ = std::make_shared<const TSimDay>(std::move(day));
  }
  return day_;
}

std::string TSimService::Login(const TFormFields& fields, const TSimDay& day, double now) {
  const std::string id = Field(fields, "i");
  const bool known = inetIds_.empty() ? !id.empty()
                                      : std::find(inetIds_.begin(), inetIds_.end(), id) != inetIds_.end();
  if (!known) return ErrorPage("認証エラー");
  std::string key;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%016llX",
                  (unsigned long long)Hash({seed_, ++logins_, std::hash<std::string>()(id)}));
    key = buf;
    keys_.insert(key);
  }
  return MenuPage(day, day.Meetings.front(), key, now);
}

std::string TSimService::Answer(const TFormFields& fields, double now) {
  const std::shared_ptr<const TSimDay> day = DayAt(now);
  const std::string page = Field(fields, "g");
  if (page == "Mnu02") return Login(fields, *day, now);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!keys_.count(Field(fields, "w"))) return ErrorPage("認証エラー");
  }
  const std::string key = Field(fields, "w");
  if (page == "Mnu01") {
    const TSimMeeting* m = day->Meeting(Field(fields, "m"));
    return m ? MenuPage(*day, *m, key, now) : NoSuchPage();
  }
  static const std::set<std::string> racePages = {"Den01", "Ota01", "Out01", "Osa01",
                                                  "Ost01", "Oum01", "Owi01", "Sei01"};
  if (racePages.count(page)) return RacePage(page, fields, *day, now);
  return ErrorPage("接続エラー");
}

std::string TSimService::RacePage(const std::string& page, const TFormFields& fields,
                                  const TSimDay& day, double now) {
  const std::string s = Field(fields, "s");
  if (s.size() != 7) return NoSuchPage();
  const std::string code = s.substr(0, 5);
  const TSimMeeting* meeting = day.Meeting(code);
  const TSimRace* race = day.Race(code, NumberOfChar(s[5]));
  if (!meeting || !race) return NoSuchPage();
  if (page == "Den01") return CardPage(*meeting, *race, now);
  if (page == "Sei01") return ResultPage(day, *meeting, *race, now);
  if (race->CancelledAt(now)) return MessagePage("お知らせ", "このレースは発売を中止しました。");
  if (page == "Ota01") return WinPlacePage(day, *meeting, *race, now);
  if (page == "Out01") return ExactaPage(day, *meeting, *race, now);
  if (page == "Oum01") return QuinellaPage(day, *meeting, *race, now);
  if (page == "Owi01") return WidePage(day, *meeting, *race, now);
  return TrioPage(day, *meeting, *race, now, page == "Ost01", NumberOfChar(s[6]));
}

std::string TSimService::Truth(double now, const std::string& code, int race) {
  const std::shared_ptr<const TSimDay> day = DayAt(now);
  if (code.empty()) return DayTruth(*day, now);
  const TSimMeeting* m = day->Meeting(code);
  const TSimRace* r = day->Race(code, race);
  return m && r ? RaceTruth(*day, *m, *r, now) : std::string();
}

}  // namespace vorpa::sim

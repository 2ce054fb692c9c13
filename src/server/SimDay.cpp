#include "server/SimDay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Venue.h"
#include "server/SimNames.h"

namespace vorpa::sim {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

// Minutes after the first post of a meeting, races 1..12 (a lunch break
// after race 5).
const int kPostOffsets[12] = {0, 30, 60, 90, 120, 180, 215, 250, 285, 320, 355, 395};

const char* const kWeathers[] = {"晴", "晴", "曇", "曇", "小雨", "雨"};
const char* const kGoings[] = {"良", "良", "良", "稍重", "重", "不良"};
const int kTurfDistances[] = {1200, 1400, 1600, 1800, 2000, 2200, 2400, 2500, 3600};
const int kDirtDistances[] = {1000, 1150, 1200, 1400, 1700, 1800, 1900, 2100};
const char* const kSides[] = {"右", "左"};

// Frame of each horse for a field of n: frames 1..8, the later frames
// taking the extra horses.
std::vector<int> Frames(int n) {
  std::vector<int> frames;
  if (n <= 8) {
    for (int h = 1; h <= n; ++h) frames.push_back(h);
    return frames;
  }
  const int base = n / 8, extra = n % 8;
  for (int f = 1; f <= 8; ++f) {
    const int count = base + (f > 8 - extra ? 1 : 0);
    for (int k = 0; k < count; ++k) frames.push_back(f);
  }
  return frames;
}

// Condition text of a race by its number: young horses' races early in the
// day, the higher classes later.
std::string Condition(TDraws& d, int raceNo, bool* titled, bool* graded) {
  *titled = raceNo >= 9;
  *graded = raceNo == 11 && d.Chance(0.5);
  if (raceNo <= 2) return d.Chance(0.5) ? "２歳　未勝利" : "３歳以上　未勝利";
  if (raceNo == 5) return "２歳　新馬";
  if (raceNo <= 6) return d.Chance(0.5) ? "２歳　未勝利" : "３歳以上　１勝クラス";
  if (raceNo <= 8) return d.Chance(0.5) ? "３歳以上　１勝クラス" : "３歳以上　２勝クラス";
  if (raceNo == 11) return "３歳以上　オープン";
  return d.Chance(0.5) ? "３歳以上　２勝クラス" : "３歳以上　３勝クラス";
}

std::string SexAge(TDraws& d, const std::string& condition) {
  const bool young = condition.rfind("２歳", 0) == 0;
  const int age = young ? 2 : d.Range(3, 7);
  const double u = d.Next();
  const char* sex = u < 0.55 ? "牡" : (u < 0.9 || young ? "牝" : "せん");
  // Some pages put a space between sex and age.
  return std::string(sex) + (d.Chance(0.1) ? " " : "") + std::to_string(age);
}

TSimRunner Runner(TDraws& d, int horseNo, int frame, const TSimRace& race) {
  TSimRunner r;
  r.HorseNo = horseNo;
  r.FrameNo = frame;
  r.Name = HorseName(d);
  r.SexAge = SexAge(d, race.Condition);
  r.BodyWeight = d.Range(420, 540);
  r.FirstStart = race.Condition.find("新馬") != std::string::npos || d.Chance(0.03);
  r.WeightDiff = d.Chance(0.15) ? 0 : d.Range(-12, 12) / 2 * 2;
  int allowance = 0;
  r.Jockey = JockeyName(d, &allowance);
  const bool filly = r.SexAge.rfind("牝", 0) == 0;
  char burden[16];
  std::snprintf(burden, sizeof burden, "%.1f", 57.0 - (filly ? 2 : 0) - allowance);
  r.Burden = burden;
  r.Trainer = TrainerName(d);
  r.Strength = std::exp(1.1 * Normal(d.Key()));
  return r;
}

TSimRace Race(TDraws& d, int raceNo, double firstPost, const std::string& weather,
              const std::string& turfGoing, const std::string& dirtGoing, int side) {
  TSimRace race;
  race.No = raceNo;
  race.PostTime = firstPost + kPostOffsets[raceNo - 1] * kMinute;
  bool titled = false, graded = false;
  race.Condition = Condition(d, raceNo, &titled, &graded);
  if (titled) race.Title = RaceTitle(d, graded);
  if (graded) race.Grade = d.Chance(0.5) ? "（Ｇ２）" : "（Ｇ３）";
  const bool turf = graded || d.Chance(0.5);
  race.Surface = turf ? "芝" : "ダ";
  race.Distance = turf ? d.Pick(kTurfDistances) : d.Pick(kDirtDistances);
  race.CourseText = std::string(turf ? "芝" : "ダート") + "・" + kSides[side] +
                    (turf && d.Chance(0.3) ? "・外" : "");
  race.Weather = weather;
  race.Going = turf ? turfGoing : dirtGoing;
  race.OtherGoing = turf ? dirtGoing : turfGoing;
  race.ResultDelay = d.Range(6, 14) * kMinute;
  race.NestedFrames = d.Chance(0.5);
  race.Pool = std::exp(std::log(120000.0) + d.Next() * std::log(6.0)) * (raceNo == 11 ? 4 : 1);
  const int n = raceNo == 11 ? 18 : std::min(18, d.Range(8, 20));
  const std::vector<int> frames = Frames(n);
  std::set<std::string> names;
  for (int h = 1; h <= n; ++h) {
    TSimRunner r = Runner(d, h, frames[h - 1], race);
    while (!names.insert(r.Name).second) r.Name = HorseName(d);
    race.Runners.push_back(r);
  }
  return race;
}

std::string MeetingCode(int venue, int year, int kai, int nichi) {
  char code[32];
  std::snprintf(code, sizeof code, "%X%02d%d%d", venue, year % 100, kai, nichi);
  return code;
}

TSimMeeting Meeting(uint64_t seed, double date, int slot, int venue) {
  TDraws d(Hash({seed, uint64_t(date), uint64_t(slot), 1}));
  TSimMeeting m;
  m.Venue = venue;
  m.Date = date;
  m.Kai = d.Range(1, 5);
  m.Nichi = d.Range(1, 7);
  m.Code = MeetingCode(venue, DecodeDate(date).Year, m.Kai, m.Nichi);
  const std::string weather = d.Pick(kWeathers);
  const std::string turfGoing = d.Pick(kGoings);
  const std::string dirtGoing = d.Pick(kGoings);
  const int side = d.Below(2);
  const double firstPost = EncodeTime(9, 50, 0) + slot * 10 * kMinute;
  for (int r = 1; r <= 12; ++r) {
    TDraws rd(Hash({seed, uint64_t(date), uint64_t(slot), uint64_t(r), 2}));
    m.Races.push_back(Race(rd, r, firstPost, weather, turfGoing, dirtGoing, side));
  }
  return m;
}

// Marks a few races of the day as the day's exceptions: a scratched
// runner in each meeting, one cancelled race, one race without exacta and
// one dead heat.
void Exceptions(TSimDay* day) {
  TDraws d(Hash({day->Seed, uint64_t(day->Date), 3}));
  for (TSimMeeting& m : day->Meetings) {
    if (!m.SoldToday) continue;
    TSimRace& race = m.Races[size_t(d.Range(2, 11))];
    race.Runners[size_t(d.Below(race.RunnerCount()))].Scratched = true;
  }
  std::vector<TSimRace*> races;
  for (TSimMeeting& m : day->Meetings)
    for (TSimRace& r : m.Races)
      if (r.No != 11) races.push_back(&r);
  races[size_t(d.Below(int(races.size())))]->Cancelled = true;
  races[size_t(d.Below(int(races.size())))]->NoExacta = true;
  races[size_t(d.Below(int(races.size())))]->DeadHeat = true;
}

}  // namespace

double DaySaleOpen() { return EncodeTime(9, 0, 0); }
double SaleCloseBefore() { return 2 * kMinute; }

const TSimMeeting* TSimDay::Meeting(const std::string& code) const {
  for (const TSimMeeting& m : Meetings)
    if (m.Code == code) return &m;
  return nullptr;
}

const TSimRace* TSimDay::Race(const std::string& code, int raceNo) const {
  const TSimMeeting* m = Meeting(code);
  if (!m || raceNo < 1 || raceNo > int(m->Races.size())) return nullptr;
  return &m->Races[size_t(raceNo - 1)];
}

bool ParseCancelFrom(const std::string& text, TCancelFrom* out) {
  const size_t a = text.find(','), b = a == std::string::npos ? a : text.find(',', a + 1);
  if (b == std::string::npos) return false;
  TCancelFrom c;
  if (!TryTextToDate(text.substr(0, a), &c.Date)) return false;
  const std::string venue = Utf8ToCp932(text.substr(a + 1, b - a - 1));
  for (int v = 1; v <= 10; ++v)
    if (VenueName(v) == venue) c.Venue = v;
  const std::string race = text.substr(b + 1);
  if (c.Venue == 0 || race.empty() || race.size() > 2 ||
      race.find_first_not_of("0123456789") != std::string::npos)
    return false;
  c.RaceNo = std::stoi(race);
  if (c.RaceNo < 1 || c.RaceNo > 12) return false;
  *out = c;
  return true;
}

void ApplyCancelFrom(const TCancelFrom& cancel, TSimDay* day) {
  for (TSimMeeting& m : day->Meetings) {
    if (!m.SoldToday || m.Date != cancel.Date || m.Venue != cancel.Venue) continue;
    const double at = cancel.RaceNo == 1 ? m.Date : m.Date + m.Races[size_t(cancel.RaceNo - 2)].PostTime;
    for (TSimRace& r : m.Races)
      if (r.No >= cancel.RaceNo) r.CancelAt = at;
  }
}

TSimDay GenerateDay(uint64_t seed, double date) {
  TSimDay day;
  day.Seed = seed;
  day.Date = std::floor(date);
  TDraws d(Hash({seed, uint64_t(day.Date), 0}));
  const int count = d.Chance(0.5) ? 3 : 2;
  std::vector<int> venues;
  while (int(venues.size()) < count) {
    const int v = d.Range(1, 10);
    if (std::find(venues.begin(), venues.end(), v) == venues.end()) venues.push_back(v);
  }
  for (int slot = 0; slot < count; ++slot)
    day.Meetings.push_back(Meeting(seed, day.Date, slot, venues[size_t(slot)]));
  Exceptions(&day);
  // The next day's meeting at the first venue, on its pre-sale.
  TSimMeeting next;
  next.Venue = venues[0];
  next.Date = day.Date + 1;
  next.Kai = day.Meetings[0].Kai;
  next.Nichi = day.Meetings[0].Nichi % 9 + 1;
  next.SoldToday = false;
  next.Code = MeetingCode(next.Venue, DecodeDate(next.Date).Year, next.Kai, next.Nichi);
  day.Meetings.push_back(next);
  return day;
}

}  // namespace vorpa::sim

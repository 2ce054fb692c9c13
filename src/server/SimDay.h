#pragma once
// The simulated race day: meetings, races and runners, generated from the
// seed and the date. Texts are UTF-8 (the pages convert them to CP932).
#include <cstdint>
#include <string>
#include <vector>

namespace vorpa::sim {

struct TSimRunner {
  int HorseNo = 0;
  int FrameNo = 0;
  bool Scratched = false;
  std::string Name;
  std::string SexAge;     // "牡3", "牝 4", "せん5"
  int BodyWeight = 0;     // kg
  int WeightDiff = 0;
  bool FirstStart = false;
  std::string Jockey;     // with the apprentice mark, e.g. "☆青柳汐路"
  std::string Burden;     // "57.0"
  std::string Trainer;
  double Strength = 0;    // the market's view of the horse
};

struct TSimRace {
  int No = 0;
  double PostTime = 0;         // time of day
  bool Cancelled = false;      // "中止": never listed
  double CancelAt = 0;         // date and time it is cancelled from; 0: never
  // Cancelled from the start, or from CancelAt on.
  bool CancelledAt(double now) const { return Cancelled || (CancelAt > 0 && now >= CancelAt); }
  bool NoExacta = false;       // sells no exacta: another page instead
  bool DeadHeat = false;       // second place shared by two horses
  bool NestedFrames = false;   // frame numbers of the card in small tables
  std::string Title;           // "" for races without a name
  std::string Grade;           // "（Ｇ２）" or ""
  std::string Condition;       // "３歳以上　１勝クラス"
  std::string Surface;         // "芝" or "ダ"
  std::string CourseText;      // "芝・右・外"
  int Distance = 0;
  std::string Weather;
  std::string Going;           // of the race's own surface
  std::string OtherGoing;      // of the other surface
  double ResultDelay = 0;      // results appear this long after post
  double Pool = 0;             // final win pool in votes
  std::vector<TSimRunner> Runners;  // horse numbers 1..N
  int RunnerCount() const { return int(Runners.size()); }
};

struct TSimMeeting {
  int Venue = 0;            // 1..10
  int Kai = 0, Nichi = 0;
  bool SoldToday = true;    // "（当日売）"; false for the next day's meeting
  double Date = 0;          // the meeting's date
  std::string Code;         // 5 characters
  std::vector<TSimRace> Races;  // 12 (none for the next day's meeting)
};

struct TSimDay {
  uint64_t Seed = 0;
  double Date = 0;  // whole days
  // The meetings sold on the day first, then one of the next day.
  std::vector<TSimMeeting> Meetings;

  const TSimMeeting* Meeting(const std::string& code) const;
  const TSimRace* Race(const std::string& code, int raceNo) const;
};

// Sale of the day opens at this time of day; before it the pages show the
// final odds of the sale of the day before.
double DaySaleOpen();
// Betting closes this long before post.
double SaleCloseBefore();

TSimDay GenerateDay(uint64_t seed, double date);

// Races RaceNo..12 of the meeting at Venue on Date are cancelled during the
// day, from the post time of the race before RaceNo (from the day's start
// for race 1).
struct TCancelFrom {
  double Date = 0;
  int Venue = 0;  // 1..10
  int RaceNo = 0;
};
// "2026-12-12,東京,7" (UTF-8 venue name); false when it is not one.
bool ParseCancelFrom(const std::string& text, TCancelFrom* out);
void ApplyCancelFrom(const TCancelFrom& cancel, TSimDay* day);

}  // namespace vorpa::sim

#pragma once
// The record of one race of one meeting date: outline, 18 runner entries,
// vote totals, payouts and the time series of odds readings. One TRace is
// exactly the content of one race data file (core/RaceIO).
//
// Texts are CP932 byte strings, widths in bytes. Dates are day counts
// (core/DayCount.h); a time of day is the fraction alone, 0 = not known.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorpa {

struct TSetting;

constexpr int kMaxRunners = 18;
constexpr int kMaxFrames = 8;
constexpr int kVoteTypes = 9;  // 1 win .. 8 trifecta, 9 grand total

struct TRaceHeader {
  double RaceDate = 0;    // whole days
  std::string VenueName;  // 4 bytes, e.g. "東京" in CP932
  int RaceNo = 0;
  double StartTime = 0;   // time of day; 0 until the race card was read
  int Kai = 0;
  int Nichi = 0;
  std::string RaceName;
  std::string Condition1;
  std::string Condition2;
  std::string CourseText;
  int Distance = 0;
  int RunnerCount = 0;    // 0..18
  std::string Weather;
  std::string Going;

  bool operator==(const TRaceHeader&) const = default;
};

// One runner entry. A default-constructed entry is the cleared entry.
struct TSyutuba {
  int HorseNo = 0;  // 1..18; 0 = entry not filled
  int FrameNo = 0;
  std::string HorseName;  // at most 18 bytes
  std::string MarkText;   // 1 byte
  int Sex = 9;            // 0 filly/mare, 1 colt/horse, 2 gelding, 9 unknown
  int Age = 0;
  int BodyWeight = 0;     // kg; 0 = not announced
  bool WeightDiffKnown = false;
  int WeightDiff = 0;
  std::string JockeyName;      // at most 18 bytes
  double Burden = 0;           // kg, one decimal
  std::string ApprenticeMark;  // 2 bytes: "☆", "△", "▲" or "　"
  std::string TrainerName;     // at most 18 bytes
  int Finish = 0;              // 1..18; 0 = no result; -1 = scratched
  std::string Margin;

  bool operator==(const TSyutuba&) const = default;
};

// Entry h (horse number h) is at index h-1.
using TSyutubas = std::array<TSyutuba, kMaxRunners>;

// Payouts in yen and combinations as printed; a combination whose first
// number is 0 is absent. Element k of a field is at index k-1.
struct TRaceResult {
  std::array<int, 2> WinHorse{};
  std::array<int, 2> WinPay{};
  std::array<int, 4> PlaceHorse{};
  std::array<int, 4> PlacePay{};
  std::array<std::array<int, 2>, 2> BracketPair{};
  std::array<int, 2> BracketPay{};
  std::array<std::array<int, 2>, 2> QuinellaPair{};
  std::array<int, 2> QuinellaPay{};
  std::array<std::array<int, 2>, 5> WidePair{};
  std::array<int, 5> WidePay{};
  std::array<std::array<int, 2>, 2> ExactaPair{};
  std::array<int, 2> ExactaPay{};
  std::array<std::array<int, 3>, 2> TrioSet{};
  std::array<int, 2> TrioPay{};
  std::array<std::array<int, 3>, 2> TrifectaSet{};
  std::array<int, 2> TrifectaPay{};
  std::string RefundText;

  bool operator==(const TRaceResult&) const = default;
};

// A cell without a reading.
constexpr double NoOdds = -1.0;

// One reading of the odds of a race: a flat block of 1313 doubles. The
// index helpers give the cell of a field; horse and frame numbers count
// from 1, pairs i-j of quinella and wide need i < j, exacta i <> j,
// bracket i <= j.
struct OddsSnapshot {
  static constexpr int kCells = 1313;
  static constexpr int kWinTime = 0;
  static constexpr int kQuinellaTime = 119;
  static constexpr int kExactaTime = 409;
  static constexpr int kWideTime = 734;

  static constexpr int WinIdx(int h) { return h; }
  static constexpr int PlaceLowIdx(int h) { return 18 + h; }
  static constexpr int PlaceHighIdx(int h) { return 36 + h; }
  static constexpr int BracketIdx(int i, int j) { return 55 + 8 * (i - 1) + (j - 1); }
  static constexpr int QuinellaIdx(int i, int j) { return 120 + 17 * (i - 1) + (j - 2); }
  static constexpr int ExactaIdx(int i, int j) { return 410 + 18 * (i - 1) + (j - 1); }
  static constexpr int WideLowIdx(int i, int j) { return 735 + 17 * (i - 1) + (j - 2); }
  static constexpr int WideHighIdx(int i, int j) { return 1024 + 17 * (i - 1) + (j - 2); }

  std::array<double, kCells> Cells;

  bool operator==(const OddsSnapshot&) const = default;

  double& WinTime() { return Cells[kWinTime]; }
  double WinTime() const { return Cells[kWinTime]; }
  double& QuinellaTime() { return Cells[kQuinellaTime]; }
  double QuinellaTime() const { return Cells[kQuinellaTime]; }
  double& ExactaTime() { return Cells[kExactaTime]; }
  double ExactaTime() const { return Cells[kExactaTime]; }
  double& WideTime() { return Cells[kWideTime]; }
  double WideTime() const { return Cells[kWideTime]; }

  double& Win(int h) { return Cells[WinIdx(h)]; }
  double Win(int h) const { return Cells[WinIdx(h)]; }
  double& PlaceLow(int h) { return Cells[PlaceLowIdx(h)]; }
  double PlaceLow(int h) const { return Cells[PlaceLowIdx(h)]; }
  double& PlaceHigh(int h) { return Cells[PlaceHighIdx(h)]; }
  double PlaceHigh(int h) const { return Cells[PlaceHighIdx(h)]; }
  double& Bracket(int i, int j) { return Cells[BracketIdx(i, j)]; }
  double Bracket(int i, int j) const { return Cells[BracketIdx(i, j)]; }
  double& Quinella(int i, int j) { return Cells[QuinellaIdx(i, j)]; }
  double Quinella(int i, int j) const { return Cells[QuinellaIdx(i, j)]; }
  double& Exacta(int i, int j) { return Cells[ExactaIdx(i, j)]; }
  double Exacta(int i, int j) const { return Cells[ExactaIdx(i, j)]; }
  double& WideLow(int i, int j) { return Cells[WideLowIdx(i, j)]; }
  double WideLow(int i, int j) const { return Cells[WideLowIdx(i, j)]; }
  double& WideHigh(int i, int j) { return Cells[WideHighIdx(i, j)]; }
  double WideHigh(int i, int j) const { return Cells[WideHighIdx(i, j)]; }
};

// All four times 0 and every odds cell NoOdds.
void InitSnapshot(OddsSnapshot& s);
// A snapshot so initialised.
OddsSnapshot EmptySnapshot();

struct TRace {
  TRaceHeader Header;
  TSyutubas Runners;
  // Vote totals by bet type k at index k-1, fixed point: votes x 10000.
  std::array<int64_t, kVoteTypes> Votes{};
  TRaceResult Result;
  std::vector<OddsSnapshot> Snapshots;  // oldest first

  TSyutuba& Runner(int h) { return Runners[h - 1]; }
  const TSyutuba& Runner(int h) const { return Runners[h - 1]; }
};

// Clears the record for a venue name, race number and date: header
// numbers 0 and texts empty (but for the three arguments), runners
// cleared, votes and payouts 0. The snapshots are left as they are.
void ClearRace(TRace& race, std::string_view venueName, int raceNo, double raceDate);
// Both headers name the same race (date, venue, race number).
bool SameRace(const TRaceHeader& a, const TRaceHeader& b);

// The slot for a new win/place reading taken at time of day `readingTime`:
// picks, and when needed makes room by thinning or appending, the index of
// the snapshot to fill; that snapshot is initialised. `now` is the clock's
// date and time (only its time of day counts); the setting gives
// IPatStartTime, MaxOddsCnt and OddsOutLastTime.
int ChooseSnapshotSlot(TRace& race, double readingTime, double now, const TSetting& setting);

// Removes one interior reading (the one whose neighbours lie closest in
// time, sparing the one nearest OddsOutLastTime minutes before post) by
// moving the later ones down one place; the count stays, the last snapshot
// becomes a stale copy. Does nothing below four readings.
void ThinSnapshots(TRace& race, int oddsOutLastTime);

// True when the first WinHorse is set and a runner within RunnerCount has
// Finish 1 and a non-empty Margin.
bool HasResult(const TRace& race);

constexpr int kStatusSlots = 3;   // venue slots of a meeting date
constexpr int kStatusRaces = 12;  // races per venue

// The session's plan of what to read for one venue slot and race.
struct RaceStatus {
  bool Listed = false;
  bool FinalMark = false;
  bool WantExacta = true;
  bool WantTrio = true;
  bool WantTrifecta = true;
  bool WantQuinella = true;
  bool WantWide = true;
  bool ResultMark = false;
  double StartTime = 0;
  double LastFetch = 0;
  bool OddsDone = false;
  bool ResultDone = false;
  // Positive: a clock time; negative -t: t before StartTime; 0: none.
  std::array<double, 3> Deadline{};
  bool Selected = true;
  int RunnerCount = 0;
};

// The entry of race `raceNo` (1..12) at the start of a session, its
// deadlines from the per-race schedule of the settings.
RaceStatus InitialRaceStatus(int raceNo, const TSetting& setting);

}  // namespace vorpa

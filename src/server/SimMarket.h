#pragma once
// The betting market of one race at a moment: the odds texts and vote
// totals the odds pages show. Money comes in through the day (most of it
// near post), the favourites move, and the odds pay out 80 % of each pool.
#include <cstdint>
#include <string>
#include <vector>

#include "server/SimDay.h"

namespace vorpa::sim {

// Vote kinds 1..9 as the pages and the race record number them.
enum { kWin = 1, kPlace, kBracket, kQuinella, kExacta, kWide, kTrio, kTrifecta, kGrand };

struct TMarket {
  bool PreSale = false;  // before the day's sale: the day before's final odds
  bool Final = false;    // from post time on
  double Time = 0;       // time of day of the reading (the minute shown)
  int N = 0;
  // Index h-1 for horse h; "取消" for scratched horses.
  std::vector<std::string> Win, PlaceLow, PlaceHigh;
  // [i][j], 1-based, i < j (i <= j for frames; i != j for exacta); "" where
  // the combination does not exist.
  std::vector<std::vector<std::string>> Bracket, Quinella, Exacta, WideLow, WideHigh;
  int64_t Votes[10] = {};  // [1..9]
  // Win shares behind the odds (0 for scratched horses), index h-1.
  std::vector<double> Shares;
};

// The vote total of kind k as the odds pages print it: grouped digits once
// the odds are final, an empty cell while the sale goes on.
std::string VoteText(const TMarket& m, int k);

// Where the sale of a race stands at the clock value `now`.
struct TSaleMoment {
  bool PreSale = false;  // before the day's sale opened
  bool Final = false;    // from post time on
  int Minute = -1;       // minute of the day's sale shown (-1: pre-sale)
  double Time = 0;       // its time of day (0 in the pre-sale)
  double Progress = 0;   // 0 at the opening .. 1 at the close
};
TSaleMoment SaleMomentAt(const TSimMeeting& meeting, const TSimRace& race, double now);

// The market of `race` of `meeting` at the clock value `now` (date and time).
TMarket MarketAt(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race,
                 double now);

// Harville probabilities from win shares p (index h-1).
double ExactaChance(const std::vector<double>& p, int i, int j);
double TrifectaChance(const std::vector<double>& p, int i, int j, int k);
double TrioChance(const std::vector<double>& p, int i, int j, int k);
double WideChance(const std::vector<double>& p, int i, int j);

// "12.3": odds truncated to one decimal, at least 1.0, at most 9999.9.
std::string OddsText(double odds);
// Odds of a bet with chance `chance` in a pool paying 80 %.
double FairOdds(double chance);

}  // namespace vorpa::sim

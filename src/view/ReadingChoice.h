#pragma once
// Which reading each bet type shows, and the orders of the race card.
#include <array>
#include <vector>

#include "core/Race.h"

namespace vorpa {

// One snapshot index per group; -1 when none.
struct TReadingChoice {
  int Latest = -1;
  int Win = -1;  // win and place
  int Bracket = -1;
  int Quinella = -1;
  int Exacta = -1;
  int Wide = -1;
  int Correlation = -1;
};

// The choice for the selected reading `selected` (-1 = none): a bet type
// whose pages were not read in that round shows the round before (one
// round back at most); the bracket quinella never steps back.
TReadingChoice ReadingChoice(const TRace& race, int selected);

// A value per horse implied by the pair odds at an 80 % payout: from the
// bracket quinella odds when the race has 8 runners or fewer (horse i taken
// as frame i), else from the quinella odds. 0 for a horse without pair odds.
struct TRenEstimate {
  std::array<double, kMaxRunners> Values{};  // horse h at index h-1
  bool Ok = false;
  double Of(int h) const { return Values[h - 1]; }
};
TRenEstimate RenEstimate(const TRace& race, int bracketIndex, int quinellaIndex);

// The race card orders: 0 horse number, 1 win odds, 2 place odds (mean of
// low and high), 3 the pair estimate.
enum TUmaOrder { kOrderNo = 0, kOrderWin = 1, kOrderPlace = 2, kOrderRen = 3 };

// The horse numbers of the card rows 1..RunnerCount (element k-1 = row k).
std::vector<int> CardOrder(const TRace& race, int umaOrder, int winIndex,
                           const TRenEstimate& ren);

// The reading to select after the race was read again: -1 (the newest)
// when the user had the newest shown (`shown` the index in `before`, -1 for
// none), else the index in `after` of the reading with the same times, -1
// when it is gone.
int KeptReading(const TRace& before, int shown, const TRace& after);

// The race's RunnerCount kept within 0..18.
int RunnerCountOf(const TRace& race);

}  // namespace vorpa

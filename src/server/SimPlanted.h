#pragma once
// Large late bets planted in a few races of the day: from one minute of
// the sale on, a horse out of the first favourites holds several times its
// share of the market, so its odds fall sharply between two readings.
#include "server/SimDay.h"

namespace vorpa::sim {

struct TPlantedMove {
  int Horse = 0;       // 0: no planted bet in the race
  int Minute = -1;     // minute of the day's sale from which the bet is in
  double Factor = 1;   // the horse's share is multiplied by this
};

// The planted bet of a race (two races of each meeting sold on the day).
TPlantedMove PlantedMoveOf(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race);

}  // namespace vorpa::sim

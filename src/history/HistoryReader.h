#pragma once
// Reading the history database: the pool time series of a race and the
// rides of a horse, jockey or trainer. Opened read-only, so a reader never
// changes the database and never waits for the writers (WAL).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/Sqlite.h"

namespace vorpa {

// One row of the pools table: the vote total of a bet type as a store saw
// it, at the time of the race's newest reading then.
struct TPoolVotes {
  double TakenAt = 0;  // time of day
  int64_t Votes = 0;   // fixed point: votes x 10000, as TRace::Votes
};

enum class TRideKey { Horse, Jockey, Trainer };

// One stored race of a horse, jockey or trainer. Texts are CP932.
struct TRide {
  double Date = 0;
  std::string Venue;
  int RaceNo = 0;
  std::string Title;
  int Distance = 0;
  std::string Course;
  int HorseNo = 0;
  std::string HorseName, Jockey, Trainer;
  double WinOdds = -1;  // final win odds, -1 without a reading
  int Popularity = 0;   // rank of WinOdds in the race, 0 without
  int Finish = 0;       // 0 without a result, -1 scratched
  std::string Margin;
  int BodyWeight = 0;  // 0 = not announced
  bool WeightChangeKnown = false;
  int WeightChange = 0;
};

class THistoryReader {
 public:
  // False when the data directory has no readable database.
  bool Open(std::string_view dataDir);
  // The votes of `bet` ("win", "place", ... "trifecta", "total") of the
  // race per reading time, oldest first. venueName is CP932.
  std::vector<TPoolVotes> PoolSeries(double date, std::string_view venueName, int raceNo,
                                     std::string_view bet = "win");
  // Every stored ride of the name (CP932), newest first.
  std::vector<TRide> Rides(TRideKey key, std::string_view name);
  const std::string& Error() const { return error_; }

 private:
  TSqlite db_;
  std::string error_;
};

}  // namespace vorpa

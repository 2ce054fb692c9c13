#include "server/SimPlanted.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "server/SimRandom.h"

namespace vorpa::sim {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr int kPlantedPerMeeting = 2;

}  // namespace

TPlantedMove PlantedMoveOf(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race) {
  TPlantedMove move;
  if (!meeting.SoldToday || race.Cancelled || meeting.Races.empty()) return move;
  uint64_t code = 0;
  for (char c : meeting.Code) code = code * 131 + uint64_t(c);
  TDraws d(Hash({day.Seed, uint64_t(day.Date), code, 0x9B}));
  std::vector<int> races;
  while (int(races.size()) < kPlantedPerMeeting) {
    const int r = d.Range(1, int(meeting.Races.size()));
    if (std::find(races.begin(), races.end(), r) == races.end()) races.push_back(r);
  }
  if (std::find(races.begin(), races.end(), race.No) == races.end()) return move;
  // A horse ranked 4th to 8th by strength among the runners.
  std::vector<const TSimRunner*> runners;
  for (const TSimRunner& r : race.Runners)
    if (!r.Scratched) runners.push_back(&r);
  std::sort(runners.begin(), runners.end(),
            [](const TSimRunner* a, const TSimRunner* b) { return a->Strength > b->Strength; });
  if (runners.size() < 5) return move;
  TDraws rd(Hash({day.Seed, uint64_t(day.Date), code, uint64_t(race.No), 0x9C}));
  const int rank = rd.Range(3, std::min(7, int(runners.size()) - 1));
  move.Horse = runners[size_t(rank)]->HorseNo;
  // Between 30 and 6 minutes before the sale closes.
  const int closeMinute = int(std::floor((race.PostTime - SaleCloseBefore() - DaySaleOpen()) / kMinute + 1e-6));
  move.Minute = std::max(1, closeMinute - rd.Range(6, 30));
  move.Factor = 4.0 + rd.Next() * 2.0;
  return move;
}

}  // namespace vorpa::sim

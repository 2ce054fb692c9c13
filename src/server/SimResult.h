#pragma once
// The result of one race: the finishing order with margins and the payouts,
// drawn from the final market. Published some minutes after post.
#include <string>
#include <vector>

#include "server/SimDay.h"

namespace vorpa::sim {

struct TFinishRow {
  std::string Place, Frame, HorseNo, Name, Margin;
};

struct TPayout {
  std::string Combination;  // "3", "3－12", "3→12", "1－5－9"
  std::string Pay;          // "1,230円"
};

struct TSimResult {
  bool Published = false;
  std::vector<TFinishRow> Rows;  // in finishing order
  std::vector<TPayout> Win, Place, Bracket, Wide, Quinella, Exacta, Trio, Trifecta;
  std::vector<std::string> Refund;  // four texts, "" when none
};

TSimResult ResultAt(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race,
                    double now);

// "1,234,567"
std::string Grouped(long long value);

}  // namespace vorpa::sim

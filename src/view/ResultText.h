#pragma once
// What the result tab's three boxes show, as CP932 lines in the fixed-width
// layouts of a fixed-pitch font: vote totals, finishing order with margins,
// and payouts with the refund text.
#include <string>
#include <vector>

#include "core/Race.h"

namespace vorpa {

// memHyousu: one line per bet type with votes, its share of the total, and
// the total after an empty line; nothing when the total is 0.
std::vector<std::string> VoteLines(const TRace& race);
// memCyakusa: finishing position, horse number and margin of every runner
// with a margin text, by position and then horse number.
std::vector<std::string> MarginLines(const TRace& race);
// memResult: the payout blocks of the bet types that were paid, each after
// an empty line but the first, then the refund text after an empty line.
std::vector<std::string> PayoutLines(const TRace& race);

// The lines joined with line breaks, as a box shows them.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace vorpa

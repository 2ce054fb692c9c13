#pragma once
// The texts a chart shows when the mouse rests on one of its points or
// bars: which horse, which reading and what odds stand behind the chance
// drawn there.
#include <string>
#include <vector>

#include "core/Race.h"

namespace vorpa {

// Which odds a chart's chance was computed from.
enum class TTipOdds { Win, Place, Pair };

// " 3 ツキノミチシルベ", the reading's time "12:30" and e.g. "単勝 7.4 (10.8%)"
// on three lines (CP932); "単勝 オッズなし" for a horse without odds.
std::string PointTip(const TRace& race, int horse, int reading, TTipOdds kind, double odds);

// A line "単勝 7.4 (10.8%)" of a tip, without line break.
std::string OddsLine(TTipOdds kind, double odds);

// A histogram bar: "単勝 ～8.5%  3頭", the reading's time, and one line
// per horse of the bin with its number, name and odds (`odds[i]` of
// `horses[i]`).
std::string BinTip(const TRace& race, int reading, TTipOdds kind, const std::string& upperEdge,
                   const std::vector<int>& horses, const std::vector<double>& odds);

}  // namespace vorpa

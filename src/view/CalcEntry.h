#pragma once
// Bets entered in bulk into the purchase calculator: a box (every pair of
// the chosen horses or frames) and a formation (each first-leg number with
// each second-leg number), with the odds of the shown matrix, as clicks on
// its cells would enter them.
#include <string>
#include <vector>

#include "view/OddsViews.h"

namespace vorpa {

// Numbers typed as "1-3-5", "1,3,5" or "1 3 5" (full-width digits and
// separators too): the distinct numbers ascending. False when the text
// holds anything else, no number, or a number outside 1..max.
bool ParseNumberList(const std::string& cp932, int max, std::vector<int>* out);

// Every pair of `numbers` (both orders for the exacta), smaller number
// first; pairs whose matrix cell is empty are left out.
std::vector<TCalcRow> BoxBets(const TOddsView& view, TPairKind kind,
                              const std::vector<int>& numbers);
// Each number of `first` with each of `second`: in that order for the
// exacta, each pair once (smaller first) for the others; a number with
// itself only for the bracket quinella. Pairs whose cell is empty are left
// out.
std::vector<TCalcRow> FormationBets(const TOddsView& view, TPairKind kind,
                                    const std::vector<int>& first,
                                    const std::vector<int>& second);

}  // namespace vorpa

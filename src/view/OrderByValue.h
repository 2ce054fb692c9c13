#pragma once
// Horses ordered by a value per horse, smallest positive value first.
#include <span>
#include <vector>

namespace vorpa {

// values[h-1] is the value of horse h. Position i takes, among the horses
// not yet placed, the one with the smallest value above 0 (the lower horse
// number on equal values); when none is above 0, the lowest-numbered
// unplaced horse. Horses without odds (NoOdds, 0) therefore come last in
// number order. Returns horse numbers.
std::vector<int> OrderByValue(std::span<const double> values);

}  // namespace vorpa

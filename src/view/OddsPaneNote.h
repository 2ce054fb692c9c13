#pragma once
// Why an odds tab's matrix shows no odds: no race chosen, no reading yet, a
// bet type the race does not sell, one the tabs show only above 8 runners,
// or one that was not read at the shown reading.
#include <string>

#include "core/Race.h"
#include "view/OddsViews.h"

namespace vorpa {

// The note (CP932) over the matrix of `kind` showing `view`, built from the
// race `race` (null: none is loaded); empty when the view shows odds.
// A race stores a reading only after every page of its visit was read, so
// a bet type without odds in every reading of the race was not on sale.
std::string OddsPaneNote(const TRace* race, TPairKind kind, const TOddsView& view);

}  // namespace vorpa

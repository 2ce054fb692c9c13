#pragma once
// A race record edited in memory while others may store the same race:
// what the edit changed is written, what it left alone follows the file as
// it is now, so that readings stored meanwhile are not dropped.
#include "core/Race.h"

namespace vorpa {

// The record to store over `stored` (the file as it is now), given the
// record as it was `loaded` and as it was `edited` since. Header, runners,
// vote totals and result are each the edited ones when the edit changed
// them, else the stored ones. Readings: the stored ones when the edit left
// the readings alone; otherwise the edited readings together with every
// stored reading whose time is neither among the loaded nor among the
// edited ones (stored meanwhile), in time order.
TRace MergeRaceEdit(const TRace& loaded, const TRace& edited, const TRace& stored);

}  // namespace vorpa

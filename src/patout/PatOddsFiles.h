#pragma once
// The PAT odds files of one odds reading of a race: win, place and bracket
// quinella ("ZO-"), quinella and (PAT98, PATV50) wide ("UO-"), exacta
// ("SO-", PATV50 only).
#include <string>

#include "core/Race.h"
#include "patout/PatFrame.h"

namespace vorpa {

// A reading taken at time of day `readingTime` is final when the post time
// is known and the reading is later than it or less than a minute before.
bool IsFinalReading(const TRace& race, double readingTime);

// Each writer takes an index of race.Snapshots that exists, returns the
// path written and throws TPatFileError.
std::string WriteZoFile(const std::string& dir, const TRace& race, int snapshot, bool patV50);
std::string WriteUoFile(const std::string& dir, PatVariant variant, const TRace& race, int snapshot);
std::string WriteSoFile(const std::string& dir, const TRace& race, int snapshot);

}  // namespace vorpa

#pragma once
// The PAT result and payout file ("KS-") of a race, one layout per flavour.
#include <string>

#include "core/Race.h"
#include "patout/PatFrame.h"

namespace vorpa {

// dir + "KS-" + venue hex digit + last digit of the year + Kai + Nichi +
// race number as one hex digit + ".JRA", e.g. KS-5428B.JRA.
std::string PatResultFileName(const std::string& dir, const TRace& race);

// Writes the result file of `variant`; returns its path; throws TPatFileError.
std::string WriteKsFile(const std::string& dir, PatVariant variant, const TRace& race);

}  // namespace vorpa

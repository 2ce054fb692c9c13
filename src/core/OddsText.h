#pragma once
// Fixed-width odds texts of the views, the race card and the PAT odds files.
#include <string>

namespace vorpa {

// Width 3..6: caps "999".."999999"; one decimal below 10, 100, 1000, 10000;
// formatted "%8.0f" / "%8.1f" (halves rounded away from zero, the branch
// chosen by the value rounded to one decimal) and cut to the last `width`
// characters.
std::string OddsText(double value, int width);

}  // namespace vorpa

#pragma once
// What the status window prints after a decoded page, and the texts of its
// status labels, as plain functions: the window, the debug window and
// vorpa-tool decode print the same. Lines are CP932 texts without line ends.
#include <string>
#include <vector>

#include "ipat/IPat.h"

namespace vorpa {

// The log block of the page just decoded in the session's IPatState: the
// meeting block (1, 2), race card (4), odds blocks (5..10), result (11);
// no lines in any other state.
std::vector<std::string> IPatLogBlock(const TIPat& s);

// The status labels: venue name of slot CurVenue in states 2..12 (while
// CurVenue is 1..3), and CurRace followed by "R" in states 3..12; else "".
std::string IPatVenueLabel(const TIPat& s);
std::string IPatRaceLabel(const TIPat& s);

// The seven value labels of the status window for the session. State is
// the state's name, "" for a value outside 0..15 (the label is left as it
// was); the counters are in decimal.
struct TIPatStatusTexts {
  std::string State, Venue, Race, ActionCount, AccessCount, ErrRetryCount, ErrWaitCount;
};
TIPatStatusTexts IPatStatusTexts(const TIPat& s);

// The shortest general decimal form of a number (up to 15 significant
// digits): 3.4, 12, -1.
std::string GeneralText(double value);

}  // namespace vorpa

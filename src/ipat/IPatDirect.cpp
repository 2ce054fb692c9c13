#include "ipat/IPatDirect.h"

#include <cstdio>

namespace vorpa {

void TDirectTicks::SetAll(bool on) {
  for (auto& slot : ticks_) slot.fill(on);
}

TDirectHeadings DirectPrepare(const TIPat& scheduled, const std::string& venueName, int raceNo,
                              TDirectTicks& ticks) {
  TDirectHeadings headings;
  for (int v = 1; v <= kStatusSlots; ++v) {
    if (scheduled.MeetingCode[v].Code.empty()) continue;
    headings[v] = scheduled.VenueNameOfSlot(v);
    for (int r = 1; r <= kStatusRaces; ++r)
      ticks.At(v, r) = scheduled.Status[v][r].Listed && headings[v] == venueName && r == raceNo;
  }
  return headings;
}

void DirectReadBack(const TDirectTicks& ticks, TIPat& direct) {
  for (int v = 1; v <= kStatusSlots; ++v) {
    if (direct.MeetingCode[v].Code.empty()) continue;
    for (int r = 1; r <= kStatusRaces; ++r) direct.Status[v][r].Selected = ticks.At(v, r);
  }
}

std::string DirectBoxName(int v, int r) {
  char name[32];
  std::snprintf(name, sizeof name, "chkIpatGet%d%.2d", v, r);
  return name;
}

}  // namespace vorpa

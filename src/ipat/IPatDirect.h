#pragma once
// What the direct acquisition dialog shows and hands back, as plain
// functions over its tick table: one box per venue slot 1..3 and race 1..12.
#include <array>
#include <string>

#include "ipat/IPat.h"

namespace vorpa {

// The boxes of the dialog, addressed by slot and race.
class TDirectTicks {
 public:
  bool& At(int v, int r) { return ticks_[v - 1][r - 1]; }
  bool At(int v, int r) const { return ticks_[v - 1][r - 1]; }
  void SetAll(bool on);

 private:
  std::array<std::array<bool, kStatusRaces>, kStatusSlots> ticks_{};
};

// The heading of each slot 1..3 ([0] unused); CP932.
using TDirectHeadings = std::array<std::string, kStatusSlots + 1>;

// Fills the dialog from the scheduled session and the race shown in the
// main window (its CP932 venue name and number): a slot with a meeting
// shows its venue name and ticks exactly that race when it is listed; a
// slot without a meeting gets an empty heading and keeps its ticks.
TDirectHeadings DirectPrepare(const TIPat& scheduled, const std::string& venueName, int raceNo,
                              TDirectTicks& ticks);

// Copies the ticks of the slots with a meeting into the direct session's
// Selected flags; slots without a meeting are not touched.
void DirectReadBack(const TDirectTicks& ticks, TIPat& direct);

// The object name of box (v, r): "chkIpatGet" + v + r in two digits.
std::string DirectBoxName(int v, int r);

}  // namespace vorpa

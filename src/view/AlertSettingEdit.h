#pragma once
// The settings page "アラート": its controls as texts and flags, the check
// of "OK" and the storing into the settings record.
#include <string>

#include "core/Setting.h"

namespace vorpa {

struct TAlertControls {
  bool Marks = true, Popularity = true, Notify = true;
  std::string DropPercent, DropOddsLimit, SharePoints, InflowYen, NotifyWithin;
};

TAlertControls AlertControlsFromSetting(const TSetting& s);
// The first value outside its range, as the error box's text (CP932); ""
// when all are in range.
std::string AlertControlsError(const TAlertControls& c);
// Stores the controls (checked with AlertControlsError first).
void StoreAlertControls(const TAlertControls& c, TSetting& s);

}  // namespace vorpa

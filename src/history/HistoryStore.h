#pragma once
// The history database kept up to date as race files are stored.
#include <string>
#include <string_view>

#include "core/Race.h"

namespace vorpa {

// After the race file of `header` was written under dataDir: that race's
// rows brought up to date in one transaction. Returns "" when all went
// well, else the CP932 log text that says what happened; the race file is
// never touched, and the next sync brings the database up to date.
std::string UpdateHistoryAfterStore(std::string_view dataDir, const TRaceHeader& header);

}  // namespace vorpa

#pragma once
// Where the win pools of stored readings come from for the commands.
#include <string>

#include "analysis/DayAlerts.h"

namespace vorpa::tool {

// The win pools of the races of a data directory; empty while no pools
// of single readings are kept.
TWinPoolSource WinPoolsOf(const std::string& dataDir);

}  // namespace vorpa::tool

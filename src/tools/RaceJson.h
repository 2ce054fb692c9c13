#pragma once
// The race record as JSON (show --json) and as readable text (show).
#include <string>

#include "core/Race.h"

namespace vorpa::tool {

// {"Header":{...},"Runners":[18],"Votes":[9],"Result":{...},"Snapshots":[...]}
// UTF-8, one line, no trailing newline.
std::string RaceToJson(const TRace& race);
// A readable UTF-8 report of the record, lines ended by "\n".
std::string RaceToText(const TRace& race);

}  // namespace vorpa::tool

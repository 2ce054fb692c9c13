#pragma once
// The race file named on a command line: its venue and race number taken
// from the file name (as the date listing takes them) and its date from
// the folders yyyy/mmdd above it or from --date.
#include <string>
#include <vector>

#include "core/Race.h"

namespace vorpa::tool {

struct RaceFileArgs {
  std::string Path;
  double Date = 0;  // 0 when neither --date nor the folders give one
  bool Json = false;
};

// Parses "FILE [--date yyyy-mm-dd]" (plus "--json" when `allowJson`).
// False with a message on standard error for a bad command line.
bool ParseRaceFileArgs(const char* command, const std::vector<std::string>& args, bool allowJson,
                       RaceFileArgs* out);

// The date of the folders yyyy/mmdd that hold `path`; 0 when they are not one.
double DateOfFolders(const std::string& path);

// Whether the data directory exists and its folder of `date` holds race
// files; false with a message on standard error.
bool DateHasRaceFiles(const char* command, const std::string& dataDir, double date);

// Loads the race file. False (with a message) when it cannot be read, is
// empty or holds no race line.
bool LoadRaceArg(const char* command, const RaceFileArgs& args, TRace& race);

}  // namespace vorpa::tool

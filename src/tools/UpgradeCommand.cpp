// vorpa-tool upgrade: a race data file of any version rewritten as 2.1.
#include <cstdio>

#include "core/RaceIO/RaceIO.h"
#include "tools/RaceFileArg.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

int RunUpgrade(ToolContext&, const std::vector<std::string>& args) {
  RaceFileArgs a;
  if (!ParseRaceFileArgs("upgrade", args, false, &a)) return 2;
  TRace race;
  if (!LoadRaceArg("upgrade", a, race)) return 1;
  const std::string bytes = FormatRace(race);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(upgrade, "upgrade", "write a race data file in format 2.1 to standard output",
                   "usage: vorpa-tool upgrade FILE.MJO [--date yyyy-mm-dd]\n\n"
                   "Loads the race file (format 2.1, 2.0, 1.01 or 1.00) and writes the record\n"
                   "to standard output exactly as storing it writes the file: format 2.1,\n"
                   "CP932, CR LF. A 2.1 file without comments or blank lines reproduces itself.\n",
                   RunUpgrade);

}  // namespace vorpa::tool

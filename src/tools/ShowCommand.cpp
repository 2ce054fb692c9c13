// vorpa-tool show: a race data file as readable text or as JSON.
#include <cstdio>

#include "tools/RaceFileArg.h"
#include "tools/RaceJson.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

int RunShow(ToolContext&, const std::vector<std::string>& args) {
  RaceFileArgs a;
  if (!ParseRaceFileArgs("show", args, true, &a)) return 2;
  TRace race;
  if (!LoadRaceArg("show", a, race)) return 1;
  std::string text = a.Json ? RaceToJson(race) + "\n" : RaceToText(race);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(show, "show", "print a race data file (.MJO) as text or JSON",
                   "usage: vorpa-tool show FILE.MJO [--date yyyy-mm-dd] [--json]\n\n"
                   "Loads the race file (format 2.1, 2.0, 1.01 or 1.00) as the program does:\n"
                   "venue and race number from the file name, the date from the folders\n"
                   "yyyy/mmdd above it (or --date). Prints the record as readable text, or\n"
                   "with --json as one line of UTF-8 JSON (the README gives its shape).\n"
                   "A file that is empty or holds no race line is an error (exit 1).\n",
                   RunShow);

}  // namespace vorpa::tool

// vorpa-tool list: the race list of a meeting date as the main window shows it.
#include <cstdio>
#include <string>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "tools/RaceFileArg.h"
#include "tools/ToolCommand.h"
#include "view/RaceList.h"

namespace vorpa::tool {
namespace {

int RunList(ToolContext& ctx, const std::vector<std::string>& args) {
  double date = 0;
  int order = kListByVenue;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--date" && i + 1 < args.size() && TryTextToDate(args[i + 1], &date)) {
      ++i;
    } else if (args[i] == "--by-time") {
      order = kListByTime;
    } else {
      std::fprintf(stderr, "vorpa-tool list: bad argument: %s (see --help)\n", args[i].c_str());
      return 2;
    }
  }
  if (date == 0) {
    std::fprintf(stderr, "vorpa-tool list: --date yyyy-mm-dd is required\n");
    return 2;
  }
  const std::string dataDir = ctx.DataDir.empty() ? LoadSetting(ctx.ConfigDir).MojiPath : ctx.DataDir;
  if (dataDir.empty()) {
    std::fprintf(stderr, "vorpa-tool list: no data directory (--data-dir or MojiPath)\n");
    return 2;
  }
  if (!DateHasRaceFiles("list", dataDir, date)) return 1;
  TRace scratch;
  const std::vector<std::string> lines = BuildRaceList(dataDir, date, order, scratch);
  for (const std::string& line : lines) {
    const TRaceListRow row = RaceListRow(line);
    std::string text = row.Race + " " + row.Post;
    if (!row.Finish.empty()) text += " " + row.Finish;
    std::printf("%s\n", Cp932ToUtf8(text).c_str());
  }
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(list, "list", "print the race list of a meeting date",
                   "usage: vorpa-tool [--data-dir DIR] list --date yyyy-mm-dd [--by-time]\n\n"
                   "Prints one line per race file of the date, as the program's race list shows\n"
                   "it: race (venue and number), post time hh:mm and, once the result is in, the\n"
                   "popularities of the first five finishers; by venue, or by post time with\n"
                   "--by-time. A data directory that does not exist, or a date without race\n"
                   "files, is an error (exit 1).\n",
                   RunList);

}  // namespace vorpa::tool

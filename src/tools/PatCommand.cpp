// vorpa-tool pat: the PAT-style ".JRA" files of a date, written into the
// flavour directories of the settings as the output dialog writes them.
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "core/Venue.h"
#include "patout/PatOut.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

// "東京11" (UTF-8): venue name and race number 1..12.
bool ParseRace(const std::string& text, TPatOutInfo* info) {
  size_t digits = text.size();
  while (digits > 0 && text[digits - 1] >= '0' && text[digits - 1] <= '9') --digits;
  const std::string venue = Utf8ToCp932(text.substr(0, digits));
  int no = 0;
  if (VenueNo(venue) == 0 || venue.size() != 4 || !TryIntOf(text.substr(digits), &no) || no < 1 || no > 12)
    return false;
  info->VenueName = venue;
  info->RaceNo = no;
  return true;
}

// The request the dialog builds from the arguments; false on a bad one.
bool ParsePatArgs(const std::vector<std::string>& args, TPatOutInfo* info) {
  bool anyKind = false;
  auto bad = [](const std::string& what) {
    std::fprintf(stderr, "vorpa-tool pat: %s (see --help)\n", what.c_str());
    return false;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    bool* kind = a == "--outline" ? &info->OutYoukou
                 : a == "--card"  ? &info->OutSyutuba
                 : a == "--weight" ? &info->OutWeight
                 : a == "--odds"   ? &info->OutOdds
                 : a == "--result" ? &info->OutResult
                                   : nullptr;
    if (kind) {
      *kind = anyKind = true;
    } else if (a == "--date" && hasValue) {
      if (!TryTextToDate(args[++i], &info->Date)) return bad("--date: not a date: " + args[i]);
    } else if (a == "--race" && hasValue) {
      if (!ParseRace(args[++i], info)) return bad("--race: not a venue and race 1..12: " + args[i]);
    } else if (a == "--from-race" && hasValue) {
      if (!TryIntOf(args[++i], &info->RaceNo) || info->RaceNo < 1 || info->RaceNo > 12)
        return bad("--from-race: not a race number 1..12: " + args[i]);
      info->VenueName.clear();
    } else if (a == "--time" && hasValue) {
      double t = 0;
      if (!TryTextToTime(args[++i], &t) || t == 0) return bad("--time: not a time hh:mm: " + args[i]);
      info->OddsTime = t;
    } else if (a == "--latest") {
      info->OddsTime = 0;
    } else if (a == "--auto") {
      info->AutoOut = true;
    } else {
      return bad("unexpected argument: " + a);
    }
  }
  if (info->Date == 0) return bad("--date yyyy-mm-dd is required");
  if (!anyKind) info->OutYoukou = info->OutSyutuba = info->OutWeight = info->OutOdds = info->OutResult = true;
  return true;
}

int RunPat(ToolContext& ctx, const std::vector<std::string>& args) {
  TPatOutInfo info;
  if (!ParsePatArgs(args, &info)) return 2;
  const TSetting setting = LoadSetting(ctx.ConfigDir);
  std::vector<std::string> written;
  TPatOutEnv env;
  env.Setting = &setting;
  env.DataDir = ctx.DataDir.empty() ? setting.MojiPath : ctx.DataDir;
  env.Clock = ctx.Clock.get();
  env.Written = &written;
  if (env.DataDir.empty()) {
    std::fprintf(stderr, "vorpa-tool pat: no data directory (--data-dir or MojiPath)\n");
    return 2;
  }
  if (!AnyPatDir(setting))
    std::fprintf(stderr, "vorpa-tool pat: no PAT directory set (JRA95Path, JRA98Path, JRAV50Path)\n");
  int status = 0;
  try {
    OutPatData(info, env);
  } catch (const TPatFileError& e) {
    status = 1;
    std::fprintf(stderr, "vorpa-tool pat: cannot write %s: %s\n", e.Path().c_str(), e.Reason().c_str());
  }
  for (const std::string& path : written) std::printf("%s\n", path.c_str());
  return status;
}

}  // namespace

VORPA_TOOL_COMMAND(pat, "pat", "write the PAT-style .JRA files of a date",
                   "usage: vorpa-tool pat --date yyyy-mm-dd [--race 東京11 | --from-race N]\n"
                   "                      [--time hh:mm | --latest] [--auto]\n"
                   "                      [--outline] [--card] [--weight] [--odds] [--result]\n\n"
                   "Writes the PAT-style files of the stored races of the date into the\n"
                   "directories JRA95Path, JRA98Path and JRAV50Path of Vorpa.Ini (a flavour\n"
                   "whose directory is empty is skipped), as the output dialog does.\n"
                   "Races: every race (default), --from-race N every venue's races N and\n"
                   "later, --race one race (the outline still covers the whole date).\n"
                   "Odds: the latest reading (--latest, default; with OddsOutLastTime set, the\n"
                   "reading nearest that many minutes before post), or the reading nearest\n"
                   "--time. --auto picks as the automatic output does: the latest reading, and\n"
                   "none once the OddsOutLastTime limit before post has passed.\n"
                   "Kinds: --outline (UY-, deletes every .JRA file of the directories first),\n"
                   "--card (DE-), --weight (UT-), --odds (ZO-, UO-, SO-), --result (KS-);\n"
                   "none given = all five.\n"
                   "Prints the path of every file written, one per line. Exit status 0 when\n"
                   "the run finished (also with no file written), 1 when a file could not be\n"
                   "written (the message names it), 2 for bad arguments.\n",
                   RunPat);

}  // namespace vorpa::tool

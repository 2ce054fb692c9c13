#include "tools/RaceFileArg.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/RaceIO/RaceIO.h"

namespace vorpa::tool {

namespace fs = std::filesystem;

bool ParseRaceFileArgs(const char* command, const std::vector<std::string>& args, bool allowJson,
                       RaceFileArgs* out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--date" && i + 1 < args.size()) {
      if (!TryTextToDate(args[++i], &out->Date)) {
        std::fprintf(stderr, "vorpa-tool %s: --date: not a date: %s\n", command, args[i].c_str());
        return false;
      }
    } else if (a == "--json" && allowJson) {
      out->Json = true;
    } else if (a.rfind("--", 0) != 0 && out->Path.empty()) {
      out->Path = a;
    } else {
      std::fprintf(stderr, "vorpa-tool %s: unexpected argument: %s\n", command, a.c_str());
      return false;
    }
  }
  if (out->Path.empty()) {
    std::fprintf(stderr, "vorpa-tool %s: no race file given (see --help)\n", command);
    return false;
  }
  if (out->Date == 0) out->Date = DateOfFolders(out->Path);
  return true;
}

double DateOfFolders(const std::string& path) {
  const fs::path dir = fs::absolute(fs::path(path)).parent_path();
  const std::string mmdd = dir.filename().string();
  const std::string yyyy = dir.parent_path().filename().string();
  if (yyyy.size() != 4 || mmdd.size() != 4) return 0;
  double date = 0;
  return TryTextToDate(yyyy + "/" + mmdd.substr(0, 2) + "/" + mmdd.substr(2), &date) ? date : 0;
}

bool DateHasRaceFiles(const char* command, const std::string& dataDir, double date) {
  std::error_code ec;
  if (!fs::is_directory(dataDir, ec)) {
    std::fprintf(stderr, "vorpa-tool %s: the data directory does not exist: %s\n", command,
                 dataDir.c_str());
    return false;
  }
  if (ListRaceFiles(dataDir, date).empty()) {
    std::fprintf(stderr, "vorpa-tool %s: no race files of %s in %s\n", command,
                 DateToIsoText(date).c_str(), dataDir.c_str());
    return false;
  }
  return true;
}

bool LoadRaceArg(const char* command, const RaceFileArgs& args, TRace& race) {
  std::error_code ec;
  if (!fs::is_regular_file(args.Path, ec)) {
    std::fprintf(stderr, "vorpa-tool %s: cannot read %s\n", command, args.Path.c_str());
    return false;
  }
  std::string bytes;
  if (!LockedReadFile(args.Path, &bytes)) {
    std::fprintf(stderr, "vorpa-tool %s: cannot read %s\n", command, args.Path.c_str());
    return false;
  }
  if (!HoldsRaceLine(bytes)) {
    std::fprintf(stderr, "vorpa-tool %s: %s %s\n", command, args.Path.c_str(),
                 bytes.empty() ? "is empty" : "holds no race line");
    return false;
  }
  const fs::path p(args.Path);
  const TRaceFileEntry entry =
      RaceFileEntryOf(p.parent_path().string(), p.filename().string());
  LoadRaceFile(args.Path, entry.VenueName, entry.RaceNo, race, args.Date);
  return true;
}

}  // namespace vorpa::tool

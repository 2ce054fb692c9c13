// The race list built from the race files of a date (kept apart from the
// line rules, which need no files).
#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "view/RaceList.h"

namespace vorpa {

std::vector<std::string> BuildRaceList(std::string_view dataDir, double date, int kaisaiOrder,
                                       TRace& scratch) {
  std::vector<std::string> lines;
  for (const TRaceFileEntry& e : ListRaceFiles(dataDir, date)) {
    LoadRaceFile(e.Path, e.VenueName, e.RaceNo, scratch, date);
    lines.push_back(RaceListLine(scratch, Utf8ToCp932(e.FileName), kaisaiOrder));
  }
  SortRaceLines(lines);
  return lines;
}

}  // namespace vorpa

#pragma once
// The race list of a meeting date: one text line per race file, sorted as
// text, whose parts the list's three columns show.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Race.h"

namespace vorpa {

// The list orders: by venue and race number, or by post time.
enum TKaisaiOrder { kListByVenue = 0, kListByTime = 1 };

// The popularities of the first five finishers by the newest reading with a
// win time, as "%2d-%2d-%2d-%2d-%2d" (0 for a position without a horse);
// "  *" for a finished race whose popularities are not known; "" before
// the result.
std::string FinishText(const TRace& race);

// Column widths of the race list sgRace: "レース", "発走", "決着".
constexpr std::array<int, 3> kRaceListColumnWidths = {40, 33, 88};

// The line of a race: the sort key ("hhmm" of the post time by time order,
// else "9999"), the venue's code digit, the six name bytes (venue name and
// race number, CP932), the post time "hh:mm" and the finish text.
std::string RaceListLine(const TRace& race, std::string_view nameBytes, int kaisaiOrder);

// Sorts as text, ignoring letter case.
void SortRaceLines(std::vector<std::string>& lines);

// The three column texts of a line: race, post time, finish.
struct TRaceListRow {
  std::string Race, Post, Finish;
};
TRaceListRow RaceListRow(const std::string& line);

// Every race file of the date loaded and turned into its line, sorted.
// `scratch` receives the races as they are loaded.
std::vector<std::string> BuildRaceList(std::string_view dataDir, double date, int kaisaiOrder,
                                       TRace& scratch);

// The venue name (first four bytes) and race number (bytes 5-6, 0 when not
// a number) of a list row's race text.
struct TListedRace {
  std::string VenueName;
  int RaceNo = 0;
};
TListedRace ListedRace(const std::string& raceText);

// "hh:mm" of a time of day.
std::string HourMinuteText(double time);

}  // namespace vorpa

#include "view/RaceList.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/TextUtil.h"
#include "core/Venue.h"
#include "view/OrderByValue.h"
#include "view/ReadingChoice.h"
#include "view/TextPart.h"

namespace vorpa {

namespace {

constexpr int kFinishers = 5;

// Popularity (1 = favourite) of every horse by the win odds of `s`.
std::vector<int> Popularities(const TRace& race, const OddsSnapshot& s) {
  const int n = RunnerCountOf(race);
  std::vector<double> win(n);
  for (int h = 1; h <= n; ++h) win[h - 1] = s.Win(h);
  std::vector<int> order = OrderByValue(win);
  std::vector<int> pop(n + 1, 0);
  for (int i = 0; i < n; ++i) pop[order[i]] = i + 1;
  return pop;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

}  // namespace

std::string HourMinuteText(double time) {
  CivilTime t = DecodeTime(time);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", t.Hour % 24, t.Minute);
  return buf;
}

std::string FinishText(const TRace& race) {
  if (race.Result.WinHorse[0] <= 0) return {};
  auto newest = std::find_if(race.Snapshots.rbegin(), race.Snapshots.rend(),
                             [](const OddsSnapshot& s) { return s.WinTime() != 0; });
  if (newest == race.Snapshots.rend()) return "  *";
  std::vector<int> pop = Popularities(race, *newest);
  std::array<int, kFinishers + 1> byPosition{};
  for (int h = 1; h <= RunnerCountOf(race); ++h) {
    int f = race.Runner(h).Finish;
    if (f >= 1 && f <= kFinishers) byPosition[f] = pop[h];
  }
  if (byPosition[1] == 0) return "  *";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%2d-%2d-%2d-%2d-%2d", byPosition[1], byPosition[2],
                byPosition[3], byPosition[4], byPosition[5]);
  return buf;
}

std::string RaceListLine(const TRace& race, std::string_view nameBytes, int kaisaiOrder) {
  const std::string post = HourMinuteText(race.Header.StartTime);
  std::string key = kaisaiOrder == kListByTime ? post.substr(0, 2) + post.substr(3, 2) : "9999";
  std::string code = VenueCodeText(race.Header.VenueName);
  std::string name(nameBytes.substr(0, 6));
  name.resize(6, ' ');
  return key + (code.empty() ? " " : code) + name + post + FinishText(race);
}

void SortRaceLines(std::vector<std::string>& lines) {
  std::sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
          return static_cast<unsigned char>(LowerAscii(x)) <
                 static_cast<unsigned char>(LowerAscii(y));
        });
  });
}

TRaceListRow RaceListRow(const std::string& line) {
  return {TextPart(line, 5, 6), TextPart(line, 11, 5), TextPart(line, 16)};
}

TListedRace ListedRace(const std::string& raceText) {
  TListedRace r;
  r.VenueName = TextPart(raceText, 0, 4);
  r.RaceNo = static_cast<int>(NumberOf(Trim(TextPart(raceText, 4, 2)), 0));
  return r;
}

}  // namespace vorpa

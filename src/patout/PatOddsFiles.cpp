#include "patout/PatOddsFiles.h"

#include <array>

#include "core/DayCount.h"
#include "core/OddsText.h"
#include "core/TextUtil.h"
#include "patout/PatRaceFiles.h"

namespace vorpa {
namespace {

constexpr char kZoHeader[] = "%8s%8s%2s%8s%2s%4s%4s%.2d%.2d%2d%2s%4s%-28s%-28s%-36s%.2d";
constexpr char kUoHeader95[] = "%8s%8s%2s%8s%2s%4s%4s%.2d%.2d%2d%2s%4s%-28s%-28s%36s%.2d";
constexpr char kUoHeader98[] = "%8s%8s%2s%8s%2s%4s%4s%.2d%.2d%2d%2s%4s%-28s%-28s%36s%.2d%2s";
constexpr char kSoHeader[] = "%8s%8s%2s%8s%2s%4s%4s%.2d%.2d%2d%2s%4s%-28s%-28s%36s%.2d";
constexpr char kZoWin[] = "%2d%5s%5s%5s";
constexpr int kZoWinBytes = 18;
constexpr char kZoBracket[] = "%s%2d%s%d%5s";
constexpr char kPair[] = "%2d%s%d";
constexpr char kUoPair95[] = "%2d-%2d%6s";
constexpr char kUoPair98[] = "%2d-%2d%6s%6s%6s";
constexpr char kScratchedPair[] = "%2d-%2d";
constexpr char kSoPair[] = "%2d>%2d%6s";
constexpr char kScratchedSoPair[] = "%2d>%2d";
constexpr size_t kUoBody95 = 1836, kUoBody98 = 3825, kSoBody = 3672;

std::string Scratched(int times, const char* gap) {
  std::string out;
  for (int k = 0; k < times; ++k) out += gap + std::string(kPatScratched);
  return out;
}

bool IsScratched(const TRace& race, int h) { return race.Runner(h).Finish == -1; }

// Header of the odds files; `format` picks the layout, `readingTime` the
// status and time fields, `finalCode` and `interimCode` the status texts.
std::string OddsHeader(const char* format, const TRace& race, double readingTime,
                       const char* finalCode, const char* interimCode) {
  const TRaceHeader& h = race.Header;
  const bool fin = IsFinalReading(race, readingTime);
  const std::string ymd = PatYmd(h.RaceDate);
  // The 17th field ("11") exists only in kUoHeader98; the other layouts
  // stop before it and leave the argument unused.
  return PatFormat(format, ymd.c_str(), ymd.c_str(), "01", ymd.c_str(), "01",
                   CutToBytes(h.VenueName, 4).c_str(), PatYear(h.RaceDate).c_str(), h.Kai, h.Nichi,
                   h.RaceNo, fin ? finalCode : interimCode, PatHhnn(fin ? h.StartTime : readingTime).c_str(),
                   PatTitle(h).c_str(), PatConditions(h).c_str(), "", h.RunnerCount, "11");
}

void PadTo(std::string& body, size_t bytes) {
  if (body.size() < bytes) body.append(bytes - body.size(), ' ');
}

std::string WinPlace(const TRace& race, const OddsSnapshot& s) {
  const int n = PatRunners(race);
  std::string out;
  for (int h = 1; h <= kMaxRunners; ++h) {
    if (h > n) out += Blanks(kZoWinBytes);
    else if (IsScratched(race, h)) out += "9" + PatFormat("%2d", race.Runner(h).HorseNo) + Scratched(3, " ");
    else
      out += "0" + PatFormat(kZoWin, race.Runner(h).HorseNo, OddsText(s.Win(h), 5).c_str(),
                             OddsText(s.PlaceLow(h), 5).c_str(), OddsText(s.PlaceHigh(h), 5).c_str());
  }
  return out;
}

std::string BracketQuinella(const TRace& race, const OddsSnapshot& s) {
  const int n = PatRunners(race);
  std::array<bool, kMaxFrames + 1> marked{};
  for (int h = 1; h <= n; ++h) {
    const int f = FrameOfHorse(n, h);
    if (IsScratched(race, h) && f >= 1 && f <= kMaxFrames) marked[f] = true;
  }
  std::string out;
  for (int j = 1; j <= kMaxFrames; ++j) {
    for (int k = j; k <= kMaxFrames; ++k) {
      if (s.Bracket(j, k) >= 0)
        out += PatFormat(kZoBracket, "0", j, "-", k, OddsText(s.Bracket(j, k), 5).c_str());
      else if (marked[j] && marked[k])
        out += "9" + PatFormat(kPair, j, "-", k) + Scratched(1, " ");
      else
        out += " " + PatFormat(kPair, j, "-", k) + Blanks(5);
    }
  }
  return out;
}

}  // namespace

bool IsFinalReading(const TRace& race, double readingTime) {
  const double start = race.Header.StartTime;
  if (start == 0) return false;
  const long long t = MsecOf(readingTime), post = MsecOf(start);
  return t > post || post - t < 60 * 1000;
}

std::string WriteZoFile(const std::string& dir, const TRace& race, int snapshot, bool patV50) {
  const OddsSnapshot& s = race.Snapshots[snapshot];
  std::string out = OddsHeader(kZoHeader, race, s.WinTime(), "13", "03");
  out += WinPlace(race, s);
  out += BracketQuinella(race, s);
  if (patV50) out += PatZeroBlocks(3);
  std::string path = PatRaceFileName(dir, "ZO-", race);
  WritePatRecord(path, std::move(out));
  return path;
}

std::string WriteUoFile(const std::string& dir, PatVariant variant, const TRace& race, int snapshot) {
  const OddsSnapshot& s = race.Snapshots[snapshot];
  const bool wide = variant != Pat95;
  std::string out = OddsHeader(wide ? kUoHeader98 : kUoHeader95, race, s.QuinellaTime(), "1 ", "0 ");
  std::string body;
  const int n = PatRunners(race);
  for (int i = 1; i < n; ++i) {
    for (int k = i + 1; k <= n; ++k) {
      if (IsScratched(race, i) || IsScratched(race, k))
        body += (wide ? "99" : "9") + PatFormat(kScratchedPair, i, k) + Scratched(wide ? 3 : 1, "  ");
      else if (wide)
        body += "00" + PatFormat(kUoPair98, i, k, OddsText(s.Quinella(i, k), 6).c_str(),
                                 OddsText(s.WideLow(i, k), 6).c_str(), OddsText(s.WideHigh(i, k), 6).c_str());
      else
        body += "0" + PatFormat(kUoPair95, i, k, OddsText(s.Quinella(i, k), 6).c_str());
    }
  }
  PadTo(body, wide ? kUoBody98 : kUoBody95);
  out += body;
  if (variant == PatV50) out += PatZeroBlocks(2);
  std::string path = PatRaceFileName(dir, "UO-", race);
  WritePatRecord(path, std::move(out));
  return path;
}

std::string WriteSoFile(const std::string& dir, const TRace& race, int snapshot) {
  const OddsSnapshot& s = race.Snapshots[snapshot];
  std::string out = OddsHeader(kSoHeader, race, s.QuinellaTime(), "1 ", "0 ");
  std::string body;
  const int n = PatRunners(race);
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= n; ++k) {
      if (k == i) continue;
      if (IsScratched(race, i) || IsScratched(race, k))
        body += "9" + PatFormat(kScratchedSoPair, i, k) + Scratched(1, "  ");
      else
        body += "0" + PatFormat(kSoPair, i, k, OddsText(s.Exacta(i, k), 6).c_str());
    }
  }
  PadTo(body, kSoBody);
  out += body + PatZeroBlocks(1);
  std::string path = PatRaceFileName(dir, "SO-", race);
  WritePatRecord(path, std::move(out));
  return path;
}

}  // namespace vorpa

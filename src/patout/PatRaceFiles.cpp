#include "patout/PatRaceFiles.h"

#include <charconv>
#include <climits>

#include "core/DayCount.h"
#include "core/TextUtil.h"

namespace vorpa {
namespace {

constexpr char kUyHeader[] = "%8s%4s%.3d%.3d%.6d%.8d%.8d%.8d%.8d%1d%1d%.2d%4s%.2d%.2d%1d";
constexpr char kUyConstant[] = "1000120123456000";
constexpr char kDeHeader[] = "%8s%4s%4s%.2d%.2d%2d%4s%-2s%-2s%.4d%-28s%-28s%.2d";
constexpr char kDeRunner[] = "%2d%2d%2s%-18s%-18s%s%s%4s";
constexpr int kDeRunnerBytes = 48;
constexpr char kUtHeader[] = "%8s%4s%4s%.2d%.2d%2d%4s%.4d%-28s%-28s%.2d";
constexpr char kUtRunner[] = "%2d%d%3d%2d%1s%s";
constexpr int kUtRunnerBytes = 10;
constexpr char kFullStop[] = "\x81\x44";  // "．"

// Bet types of a held race in the outline, and of one not held.
const char* HeldBetTypes(PatVariant v) { return v == Pat95 ? "15" : v == Pat98 ? "31" : "127"; }
const char* IdleBetTypes(PatVariant v) { return v == PatV50 ? "000" : "00"; }

// 18 horse flags, then frames with at least one and with at least two horses.
std::string RunnerMap(int runners) {
  const int n = runners < 0 ? 0 : runners > kMaxRunners ? kMaxRunners : runners;
  std::array<int, kMaxFrames + 1> inFrame{};
  for (int h = 1; h <= n; ++h) ++inFrame[FrameOfHorse(n, h)];
  std::string out;
  for (int h = 1; h <= kMaxRunners; ++h) out += h <= n ? '7' : '0';
  for (int f = 1; f <= kMaxFrames; ++f) out += inFrame[f] >= 1 ? '7' : '0';
  for (int f = 1; f <= kMaxFrames; ++f) out += inFrame[f] >= 2 ? '7' : '0';
  return out;
}

std::string UyRecord(PatVariant variant, const TYoukouInfo& m, int position, double now) {
  std::string out = PatFormat(kUyHeader, PatYmd(m.Date).c_str(), PatHhnn(TimeOf(now)).c_str(), 900,
                              0, 3000, 300000, 0, 300000, 0, position, 0, m.VenueCode,
                              PatYear(m.Date).c_str(), m.Kai, m.Nichi, DayOfWeek(m.Date));
  for (int r = 0; r < kYoukouRaces; ++r) out += m.RaceHeld[r] ? HeldBetTypes(variant) : IdleBetTypes(variant);
  for (int r = 0; r < kYoukouRaces; ++r) out += RunnerMap(m.RaceHeld[r] ? m.RaceRunners[r] : 0);
  for (int r = 0; r < kYoukouRaces; ++r) out += m.RaceHeld[r] ? '1' : '0';
  for (int k = 0; k < 4; ++k) out += kUyConstant;
  return out;
}

// Burden as its shortest decimal text; two characters become full-width.
std::string BurdenText(double burden) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, burden);
  std::string text(buf, res.ec == std::errc() ? res.ptr : buf);
  return text.size() == 2 ? ToFullWidth(text) : text;
}

char ApprenticeCode(const std::string& mark) {
  if (mark == "\x81\x99") return '1';  // ☆
  if (mark == "\x81\xA2") return '2';  // △
  if (mark == "\x81\xA3") return '3';  // ▲
  return '0';
}

std::string DeRunner(const TSyutuba& s) {
  const bool foreign = s.JockeyName.size() >= 4 && s.JockeyName.compare(2, 2, kFullStop) == 0;
  const std::string jockey = CutToBytes(foreign ? ToHalfWidth(s.JockeyName) : s.JockeyName, 18);
  const char code[2] = {ApprenticeCode(s.ApprenticeMark), '\0'};
  return PatFormat(kDeRunner, s.FrameNo, s.HorseNo, "1 ", CutToBytes(ToHalfWidth(s.HorseName), 18).c_str(),
                   jockey.c_str(), code, foreign ? "1" : "0", BurdenText(s.Burden).c_str());
}

int AbsDiff(int diff) { return diff >= 0 ? diff : diff == INT_MIN ? INT_MAX : -diff; }
const char* WeightSign(int diff) { return diff > 0 ? "1" : diff < 0 ? "2" : "3"; }

}  // namespace

int FrameOfHorse(int runners, int horseNo) {
  if (runners <= kMaxFrames) return horseNo;
  const int c = runners / kMaxFrames, d = runners % kMaxFrames;
  const int r = (horseNo - 1) / c + 1;
  if (r <= kMaxFrames - d) return r;
  return (horseNo - (kMaxFrames - d) * c - 1) / (c + 1) - d + 9;
}

std::vector<std::string> WriteUyFile(const std::string& dir, PatVariant variant,
                                     const TYoukouInfos& meetings, double now) {
  std::vector<std::string> written;
  for (size_t i = 0; i < meetings.size(); ++i) {
    std::string path = WithSeparator(dir) + "UY-" + static_cast<char>('A' + i) + ".JRA";
    WritePatRecord(path, UyRecord(variant, meetings[i], static_cast<int>(i) + 1, now));
    written.push_back(std::move(path));
  }
  return written;
}

std::string WriteDeFile(const std::string& dir, const TRace& race) {
  const TRaceHeader& h = race.Header;
  std::string out = PatFormat(kDeHeader, PatYmd(h.RaceDate).c_str(), CutToBytes(h.VenueName, 4).c_str(),
                              PatYear(h.RaceDate).c_str(), h.Kai, h.Nichi, h.RaceNo,
                              PatHhnn(h.StartTime).c_str(), CutToBytes(h.CourseText, 2).c_str(), "",
                              h.Distance, PatTitle(h).c_str(), PatConditions(h).c_str(), h.RunnerCount);
  const int n = PatRunners(race);
  for (int i = 1; i <= kMaxRunners; ++i) out += i <= n ? DeRunner(race.Runner(i)) : Blanks(kDeRunnerBytes);
  std::string path = PatRaceFileName(dir, "DE-", race);
  WritePatRecord(path, std::move(out));
  return path;
}

std::string WriteUtFile(const std::string& dir, const TRace& race, double now) {
  const TRaceHeader& h = race.Header;
  const double stamp = h.StartTime != 0 ? h.StartTime : TimeOf(now);
  std::string out = PatFormat(kUtHeader, PatYmd(h.RaceDate).c_str(), CutToBytes(h.VenueName, 4).c_str(),
                              PatYear(h.RaceDate).c_str(), h.Kai, h.Nichi, h.RaceNo,
                              PatHhnn(stamp).c_str(), h.Distance, PatTitle(h).c_str(),
                              PatConditions(h).c_str(), h.RunnerCount);
  const int n = PatRunners(race);
  for (int i = 1; i <= kMaxRunners; ++i) {
    if (i > n) {
      out += Blanks(kUtRunnerBytes);
      continue;
    }
    const TSyutuba& s = race.Runner(i);
    out += PatFormat(kUtRunner, s.HorseNo, 1, s.BodyWeight, AbsDiff(s.WeightDiff), WeightSign(s.WeightDiff), " ");
  }
  std::string path = PatRaceFileName(dir, "UT-", race);
  WritePatRecord(path, std::move(out));
  return path;
}

}  // namespace vorpa

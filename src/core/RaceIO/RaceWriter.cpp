// The version 2.1 writer: one format string per record, CR LF line ends.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "core/DayCount.h"
#include "core/RaceIO/RaceFields.h"
#include "core/RaceIO/RaceIO.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace {

using raceio::AppendGeneral;

constexpr int kNameWidth = 18;

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

// A text as one line: a line break inside it would end its record early and
// stop the loader there, so each CR and LF becomes a blank (neither byte
// occurs inside a CP932 character).
std::string OneLine(std::string_view text) {
  std::string s(text);
  std::replace_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return s;
}

// A text cut to the byte width of its column, on one line.
std::string Field(std::string_view text, int width) { return OneLine(CutToBytes(text, width)); }

// printf-style formatting of one line (CP932 bytes, widths in bytes).
[[gnu::format(printf, 2, 3)]] void AppendFormat(std::string& out, const char* fmt, ...) {
  char buf[512];
  va_list ap;
  va_start(ap, fmt);
  int n = std::vsnprintf(buf, sizeof buf, fmt, ap);
  va_end(ap);
  if (n < 0) return;
  if (static_cast<size_t>(n) < sizeof buf) {
    out.append(buf, n);
    return;
  }
  std::string big(n + 1, '\0');
  va_start(ap, fmt);
  std::vsnprintf(big.data(), big.size(), fmt, ap);
  va_end(ap);
  out.append(big.data(), n);
}

std::string DateText(double date) {
  CivilDate d = DecodeDate(date);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.Year % 10000, d.Month % 100, d.Day % 100);
  return buf;
}

std::string TimeText(double time) {
  CivilTime t = DecodeTime(TimeOf(time));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d", t.Hour % 100, t.Minute % 100, t.Second % 100);
  return buf;
}

// "000;-00": three digits when 0 or more, a minus and two digits below.
std::string WeightDiffText(int v) {
  char buf[16];
  if (v >= 0) std::snprintf(buf, sizeof buf, "%03d", v);
  else std::snprintf(buf, sizeof buf, "-%02lld", -static_cast<long long>(v));
  return buf;
}

// "00.0": at least two integer digits and one decimal, rounded half away.
std::string BurdenText(double v) {
  if (!std::isfinite(v) || std::fabs(v) >= 1e9) v = 0;
  long long tenths = std::llround(std::fabs(v) * 10);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%02lld.%lld", v < 0 && tenths != 0 ? "-" : "", tenths / 10,
                tenths % 10);
  return buf;
}

void AppendHeader(std::string& out, const TRace& race, int n) {
  const TRaceHeader& h = race.Header;
  AppendLine(out, "HC07");
  out.append("H01 ");
  AppendFormat(out, "%8s%4s%2d%2d%2d%6s%4d%2d", DateText(h.RaceDate).c_str(), Field(h.VenueName, 4).c_str(),
               h.RaceNo, h.Kai, h.Nichi, TimeText(h.StartTime).c_str(), h.Distance, n);
  out.append("\r\n");
  const std::string* texts[] = {&h.RaceName, &h.Condition1, &h.Condition2,
                                &h.CourseText, &h.Weather, &h.Going};
  for (int i = 0; i < 6; ++i) {
    AppendFormat(out, "H%.2d ", i + 2);
    AppendLine(out, OneLine(*texts[i]));
  }
}

// Entry `no` is always written as horse `no`, so that it loads back there;
// an unfilled entry is written cleared. Texts are cut to their columns.
void AppendRunner(std::string& out, const TSyutuba& entry, int no) {
  static const TSyutuba kCleared;
  const TSyutuba& s = entry.HorseNo == 0 ? kCleared : entry;
  out.push_back('S');
  AppendFormat(out, "%.2d%2d%-18s%1s%1d%2d%3d%1d%3s%-18s%4s%-2s%-18s%2d%s", no, s.FrameNo,
               Field(s.HorseName, kNameWidth).c_str(), Field(s.MarkText, 1).c_str(), s.Sex, s.Age,
               s.BodyWeight, s.WeightDiffKnown ? 1 : 0, WeightDiffText(s.WeightDiff).c_str(),
               Field(s.JockeyName, kNameWidth).c_str(), BurdenText(s.Burden).c_str(),
               Field(s.ApprenticeMark, 2).c_str(), Field(s.TrainerName, kNameWidth).c_str(),
               s.Finish, OneLine(s.Margin).c_str());
  out.append("\r\n");
}

void AppendPayouts(std::string& out, const TRaceResult& r) {
  AppendLine(out, "RC17");
  for (int line = 1; line <= 16; ++line) {
    AppendFormat(out, "R%.2d ", line);
    raceio::ConstPayoutLine p = raceio::PayoutLineOf(r, line);
    for (int i = 0; i < p.Count; ++i) AppendFormat(out, i ? " %d" : "%d", p.First[i]);
    out.append("\r\n");
  }
  out.append("R17 ");
  AppendLine(out, OneLine(r.RefundText));
}

void AppendVotes(std::string& out, const TRace& race) {
  AppendLine(out, "TC09");
  for (int k = 1; k <= kVoteTypes; ++k) {
    AppendFormat(out, "T%.2d ", k);
    AppendGeneral(out, static_cast<double>(race.Votes[k - 1]) / 10000.0);
    out.append("\r\n");
  }
}

void AppendValue(std::string& out, double v) {
  out.push_back(' ');
  AppendGeneral(out, v);
}

void AppendTime(std::string& out, const char* tag, double t) {
  out.append(tag);
  out.push_back(' ');
  AppendLine(out, TimeText(t));
}

// Pairs i < j of horses 1..n, as Z07, Z11 and Z12 list them.
template <typename Cell>
void AppendPairs(std::string& out, const char* tag, int n, Cell cell) {
  out.append(tag);
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j) AppendValue(out, cell(i, j));
  out.append("\r\n");
}

void AppendSnapshot(std::string& out, const OddsSnapshot& s, int number, int n) {
  AppendFormat(out, "D%.2d ZC12\r\n", number);
  AppendTime(out, "Z01", s.WinTime());
  // Win, PlaceLow and PlaceHigh lie one after the other, 18 cells each.
  const char* perHorse[] = {"Z02", "Z03", "Z04"};
  for (int part = 0; part < 3; ++part) {
    out.append(perHorse[part]);
    for (int h = 1; h <= n; ++h) AppendValue(out, s.Cells[OddsSnapshot::WinIdx(h) + 18 * part]);
    out.append("\r\n");
  }
  out.append("Z05");
  for (int i = 1; i <= kMaxFrames; ++i)
    for (int j = i; j <= kMaxFrames; ++j) AppendValue(out, s.Bracket(i, j));
  out.append("\r\n");
  AppendTime(out, "Z06", s.QuinellaTime());
  AppendPairs(out, "Z07", n, [&](int i, int j) { return s.Quinella(i, j); });
  AppendTime(out, "Z08", s.ExactaTime());
  out.append("Z09");
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      if (j != i) AppendValue(out, s.Exacta(i, j));
  out.append("\r\n");
  AppendTime(out, "Z10", s.WideTime());
  AppendPairs(out, "Z11", n, [&](int i, int j) { return s.WideLow(i, j); });
  AppendPairs(out, "Z12", n, [&](int i, int j) { return s.WideHigh(i, j); });
}

// At most 99 snapshots fit the format: the first and the newest 98.
void AppendSnapshots(std::string& out, const TRace& race, int n) {
  const auto& all = race.Snapshots;
  if (all.empty()) return;
  const size_t count = std::min<size_t>(all.size(), raceio::kMaxFileSnapshots);
  const size_t skip = all.size() - count;
  AppendFormat(out, "DC%.2d\r\n", static_cast<int>(count));
  for (size_t k = 0; k < count; ++k) {
    const size_t from = k == 0 ? 0 : k + skip;
    AppendSnapshot(out, all[from], static_cast<int>(k + 1), n);
  }
}

}  // namespace

std::string FormatRace(const TRace& race) {
  const int n = raceio::UsedRunners(race);
  std::string out;
  out.reserve(4096 + race.Snapshots.size() * 12000);
  AppendLine(out, "VORPADAT 2.1");
  AppendHeader(out, race, n);
  AppendFormat(out, "SC%.2d\r\n", n);
  for (int h = 1; h <= n; ++h) AppendRunner(out, race.Runner(h), h);
  if (race.Result.WinHorse[0] != 0) AppendPayouts(out, race.Result);
  AppendVotes(out, race);
  AppendSnapshots(out, race, n);
  return out;
}

}  // namespace vorpa

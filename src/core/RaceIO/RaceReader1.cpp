// The loader of the fixed-column versions 1.00 and 1.01 (read only).
#include <algorithm>
#include <string>

#include "core/RaceIO/RaceFields.h"
#include "core/TextUtil.h"

namespace vorpa::raceio {

namespace {

constexpr size_t kRunnerLines = 18;
constexpr size_t kPayoutLine = 19;
constexpr size_t kFirstBlock = 20;
constexpr size_t kBlockLines = 11;

std::string TextAt(std::string_view line, size_t from, size_t len) {
  return Trim(Columns(line, from, len));
}

void Header(std::string_view l, TRaceHeader& h) {
  h.RaceDate = DateOfText(Columns(l, 6, 8));
  h.VenueName = TextAt(l, 14, 4);
  h.RaceNo = PaddedIntOf(Columns(l, 18, 2));
  h.StartTime = TimeOfText(Columns(l, 20, 6));
  h.Kai = PaddedIntOf(Columns(l, 26, 2));
  h.Nichi = PaddedIntOf(Columns(l, 28, 2));
  h.RaceName = TextAt(l, 30, 50);
  h.Condition1 = TextAt(l, 80, 20);
  h.Condition2 = TextAt(l, 100, 40);
  h.CourseText = TextAt(l, 140, 10);
  h.Distance = PaddedIntOf(Columns(l, 150, 4));
  h.RunnerCount = std::clamp(PaddedIntOf(Columns(l, 154, 2)), 0, kMaxRunners);
  h.Weather = TextAt(l, 156, 6);
  h.Going = TextAt(l, 162, 6);
}

// Version 1.00 has a one-column age: everything after it lies one column
// further left than in 1.01.
void Runner(std::string_view l, bool v101, TSyutuba& s) {
  if (l.empty()) return;
  const size_t x = v101 ? 1 : 0;
  s.HorseNo = PaddedIntOf(Columns(l, 1, 2));
  s.FrameNo = PaddedIntOf(Columns(l, 3, 1));
  s.HorseName = TextAt(l, 4, 20);
  s.MarkText = TextAt(l, 24, 1);
  s.Sex = PaddedIntOf(Columns(l, 25, 1));
  s.Age = PaddedIntOf(Columns(l, 26, 1 + x));
  s.BodyWeight = PaddedIntOf(Columns(l, 27 + x, 3));
  s.WeightDiffKnown = Columns(l, 30 + x, 1) == "1";
  s.WeightDiff = PaddedIntOf(Columns(l, 31 + x, 3));
  s.JockeyName = TextAt(l, 34 + x, 18);
  s.Burden = NumberOf(Columns(l, 52 + x, 4), 0);
  s.ApprenticeMark = TextAt(l, 56 + x, 2);
  s.Finish = PaddedIntOf(Columns(l, 58 + x, 2));
  s.Margin = TextAt(l, 60 + x, 6);
}

// The payout line: fields one after the other, each a run of numbers of
// one width.
void Payouts(std::string_view l, TRaceResult& r) {
  struct Run {
    int* First;
    int Count;
    size_t Width;
  };
  const Run runs[] = {
      {r.WinHorse.data(), 2, 2},          {r.WinPay.data(), 2, 6},
      {r.PlaceHorse.data(), 4, 2},        {r.PlacePay.data(), 4, 6},
      {r.BracketPair[0].data(), 2, 2},    {r.BracketPair[1].data(), 2, 2},
      {r.BracketPay.data(), 2, 6},        {r.QuinellaPair[0].data(), 2, 2},
      {r.QuinellaPair[1].data(), 2, 2},   {r.QuinellaPay.data(), 2, 6},
      {r.WidePair[0].data(), 2, 2},       {r.WidePair[1].data(), 2, 2},
      {r.WidePair[2].data(), 2, 2},       {r.WidePair[3].data(), 2, 2},
      {r.WidePay.data(), 4, 6},
  };
  size_t col = 1;
  for (const Run& run : runs) {
    for (int k = 0; k < run.Count; ++k, col += run.Width) run.First[k] = PaddedIntOf(Columns(l, col, run.Width));
  }
}

// Fields of six columns from column 1: cells[first + k] for k < count.
void Sixes(std::string_view l, OddsSnapshot& s, int first, int count) {
  for (int k = 0; k < count; ++k) s.Cells[first + k] = NumberOf(Columns(l, 6 * k + 1, 6), 0);
}

void Block(const std::vector<std::string_view>& lines, size_t at, OddsSnapshot& s) {
  s.WinTime() = TimeOfText(Columns(lines[at], 1, 6));
  Sixes(lines[at + 1], s, OddsSnapshot::WinIdx(1), kMaxRunners);
  Sixes(lines[at + 2], s, OddsSnapshot::PlaceLowIdx(1), kMaxRunners);
  Sixes(lines[at + 3], s, OddsSnapshot::PlaceHighIdx(1), kMaxRunners);
  Sixes(lines[at + 5], s, OddsSnapshot::BracketIdx(1, 1), kMaxFrames * kMaxFrames);
  s.QuinellaTime() = TimeOfText(Columns(lines[at + 6], 1, 6));
  // The 17 x 17 matrices: row i, column j holds pair i, j+1.
  Sixes(lines[at + 7], s, OddsSnapshot::QuinellaIdx(1, 2), 17 * 17);
  s.WideTime() = TimeOfText(Columns(lines[at + 8], 1, 6));
  Sixes(lines[at + 9], s, OddsSnapshot::WideLowIdx(1, 2), 17 * 17);
  Sixes(lines[at + 10], s, OddsSnapshot::WideHighIdx(1, 2), 17 * 17);
}

}  // namespace

namespace {

// The version text of columns 1-5 (a "0" in column 1 read as a blank).
std::string VersionText(std::string_view line) {
  std::string version(Columns(line, 1, 5));
  if (!version.empty() && version[0] == '0') version[0] = ' ';
  return version;
}

}  // namespace

bool IsVersion1Header(std::string_view line) {
  const std::string version = VersionText(line);
  return version == " 1.00" || version == " 1.01";
}

void DecodeVersion1(const std::vector<std::string_view>& lines, TRace& race) {
  if (lines.empty() || !IsVersion1Header(lines[0]) || lines.size() <= kRunnerLines) return;
  const bool v101 = VersionText(lines[0]) == " 1.01";
  Header(lines[0], race.Header);
  for (size_t h = 1; h <= kRunnerLines; ++h) Runner(lines[h], v101, race.Runner(static_cast<int>(h)));
  if (lines.size() > kPayoutLine) Payouts(lines[kPayoutLine], race.Result);
  // Beyond what the current format holds, later blocks are not read.
  const size_t blocks = std::min<size_t>(
      lines.size() < kFirstBlock ? 0 : (lines.size() - kFirstBlock) / kBlockLines, kMaxFileSnapshots);
  race.Snapshots.assign(blocks, EmptySnapshot());
  for (size_t k = 0; k < blocks; ++k) Block(lines, kFirstBlock + kBlockLines * k, race.Snapshots[k]);
}

}  // namespace vorpa::raceio

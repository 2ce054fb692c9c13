#pragma once
// Pieces shared by the writer and the loaders of the race data file.
#include <string>
#include <string_view>
#include <vector>

#include "core/Race.h"

namespace vorpa::raceio {

// Group counts have two digits: a file holds at most 99 snapshots.
constexpr int kMaxFileSnapshots = 99;

// The payout numbers of one R line (R01..R16): `Count` ints from `First`.
struct PayoutLine {
  int* First = nullptr;
  int Count = 0;
};
// Line 1..16 of the version 2.1 payout group; {nullptr, 0} outside.
PayoutLine PayoutLineOf(TRaceResult& r, int line);
struct ConstPayoutLine {
  const int* First = nullptr;
  int Count = 0;
};
inline ConstPayoutLine PayoutLineOf(const TRaceResult& r, int line) {
  PayoutLine p = PayoutLineOf(const_cast<TRaceResult&>(r), line);
  return {p.First, p.Count};
}

// Shortest general decimal form with up to 15 significant digits
// (3.4, 12, -1), appended to `out`.
void AppendGeneral(std::string& out, double v);

// Columns `from`..`from+len-1` (1-based) of a line; "" beyond its end.
std::string_view Columns(std::string_view line, size_t from, size_t len);
// The text trimmed of blanks and control characters at both ends (a
// full-width blank is kept).
std::string_view TrimControls(std::string_view text);
// The integer of a blank-padded column or token; 0 when it is not one.
int PaddedIntOf(std::string_view text);

// Number of runner entries a record's value lines cover: RunnerCount in 0..18.
inline int UsedRunners(const TRace& race) {
  const int n = race.Header.RunnerCount;
  return n < 0 ? 0 : (n > kMaxRunners ? kMaxRunners : n);
}

}  // namespace vorpa::raceio

namespace vorpa::raceio {

// The lines of a text (CR LF, LF or CR end a line; a final line end opens
// no further line), as views into it.
std::vector<std::string_view> SplitLines(std::string_view text);

// The decoders, on a record cleared with no snapshots. `lines[0]` is the
// magic or version line.
void DecodeVersion2(const std::vector<std::string_view>& lines, bool v21, TRace& race);
void DecodeVersion1(const std::vector<std::string_view>& lines, TRace& race);
// Whether a line is a version 1.00 or 1.01 header (by its version text).
bool IsVersion1Header(std::string_view line);

}  // namespace vorpa::raceio

#pragma once
// What every PAT-style ".JRA" file shares: one record (header, body, "Z"
// and one carriage return, no line feed) in CP932, written as one whole file
// under the shared file lock; the printf-style field formatting (widths
// count bytes) and the field texts used by all writers.
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Race.h"

namespace vorpa {

// The flavour of a writer call.
enum PatVariant { Pat95 = 0, Pat98 = 1, PatV50 = 2 };
constexpr int kPatVariants = 3;

// A PAT file that could not be written: Path() names it, Reason() says why
// (the system's text, UTF-8); what() holds both.
class TPatFileError : public std::runtime_error {
 public:
  TPatFileError(const std::string& path, const std::string& reason);
  const std::string& Path() const { return path_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string path_, reason_;
};

// printf into a string.
std::string PatFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Creates the directory of `path` with its parents, then writes `record`
// followed by "Z" and a carriage return as the whole file. Throws
// TPatFileError; a file already there stays intact on failure.
void WritePatRecord(const std::string& path, std::string record);

// `Date` as "yyyymmdd", its year as "yyyy", a time of day as "hhnn".
std::string PatYmd(double date);
std::string PatYear(double date);
std::string PatHhnn(double time);

// `RaceName` limited to 28 bytes.
std::string PatTitle(const TRaceHeader& h);
// Condition1 and Condition2, each trimmed, joined, limited to 28 bytes.
std::string PatConditions(const TRaceHeader& h);
// RunnerCount within 0..18, the slots a writer may fill.
int PatRunners(const TRace& race);

// dir (with a separator added) + prefix + venue hex digit + Nichi + race
// number as one hex digit + ".JRA", e.g. DE-58B.JRA.
std::string PatRaceFileName(std::string_view dir, std::string_view prefix, const TRace& race);

// A numbered "          0" block (ten blanks and a zero), `count` times.
std::string PatZeroBlocks(int count);
// Half-width katakana "ﾄﾘｹｼ" of scratched runners.
extern const std::string_view kPatScratched;

}  // namespace vorpa

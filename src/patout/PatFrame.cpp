#include "patout/PatFrame.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/TextUtil.h"
#include "core/Venue.h"

namespace vorpa {

const std::string_view kPatScratched = "\xC4\xD8\xB9\xBC";  // ﾄﾘｹｼ

TPatFileError::TPatFileError(const std::string& path, const std::string& reason)
    : std::runtime_error(path + ": " + reason), path_(path), reason_(reason) {}

std::string PatFormat(const char* fmt, ...) {
  char buf[512];
  va_list ap;
  va_start(ap, fmt);
  int n = std::vsnprintf(buf, sizeof buf, fmt, ap);
  va_end(ap);
  if (n < 0) return {};
  if (static_cast<size_t>(n) < sizeof buf) return std::string(buf, n);
  std::string out(static_cast<size_t>(n) + 1, '\0');
  va_start(ap, fmt);
  std::vsnprintf(out.data(), out.size(), fmt, ap);
  va_end(ap);
  out.resize(static_cast<size_t>(n));
  return out;
}

void WritePatRecord(const std::string& path, std::string record) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path dir = fs::path(path).parent_path();
  if (!dir.empty() && !fs::is_directory(dir, ec)) {
    fs::create_directories(dir, ec);
    std::error_code again;
    if (!fs::is_directory(dir, again)) {
      if (!ec) ec = std::make_error_code(std::errc::not_a_directory);
      throw TPatFileError(path, dir.string() + ": " + ec.message());
    }
  }
  record += "Z\r";
  if (!LockedWriteFile(path, record)) throw TPatFileError(path, std::generic_category().message(errno));
}

std::string PatYmd(double date) {
  CivilDate d = DecodeDate(date);
  return PatFormat("%.4d%.2d%.2d", d.Year, d.Month, d.Day);
}

std::string PatYear(double date) { return PatFormat("%.4d", DecodeDate(date).Year); }

std::string PatHhnn(double time) {
  CivilTime t = DecodeTime(time);
  return PatFormat("%.2d%.2d", t.Hour, t.Minute);
}

std::string PatTitle(const TRaceHeader& h) { return CutToBytes(h.RaceName, 28); }

std::string PatConditions(const TRaceHeader& h) {
  return CutToBytes(Trim(h.Condition1) + Trim(h.Condition2), 28);
}

int PatRunners(const TRace& race) {
  const int n = race.Header.RunnerCount;
  return n < 0 ? 0 : n > kMaxRunners ? kMaxRunners : n;
}

std::string PatRaceFileName(std::string_view dir, std::string_view prefix, const TRace& race) {
  const TRaceHeader& h = race.Header;
  return WithSeparator(dir) + std::string(prefix) + VenueCodeText(h.VenueName) +
         PatFormat("%d%X.JRA", h.Nichi, static_cast<unsigned>(h.RaceNo));
}

std::string PatZeroBlocks(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += "          0";
  return out;
}

}  // namespace vorpa

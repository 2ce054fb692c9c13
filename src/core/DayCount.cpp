#include "core/DayCount.h"

#include <cmath>
#include <cstdio>

namespace vorpa {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's
// days_from_civil).
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

CivilDate CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp + (mp < 10 ? 3 : -9);
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
constexpr long kEpochOffset = -25569;

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

long MsecOfDay(double value) {
  double frac = std::fabs(value - std::trunc(value));
  long ms = std::lround(frac * 86400000.0);
  return ms >= 86400000 ? 86399999 : ms;
}

// Reads 1..maxDigits decimal digits at p; advances p.
bool ReadNumber(const char*& p, int maxDigits, int* out) {
  int n = 0, digits = 0;
  while (*p >= '0' && *p <= '9' && digits < maxDigits) {
    n = n * 10 + (*p - '0');
    ++p;
    ++digits;
  }
  if (digits == 0) return false;
  *out = n;
  return true;
}

bool ParseTime(const char*& p, double* out) {
  int h = 0, n = 0, s = 0;
  if (!ReadNumber(p, 2, &h) || *p != ':') return false;
  ++p;
  if (!ReadNumber(p, 2, &n)) return false;
  if (*p == ':') {
    ++p;
    if (!ReadNumber(p, 2, &s)) return false;
  }
  return TryEncodeTime(h, n, s, 0, out);
}

bool ParseDate(const char*& p, double* out) {
  int y = 0, m = 0, d = 0;
  const char* start = p;
  if (!ReadNumber(p, 4, &y)) return false;
  const bool shortYear = p - start <= 2;
  char sep = *p;
  if (sep != '/' && sep != '-') return false;
  ++p;
  if (!ReadNumber(p, 2, &m) || *p != sep) return false;
  ++p;
  if (!ReadNumber(p, 2, &d)) return false;
  if (shortYear) y += 2000;
  return TryEncodeDate(y, m, d, out);
}

// True when p stands at the end of the whole text: a zero byte inside it
// is a character like any other, not the end.
bool AtEnd(const std::string& text, const char* p) { return p == text.c_str() + text.size(); }

}  // namespace

bool TryEncodeDate(int year, int month, int day, double* out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return false;
  *out = static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
  return true;
}

double EncodeDate(int year, int month, int day) {
  double v = 0;
  return TryEncodeDate(year, month, day, &v) ? v : 0;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, double* out) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      msec < 0 || msec > 999)
    return false;
  *out = (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / 86400000.0;
  return true;
}

double EncodeTime(int hour, int minute, int second, int msec) {
  double v = 0;
  return TryEncodeTime(hour, minute, second, msec, &v) ? v : 0;
}

CivilDate DecodeDate(double value) {
  return CivilFromDays(static_cast<long>(std::floor(value + 1e-9)) + kEpochOffset);
}

CivilTime DecodeTime(double value) {
  long ms = MsecOfDay(value);
  return CivilTime{static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
                   static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

int DayOfWeek(double value) {
  long days = static_cast<long>(std::floor(value + 1e-9));
  // 1899-12-30 was a Saturday (7).
  long r = ((days % 7) + 7) % 7;
  return static_cast<int>((r + 6) % 7) + 1;
}

double DateOf(double value) { return std::floor(value + 1e-9); }
double TimeOf(double value) { return MsecOfDay(value) / 86400000.0; }
long long MsecOf(double value) { return std::llround(value * 86400000.0); }

std::string DateToText(double value) {
  CivilDate d = DecodeDate(value);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", d.Year % 100, d.Month, d.Day);
  return buf;
}

std::string TimeToText(double value) {
  CivilTime t = DecodeTime(value);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  return buf;
}

std::string DateToLongText(double value) {
  CivilDate d = DecodeDate(value);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", d.Year, d.Month, d.Day);
  return buf;
}

std::string DateToIsoText(double value) {
  CivilDate d = DecodeDate(value);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
  return buf;
}

std::string DateTimeToIsoText(double value) { return DateToIsoText(value) + " " + TimeToText(value); }

bool TryTextToTime(const std::string& text, double* out) {
  const char* p = text.c_str();
  while (*p == ' ') ++p;
  double v = 0;
  if (!ParseTime(p, &v)) return false;
  while (*p == ' ') ++p;
  if (!AtEnd(text, p)) return false;
  *out = v;
  return true;
}

bool TryTextToDate(const std::string& text, double* out) {
  const char* p = text.c_str();
  while (*p == ' ') ++p;
  double v = 0;
  if (!ParseDate(p, &v)) return false;
  while (*p == ' ') ++p;
  if (!AtEnd(text, p)) return false;
  *out = v;
  return true;
}

bool TryTextToDateTime(const std::string& text, double* out) {
  const char* p = text.c_str();
  while (*p == ' ') ++p;
  double d = 0, t = 0;
  if (!ParseDate(p, &d)) return false;
  while (*p == ' ' || *p == 'T') ++p;
  if (!AtEnd(text, p) && !ParseTime(p, &t)) return false;
  while (*p == ' ') ++p;
  if (!AtEnd(text, p)) return false;
  *out = d + t;
  return true;
}

}  // namespace vorpa

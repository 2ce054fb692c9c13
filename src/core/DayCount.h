#pragma once
// Date-time values as double day counts since 1899-12-30; the fraction is
// the time of day. A time of day alone is the fraction; 0 means not known.
#include <string>

namespace vorpa {

struct CivilDate {
  int Year = 0, Month = 0, Day = 0;
};
struct CivilTime {
  int Hour = 0, Minute = 0, Second = 0, Msec = 0;
};

// Day count of a civil date; false (and *out untouched) when the date is
// not valid (month 1..12, day within the month, year 1..9999).
bool TryEncodeDate(int year, int month, int day, double* out);
// As TryEncodeDate, 0 for an invalid date.
double EncodeDate(int year, int month, int day);
// Fraction of a day; false when a part is out of range (h 0..23, n,s 0..59).
bool TryEncodeTime(int hour, int minute, int second, int msec, double* out);
double EncodeTime(int hour, int minute, int second, int msec = 0);

CivilDate DecodeDate(double value);
// Rounded to the nearest millisecond, as the platform's time decoding does.
CivilTime DecodeTime(double value);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(double value);

// Whole days of a value (the date part) and its time of day.
double DateOf(double value);
double TimeOf(double value);
// A day count in whole milliseconds (rounded): times compared or
// subtracted this way are exact, unlike their doubles.
long long MsecOf(double value);

// The fixed text formats: short date "yy/mm/dd", long time "hh:mm:ss",
// plus the four-digit "yyyy/mm/dd" and "yyyy-mm-dd" forms.
std::string DateToText(double value);        // yy/mm/dd
std::string TimeToText(double value);        // hh:mm:ss
std::string DateToLongText(double value);    // yyyy/mm/dd
std::string DateToIsoText(double value);     // yyyy-mm-dd
std::string DateTimeToIsoText(double value); // yyyy-mm-dd hh:mm:ss

// Parsing of the platform's date and time texts. Time: "h:m" or "h:m:s"
// with one or two digits each. Date: "yyyy/mm/dd", "yy/mm/dd" (2000+yy),
// with "/" or "-". False for anything else.
bool TryTextToTime(const std::string& text, double* out);
bool TryTextToDate(const std::string& text, double* out);
// "yyyy-mm-dd hh:mm:ss" (or with "/"), or just a date.
bool TryTextToDateTime(const std::string& text, double* out);

}  // namespace vorpa

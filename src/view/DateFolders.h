#pragma once
// The meeting dates the data directory holds: year folders "yyyy" with day
// folders "mmdd", laid out for the date dialog as a year list and a table
// with one column per month.
#include <array>
#include <string>
#include <vector>

namespace vorpa {

// Entries of `dataDir` with four-character names that are numbers above
// 1998, sorted as texts.
std::vector<std::string> YearFolders(const std::string& dataDir);
// Entries of the year folder with four-character names whose number lies
// between 101 and 1231, sorted as texts.
std::vector<std::string> DayFolders(const std::string& dataDir, const std::string& year);

// Where the dialog opens: the newest date folder that holds race files,
// as the row of its year in `years` and the month table cell of its day
// (row from 0, column month - 1); all -1 when no folder holds any.
struct TDateCell {
  int YearRow = -1, Row = -1, Col = -1;
};
TDateCell NewestRaceDate(const std::string& dataDir, const std::vector<std::string>& years);

// Row of the year list to select: the current year's, else the last; -1
// for an empty list.
int YearRowToSelect(const std::vector<std::string>& years, int currentYear);

// One row per day slot, one column per month (index 0 = January); a filled
// cell holds the day as " %2d". At least one (empty) row.
using TMonthTable = std::vector<std::array<std::string, 12>>;
TMonthTable MonthTable(const std::vector<std::string>& dayFolders);
// Heading of month 1..12: "%2d月" (CP932).
std::string MonthHeading(int month);

// The date chosen by the year text, the heading of the month column and
// the day text: false when the year or the day text is empty or the three
// make no valid date.
bool ChosenDate(const std::string& yearText, const std::string& monthHeading,
                const std::string& dayText, double* date);

}  // namespace vorpa

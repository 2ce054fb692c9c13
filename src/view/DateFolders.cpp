#include "view/DateFolders.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace {

// Four-character folder names of `dir` whose number lies in [lo, hi].
std::vector<std::string> NumberedFolders(const std::filesystem::path& dir, int lo, int hi) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.size() != 4 || !it->is_directory(ec)) continue;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    int n = std::stoi(name);
    if (n >= lo && n <= hi) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::string> YearFolders(const std::string& dataDir) {
  if (dataDir.empty()) return {};
  return NumberedFolders(dataDir, 1999, 9999);
}

std::vector<std::string> DayFolders(const std::string& dataDir, const std::string& year) {
  if (dataDir.empty() || year.empty()) return {};
  return NumberedFolders(std::filesystem::path(dataDir) / year, 101, 1231);
}

int YearRowToSelect(const std::vector<std::string>& years, int currentYear) {
  auto it = std::find(years.begin(), years.end(), std::to_string(currentYear));
  if (it != years.end()) return static_cast<int>(it - years.begin());
  return static_cast<int>(years.size()) - 1;
}

TMonthTable MonthTable(const std::vector<std::string>& dayFolders) {
  TMonthTable table(1);
  std::array<size_t, 12> used{};
  for (const std::string& mmdd : dayFolders) {
    int month = std::stoi(mmdd.substr(0, 2));
    int day = std::stoi(mmdd.substr(2, 2));
    if (month < 1 || month > 12) continue;
    size_t row = used[month - 1]++;
    if (row >= table.size()) table.emplace_back();
    char cell[8];
    std::snprintf(cell, sizeof cell, " %2d", day);
    table[row][month - 1] = cell;
  }
  return table;
}

std::string MonthHeading(int month) {
  static const std::string kMonth = Utf8ToCp932("月");
  char num[8];
  std::snprintf(num, sizeof num, "%2d", month);
  return num + kMonth;
}

TDateCell NewestRaceDate(const std::string& dataDir, const std::vector<std::string>& years) {
  for (int y = static_cast<int>(years.size()) - 1; y >= 0; --y) {
    const std::vector<std::string> days = DayFolders(dataDir, years[y]);
    for (int d = static_cast<int>(days.size()) - 1; d >= 0; --d) {
      const int month = std::stoi(days[d].substr(0, 2)), day = std::stoi(days[d].substr(2));
      double date = 0;
      if (!TryEncodeDate(std::stoi(years[y]), month, day, &date) || ListRaceFiles(dataDir, date).empty())
        continue;
      // Earlier days of the same month stand above it in its column.
      const int row = static_cast<int>(std::count_if(days.begin(), days.begin() + d, [&](const std::string& n) {
        return n.compare(0, 2, days[d], 0, 2) == 0;
      }));
      return {y, row, month - 1};
    }
  }
  return {};
}

bool ChosenDate(const std::string& yearText, const std::string& monthHeading,
                const std::string& dayText, double* date) {
  if (Trim(yearText).empty() || Trim(dayText).empty()) return false;
  int year = static_cast<int>(NumberOf(Trim(yearText), 0));
  int month = static_cast<int>(NumberOf(Trim(monthHeading.substr(0, 2)), 0));
  int day = static_cast<int>(NumberOf(Trim(dayText), 0));
  return TryEncodeDate(year, month, day, date);
}

}  // namespace vorpa

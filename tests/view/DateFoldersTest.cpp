// The year list and month table of the date dialog, from real folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "support/TempDir.h"
#include "view/DateFolders.h"

namespace vorpa {
namespace {

void MakeDirs(const test::TempDir& dir, std::initializer_list<const char*> names) {
  for (const char* n : names) std::filesystem::create_directories(dir.File(n));
}

TEST(DateFolders, YearsAreNumberedFoldersAbove1998) {
  test::TempDir dir;
  MakeDirs(dir, {"2004", "2003", "tmp", "1998", "20050", "abcd"});
  test::WriteFileBytes(dir.File("2007"), "a file, not a folder");
  std::vector<std::string> years = YearFolders(dir.Path());
  EXPECT_EQ(years, (std::vector<std::string>{"2003", "2004"}));
  EXPECT_EQ(YearRowToSelect(years, 2004), 1);
  EXPECT_EQ(YearRowToSelect(years, 2003), 0);
  EXPECT_EQ(YearRowToSelect(years, 2005), 1);  // not present: the last row
  EXPECT_EQ(YearRowToSelect({}, 2005), -1);
  EXPECT_TRUE(YearFolders("").empty());
  EXPECT_TRUE(YearFolders(dir.File("missing")).empty());
}

TEST(DateFolders, MonthTableRunsDownEachMonthColumn) {
  test::TempDir dir;
  MakeDirs(dir, {"2004/0110", "2004/0103", "2004/0201", "2004/0104", "2004/0100",
                 "2004/1232", "2004/x101", "2004/12310"});
  std::vector<std::string> days = DayFolders(dir.Path(), "2004");
  EXPECT_EQ(days, (std::vector<std::string>{"0103", "0104", "0110", "0201"}));
  TMonthTable t = MonthTable(days);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0][0], "  3");
  EXPECT_EQ(t[1][0], "  4");
  EXPECT_EQ(t[2][0], " 10");
  EXPECT_EQ(t[0][1], "  1");
  EXPECT_EQ(t[1][1], "");
  EXPECT_EQ(t[0][11], "");
  // No dates: one empty row.
  EXPECT_EQ(MonthTable({}).size(), 1u);
  EXPECT_EQ(MonthTable({})[0][0], "");
}

TEST(DateFolders, HeadingsAndChosenDate) {
  EXPECT_EQ(Cp932ToUtf8(MonthHeading(1)), " 1月");
  EXPECT_EQ(Cp932ToUtf8(MonthHeading(12)), "12月");
  double d = 0;
  ASSERT_TRUE(ChosenDate("2004", MonthHeading(2), "  1", &d));
  EXPECT_EQ(d, EncodeDate(2004, 2, 1));
  ASSERT_TRUE(ChosenDate("2004", MonthHeading(12), " 28", &d));
  EXPECT_EQ(d, EncodeDate(2004, 12, 28));
  EXPECT_FALSE(ChosenDate("2004", MonthHeading(1), "", &d));
  EXPECT_FALSE(ChosenDate("", MonthHeading(1), "  3", &d));
  EXPECT_FALSE(ChosenDate("2004", MonthHeading(2), " 31", &d));
}

}  // namespace
}  // namespace vorpa

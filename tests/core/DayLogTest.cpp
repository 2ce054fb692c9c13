// The day's log: stamped lines, one file per day in UTF-8, a new day
// starting afresh and pruning files of 30 days and more ago, a file that
// cannot be written reported once.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/DayLog.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

namespace fs = std::filesystem;

TEST(DayLog, LinesGoToTheDaysFileAndANewDayStartsAfreshAndPrunes) {
  test::TempDir dir;
  const std::string logDir = dir.File("log/");
  for (const char* name : {"2026-11-10.log", "2026-11-11.log", "2026-11-09.log", "notes.txt", "2026-1-01.log"})
    test::WriteFileBytes(logDir + name, "old\n");
  TPinnedClock clock(EncodeDate(2026, 12, 9) + EncodeTime(23, 59, 58));
  TDayLog log(clock, logDir);
  const TLogEntry e = log.Add(Utf8ToCp932("12/09 東京11R 取得"));
  EXPECT_EQ(Cp932ToUtf8(TimedLogLine(e)), "23:59:58 12/09 東京11R 取得");
  log.Add(Utf8ToCp932("通信エラー"), true);
  EXPECT_EQ(test::ReadFileBytes(logDir + "2026-12-09.log"), "23:59:58 12/09 東京11R 取得\n23:59:58 通信エラー\n");
  ASSERT_EQ(log.Entries().size(), 2u);
  EXPECT_TRUE(log.Entries()[1].Error);
  // 30 days before 12/09 is 11/09; 11/10 is the oldest day kept.
  EXPECT_FALSE(fs::exists(logDir + "2026-11-09.log"));
  EXPECT_TRUE(fs::exists(logDir + "2026-11-10.log"));
  EXPECT_TRUE(fs::exists(logDir + "notes.txt"));
  EXPECT_TRUE(fs::exists(logDir + "2026-1-01.log"));

  clock.Set(EncodeDate(2026, 12, 10) + EncodeTime(0, 0, 1));
  log.Add("x");
  ASSERT_EQ(log.Entries().size(), 1u);
  EXPECT_EQ(test::ReadFileBytes(logDir + "2026-12-10.log"), "00:00:01 x\n");
  EXPECT_FALSE(fs::exists(logDir + "2026-11-10.log"));
  EXPECT_TRUE(fs::exists(logDir + "2026-11-11.log"));
  EXPECT_EQ(log.TakeWriteFailure(), "");
}

TEST(DayLog, AFileThatCannotBeWrittenIsReportedOnceUntilItWorksAgain) {
  test::TempDir dir;
  TPinnedClock clock(EncodeDate(2026, 12, 9) + EncodeTime(10, 0, 0));
  fs::create_directories(dir.File("log/2026-12-09.log"));  // a folder in the file's place
  TDayLog log(clock, dir.File("log/"));
  log.Add("a");
  EXPECT_EQ(log.TakeWriteFailure(), dir.File("log/2026-12-09.log") + ": Is a directory");
  log.Add("b");
  EXPECT_EQ(log.TakeWriteFailure(), "");
  EXPECT_EQ(log.Entries().size(), 2u);  // the lines are kept all the same
  fs::remove(dir.File("log/2026-12-09.log"));
  log.Add("c");
  EXPECT_EQ(log.TakeWriteFailure(), "");
  fs::remove(dir.File("log/2026-12-09.log"));  // written as a file by "c"
  fs::create_directories(dir.File("log/2026-12-09.log"));
  log.Add("d");
  EXPECT_NE(log.TakeWriteFailure(), "");
}

}  // namespace
}  // namespace vorpa

// Day-count dates and times and their fixed texts.
#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/MeetingClock.h"

#include <chrono>
#include <thread>

namespace vorpa {
namespace {

TEST(DayCount, EpochAndKnownDates) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
  EXPECT_EQ(EncodeDate(2001, 2, 29), 0);
  EXPECT_EQ(EncodeDate(2026, 13, 1), 0);
  CivilDate d = DecodeDate(EncodeDate(2026, 12, 5) + 0.75);
  EXPECT_EQ(d.Year, 2026);
  EXPECT_EQ(d.Month, 12);
  EXPECT_EQ(d.Day, 5);
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 5)), 7);  // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 6)), 1);  // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9)), 4);  // Wednesday
}

TEST(DayCount, TimesRoundToTheMillisecond) {
  double t = EncodeTime(23, 59, 59, 999);
  CivilTime c = DecodeTime(t);
  EXPECT_EQ(c.Hour, 23);
  EXPECT_EQ(c.Second, 59);
  EXPECT_EQ(c.Msec, 999);
  EXPECT_EQ(TimeToText(EncodeTime(9, 18, 0)), "09:18:00");
  EXPECT_EQ(TimeToText(0), "00:00:00");
  // 14:35 computed from a sum of parts still prints as 14:35:00.
  EXPECT_EQ(TimeToText(14.0 / 24 + 35.0 / 1440), "14:35:00");
}

TEST(DayCount, Texts) {
  double v = EncodeDate(2004, 1, 3) + EncodeTime(14, 5, 9);
  EXPECT_EQ(DateToText(v), "04/01/03");
  EXPECT_EQ(DateToLongText(v), "2004/01/03");
  EXPECT_EQ(DateToIsoText(v), "2004-01-03");
  EXPECT_EQ(DateTimeToIsoText(v), "2004-01-03 14:05:09");
  double p = 0;
  ASSERT_TRUE(TryTextToDateTime("2004-01-03 14:05:09", &p));
  EXPECT_NEAR(p, v, 1e-9);
  ASSERT_TRUE(TryTextToDate("04/01/03", &p));
  EXPECT_EQ(p, EncodeDate(2004, 1, 3));
  ASSERT_TRUE(TryTextToTime("9:05", &p));
  EXPECT_EQ(p, EncodeTime(9, 5, 0));
  EXPECT_FALSE(TryTextToTime("24:00:00", &p));
  EXPECT_FALSE(TryTextToTime("12:60", &p));
  EXPECT_FALSE(TryTextToTime("", &p));
  EXPECT_FALSE(TryTextToTime("12:00:00x", &p));
  EXPECT_FALSE(TryTextToTime(std::string("12:00") + '\0' + "x", &p));
  EXPECT_FALSE(TryTextToDate(std::string("2004/01/03") + '\0', &p));
  EXPECT_FALSE(TryTextToDateTime(std::string("2004-01-03") + '\0' + "12:00", &p));
  EXPECT_FALSE(TryTextToDate("2004/02/30", &p));
  EXPECT_FALSE(TryTextToDateTime("2004-01-03 25:00", &p));
}

TEST(Clock, PinnedClockStandsStillOrRuns) {
  TPinnedClock still(EncodeDate(2026, 12, 5) + EncodeTime(10, 0, 0));
  EXPECT_EQ(still.Now(), EncodeDate(2026, 12, 5) + EncodeTime(10, 0, 0));
  still.Set(1.5);
  EXPECT_EQ(still.Now(), 1.5);
  TPinnedClock running(100.0, true);
  EXPECT_GE(running.Now(), 100.0);
  EXPECT_LT(running.Now(), 100.01);
  TSystemClock system;
  EXPECT_GT(system.Now(), EncodeDate(2020, 1, 1));
}

TEST(Clock, AFastClockRunsItsRateTimesAsFastAndWaitsShrinkWithIt) {
  using namespace std::chrono;
  const auto before = steady_clock::now();
  TPinnedClock fast(100.0, true, 3600);
  std::this_thread::sleep_for(milliseconds(30));
  const double seconds = (fast.Now() - 100.0) * 86400;
  const double real = duration<double>(steady_clock::now() - before).count();
  EXPECT_GE(seconds, 0.030 * 3600);
  EXPECT_LE(seconds, real * 3600);
  EXPECT_EQ(fast.Rate(), 3600);
  EXPECT_EQ(RealSpan(TPinnedClock(0, true, 300), 60), microseconds(200000));
  EXPECT_EQ(RealSpan(TSystemClock(), 2), microseconds(2000000));
  // The acquisition timer: 3 minutes of a clock 300 times as fast.
  EXPECT_EQ(TimerInterval(3, 300), 600);
  EXPECT_EQ(TimerInterval(3, 1e5), 2);
  EXPECT_EQ(TimerInterval(0), 1);  // never a timer that fires without pause
  double rate = 0;
  EXPECT_TRUE(ParseClockRate("300", &rate));
  EXPECT_EQ(rate, 300);
  EXPECT_TRUE(ParseClockRate("0.5", &rate));
  EXPECT_EQ(rate, 0.5);
  for (const char* bad : {"", "0", "-2", "x", "3x", "inf", "nan", "100001", "1e400"})
    EXPECT_FALSE(ParseClockRate(bad, &rate)) << bad;
}

}  // namespace
}  // namespace vorpa

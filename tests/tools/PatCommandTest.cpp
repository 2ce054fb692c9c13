// vorpa-tool pat run as a program over stored races: the request its
// options build, the paths it prints, its exit codes.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/RaceFactory.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::RunProgram;

class PatCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    TSetting s;
    s.MojiPath = dir.Path() + "data";
    s.JRA95Path = dir.Path() + "p95";
    s.JRAV50Path = dir.Path() + "v50";
    s.OddsOutLastTime = 15;
    ASSERT_TRUE(SaveSetting(dir.Path(), s));
    for (int no : {8, 9, 11}) {
      test::RaceRecipe r;
      r.RaceNo = no;
      r.Readings = 20;  // every 20 minutes from 09:30 to 15:50
      StoreRace(s.MojiPath, test::MakeRace(r));
    }
  }
  test::ProgramResult Pat(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", dir.Path(), "--now", "2026-12-06 16:05:00", "pat"});
    return RunProgram(VORPA_TOOL_PATH, args);
  }
  test::TempDir dir;
};

TEST_F(PatCommand, OneRaceWithChosenKindsPrintsEveryPath) {
  auto r = Pat({"--date", "2026-12-06", "--race", "東京11", "--card", "--odds"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const std::string p = dir.Path();
  EXPECT_EQ(r.Out, p + "p95/DE-58B.JRA\n" + p + "v50/DE-58B.JRA\n" + p + "p95/ZO-58B.JRA\n" + p +
                       "p95/UO-58B.JRA\n" + p + "v50/ZO-58B.JRA\n" + p + "v50/SO-58B.JRA\n" + p +
                       "v50/UO-58B.JRA\n");
  // OddsOutLastTime 15 before the 15:40 post: the 15:30 reading, not 15:50.
  EXPECT_EQ(test::ReadFileBytes(p + "p95/ZO-58B.JRA").substr(42, 6), "031530");
  r = Pat({"--date", "2026-12-06", "--race", "東京11", "--odds", "--time", "12:05"});
  EXPECT_EQ(test::ReadFileBytes(p + "p95/ZO-58B.JRA").substr(42, 6), "031210");
  r = Pat({"--date", "2026-12-06", "--race", "東京11", "--odds", "--auto"});
  EXPECT_EQ(r.Out, "") << "past the limit, automatic mode writes no odds";
}

TEST_F(PatCommand, FromRaceAndEverything) {
  auto r = Pat({"--date", "2026-12-06", "--from-race", "9", "--weight"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const std::string p = dir.Path();
  EXPECT_EQ(r.Out, p + "p95/UT-589.JRA\n" + p + "v50/UT-589.JRA\n" + p + "p95/UT-58B.JRA\n" + p + "v50/UT-58B.JRA\n");
  r = Pat({"--date", "2026-12-06"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_NE(r.Out.find(p + "v50/UY-A.JRA\n"), std::string::npos);
  EXPECT_NE(r.Out.find(p + "p95/KS-56588.JRA\n"), std::string::npos);
  EXPECT_NE(r.Out.find(p + "p95/UT-588.JRA\n"), std::string::npos);
}

TEST_F(PatCommand, BadArgumentsAndUnwritableDirectory) {
  EXPECT_EQ(Pat({"--race", "東京11"}).Status, 2) << "no date";
  EXPECT_EQ(Pat({"--date", "2026-12-06", "--race", "東京13"}).Status, 2);
  EXPECT_EQ(Pat({"--date", "2026-12-06", "--race", "横浜1"}).Status, 2);
  EXPECT_EQ(Pat({"--date", "2026-12-06", "--from-race", "x"}).Status, 2);
  EXPECT_EQ(Pat({"--date", "2026-12-06", "--time", "25:00"}).Status, 2);
  EXPECT_EQ(Pat({"--date", "2026-12-06", "--bogus"}).Status, 2);

  test::WriteFileBytes(dir.Path() + "v50", "a file where the directory goes");
  auto r = Pat({"--date", "2026-12-06", "--race", "東京8", "--card"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, dir.Path() + "p95/DE-588.JRA\n");
  EXPECT_NE(r.Err.find(dir.Path() + "v50"), std::string::npos) << r.Err;
}

}  // namespace
}  // namespace vorpa

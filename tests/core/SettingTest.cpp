// Settings file, remark list, INI reader and the locked whole-file writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/IniFile.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "support/TempDir.h"

#include <filesystem>

namespace vorpa {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(Setting, DefaultsWithoutAFile) {
  TempDir dir;
  TSetting s = LoadSetting(dir.Path());
  EXPECT_EQ(s.MaxOddsCnt, 15);
  EXPECT_EQ(s.IPatStartTime, EncodeTime(9, 18, 0));
  EXPECT_EQ(s.IPatGetCycle, 30);
  EXPECT_EQ(s.BuyTotal, 1000);
  EXPECT_EQ(s.IPatChkCycle, 3);
  EXPECT_TRUE(s.GridStriped);
  EXPECT_TRUE(s.OddsColored);
  EXPECT_FALSE(s.AutoIPat);
  EXPECT_EQ(s.IPatPriority, 3);
  EXPECT_EQ(s.IPatHost, kDefaultIPatHost);
  EXPECT_EQ(s.IPatGetTime[11][2], 0);
}

TEST(Setting, ReadingRules) {
  TSetting s = ParseSetting(
      "[vorpa]\r\nIPatChkCycle=0\r\nAutoIPat=2\r\nAutoExit=1\r\nOddsOutLastTime=75\r\n"
      "MaxOddsCnt=abc\r\nIPatStartTime=25:00:00\r\nIPatGetTime123=14:05:00\r\n"
      "IPatGetBefore011=1\r\nDispUmaOrder=9\r\nIPatPriority=300\r\nINetID= AB12 \r\n"
      "BuyTotal=-500\r\n");
  EXPECT_EQ(s.IPatChkCycle, 3);
  EXPECT_FALSE(s.AutoIPat);
  EXPECT_TRUE(s.AutoExit);
  EXPECT_EQ(s.OddsOutLastTime, 59);
  EXPECT_EQ(s.MaxOddsCnt, 15);
  EXPECT_EQ(s.IPatStartTime, EncodeTime(9, 18, 0));
  EXPECT_EQ(s.IPatGetTime[11][2], EncodeTime(14, 5, 0));
  EXPECT_TRUE(s.IPatGetBefore[0][0]);
  EXPECT_FALSE(s.IPatGetBefore[0][1]);
  EXPECT_EQ(s.DispUmaOrder, 0);
  EXPECT_EQ(s.IPatPriority, 3);
  EXPECT_EQ(s.INetID, "AB12");
  EXPECT_EQ(s.BuyTotal, -500);
}

TEST(Setting, MangledFilesGiveDefaults) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  for (const std::string& text :
       {std::string(), binary, std::string("[vorpa"), std::string("=\n==\n[]\n[vorpa]\n=3\n")}) {
    TSetting s = ParseSetting(text);
    EXPECT_EQ(s.MaxOddsCnt, 15);
    EXPECT_EQ(s.IPatChkCycle, 3);
  }
}

TEST(Setting, SaveLoadRoundTripKeepsOtherSections) {
  TempDir dir;
  WriteFileBytes(dir.File("Vorpa.Ini"), "[WindowInfo]\r\nWinWidth=800\r\n");
  TSetting s;
  s.INetID = "ID1234";
  s.MojiPath = Utf8ToCp932("/データ/レース");
  s.MaxOddsCnt = 0;
  s.OddsOutLastTime = 5;
  s.GridStriped = false;
  s.DispKaisaiOrder = 1;
  s.AutoPat = true;
  s.IPatStartTime = EncodeTime(8, 0, 30);
  s.IPatGetBefore[4][1] = true;
  s.IPatGetTime[4][1] = EncodeTime(0, 10, 0);
  s.IPatPriority = 5;
  s.IPatHost = "localhost:9000";
  s.DistortionShown = true;
  s.EstimateCount = 120;
  ASSERT_TRUE(SaveSetting(dir.Path(), s));
  TSetting back = LoadSetting(dir.Path());
  EXPECT_EQ(FormatSetting(back), FormatSetting(s));
  EXPECT_EQ(TIniFile::Load(dir.File("Vorpa.Ini")).GetInt("WindowInfo", "WinWidth", 0), 800);
  std::string text = ReadFileBytes(dir.File("Vorpa.Ini"));
  EXPECT_NE(text.find("IPatGetBefore052=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("IPatGetTime052=00:10:00\r\n"), std::string::npos);
  EXPECT_NE(text.find("IPatStartTime=08:00:30\r\n"), std::string::npos);
  EXPECT_NE(text.find("DistortionShown=1\r\nEstimateCount=120\r\n"),
            std::string::npos);
  // Counts outside 1..4896 keep the default.
  for (const char* bad : {"0", "4897", "x"})
    EXPECT_EQ(ParseSetting(std::string("[vorpa]\r\nEstimateCount=") + bad + "\r\n").EstimateCount, 50);
  EXPECT_EQ(ParseSetting("[vorpa]\r\nEstimateCount=4896\r\n").EstimateCount, 4896);
  EXPECT_FALSE(ParseSetting("[vorpa]\r\nDistortionShown=2\r\n").DistortionShown);
}

TEST(Setting, FormatIsTheSectionInTableOrder) {
  std::string text = FormatSetting(TSetting());
  EXPECT_EQ(text.rfind("[vorpa]\r\nINetID=\r\nMojiPath=\r\n", 0), 0u);
  size_t getCycle = text.find("IPatGetCycle=30\r\n");
  size_t firstBefore = text.find("IPatGetBefore011=0\r\n");
  size_t lastBefore = text.find("IPatGetBefore123=0\r\n");
  size_t firstTime = text.find("IPatGetTime011=00:00:00\r\n");
  size_t priority = text.find("IPatPriority=3\r\n");
  ASSERT_NE(priority, std::string::npos);
  EXPECT_LT(getCycle, firstBefore);
  EXPECT_LT(lastBefore, firstTime);
  EXPECT_LT(firstTime, priority);
}

TEST(Setting, UnwritableFileFailsAndKeepsTheOldOne) {
  if (geteuid() == 0) {
    // Root writes anywhere; a missing directory still cannot be written.
    EXPECT_FALSE(SaveSetting("/nonexistent-dir-for-vorpa/", TSetting()));
    return;
  }
  TempDir dir;
  WriteFileBytes(dir.File("Vorpa.Ini"), "[vorpa]\r\nBuyTotal=700\r\n");
  chmod(dir.Path().c_str(), 0555);
  EXPECT_FALSE(SaveSetting(dir.Path(), TSetting()));
  chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(LoadSetting(dir.Path()).BuyTotal, 700);
}

TEST(Remark, ParsesLinesAndColours) {
  TRemarkables r;
  r.Parse("# comment\r\n'x\r\n/y\r\n;z\r\n\r\nname,ff,zz\r\nname2,,ff0000\r\n,00FF00,000000\r\n"
          "ABC,FFFFFF,800000\nAB,123456\n");
  // Empty fields are skipped, so a line starting with a comma takes its
  // first colour as the name.
  ASSERT_EQ(r.Items.size(), 5u);
  EXPECT_EQ(r.Items[0].Name, "name");
  EXPECT_EQ(r.Items[0].TextColor, 0x0000FFu);
  EXPECT_EQ(r.Items[0].BackColor, 0u);
  EXPECT_EQ(r.Items[1].TextColor, 0xFF0000u);
  EXPECT_EQ(r.Items[1].BackColor, 0u);
  EXPECT_EQ(r.Items[2].Name, "00FF00");
  EXPECT_EQ(r.Items[3].BackColor, 0x800000u);
  EXPECT_EQ(r.Items[4].TextColor, 0x123456u);
  EXPECT_EQ(r.Items[4].BackColor, 0u);
}

TEST(Remark, FindTakesTheFirstPrefixInListOrder) {
  TRemarkables r;
  r.Parse("ABC,FFFFFF,000000\nAB,000000,FFFFFF\n");
  ASSERT_NE(r.Find("ABCD"), nullptr);
  EXPECT_EQ(r.Find("ABCD")->Name, "ABC");
  EXPECT_EQ(r.Find("ABX")->Name, "AB");
  EXPECT_EQ(r.Find("A"), nullptr);
}

TEST(Remark, SaveLoadAndMissingFile) {
  TempDir dir;
  TRemarkables r;
  r.Items.push_back({Utf8ToCp932("浅沼葵丞"), 0x1FFFFFF, 0x800000});
  r.Items.push_back({"X", 0, 0xABCDEF});
  ASSERT_TRUE(r.Save(dir.Path()));
  EXPECT_EQ(ReadFileBytes(dir.File("VorpaRemark.txt")),
            Utf8ToCp932("浅沼葵丞") + ",FFFFFF,800000\r\nX,000000,ABCDEF\r\n");
  TRemarkables back;
  back.Load(dir.Path());
  ASSERT_EQ(back.Items.size(), 2u);
  EXPECT_EQ(back.Items[1].BackColor, 0xABCDEFu);
  TempDir empty;
  back.Load(empty.Path());
  EXPECT_EQ(back.Items.size(), 2u);  // a missing file keeps the list
}

TEST(FileLock, WholeFileWritesAndLines) {
  TempDir dir;
  std::string path = dir.File("a.txt");
  ASSERT_TRUE(LockedWriteLines(path, {"one", "", "three"}));
  EXPECT_EQ(ReadFileBytes(path), "one\r\n\r\nthree\r\n");
  std::vector<std::string> lines;
  WriteFileBytes(path, "a\r\nb\nc\rd");
  ASSERT_TRUE(LockedReadLines(path, &lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_TRUE(LockedDeleteFile(path));
  EXPECT_FALSE(LockedDeleteFile(path));
  EXPECT_FALSE(LockedReadLines(path, &lines));
  EXPECT_FALSE(LockedWriteFile(dir.File("missing/dir/x"), "x"));
  // No temporary file is left behind.
  ASSERT_TRUE(LockedWriteFile(path, "x"));
  int files = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace vorpa

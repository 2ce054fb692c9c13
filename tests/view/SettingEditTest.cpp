// The settings dialog's checks, storing and saving, without a window.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Remark.h"
#include "support/TempDir.h"
#include "view/SettingEdit.h"

namespace vorpa {
namespace {

std::string Error(const TSettingControls& c) { return Cp932ToUtf8(SettingControlsError(c)); }

TEST(SettingControlsError, EqualOutputDirectoriesInOrderThenCheckInterval) {
  TSettingControls c = ControlsFromSetting(TSetting());
  EXPECT_EQ(Error(c), "");  // all three empty: accepted
  c.JRA95Path = c.JRA98Path = c.JRAV50Path = "/out/pat";
  c.IPatChkCycle = "0";
  EXPECT_EQ(Error(c), "PAT95とPAT98のディレクトリは別にしてください。");
  c.JRA98Path = "/out/pat98";
  EXPECT_EQ(Error(c), "PAT95とPATV50のディレクトリは別にしてください。");
  c.JRA95Path = "/out/PAT";  // exact, case-sensitive comparison
  c.JRA98Path = "/out/pat";
  EXPECT_EQ(Error(c), "PAT98とPATV50のディレクトリは別にしてください。");
  c.JRAV50Path = "/out/pat/";  // no normalisation either
  const char* interval = "IPAT取得タイミングのチェック間隔は1分～59分にしてください。";
  for (const char* bad : {"0", "", "60", "x", "-1"}) {
    c.IPatChkCycle = bad;
    EXPECT_EQ(Error(c), interval) << bad;
  }
  for (const char* good : {"1", "59"}) {
    c.IPatChkCycle = good;
    EXPECT_EQ(Error(c), "") << good;
  }
}

TEST(StoreSettingControls, EveryControlStoredWithLimitsAndKeepsTheRest) {
  TSetting s;
  s.IPatHost = "example.test:81";
  TSettingControls c = ControlsFromSetting(s);
  EXPECT_EQ(c.MaxOddsCnt, "15");
  EXPECT_EQ(c.IPatStartTime, EncodeTime(9, 18, 0));
  c.INetID = "AB12CD34";
  c.MojiPath = "/data/オッズ";
  c.OddsOutLastTime = "75";
  c.MaxOddsCnt = "";
  c.IPatGetCycle = "12";
  c.BuyTotal = "2500";
  c.Priority = 6;
  c.DispUmaOrder = 3;
  c.IPatStartTime = 45000.5;  // a picker's date part is dropped
  c.GetBefore[11][2] = true;
  c.GetTime[11][2] = EncodeTime(0, 10, 0);
  StoreSettingControls(c, s);
  EXPECT_EQ(s.INetID, "AB12CD34");
  EXPECT_EQ(s.MojiPath, "/data/オッズ");
  EXPECT_EQ(s.OddsOutLastTime, 59);
  EXPECT_EQ(s.MaxOddsCnt, 0);
  EXPECT_EQ(s.IPatGetCycle, 12);
  EXPECT_EQ(s.BuyTotal, 2500);
  EXPECT_EQ(s.IPatPriority, 6);
  EXPECT_EQ(s.DispUmaOrder, 3);
  EXPECT_DOUBLE_EQ(s.IPatStartTime, 0.5);
  EXPECT_TRUE(s.IPatGetBefore[11][2]);
  EXPECT_EQ(TimeToText(s.IPatGetTime[11][2]), "00:10:00");
  EXPECT_EQ(s.IPatHost, "example.test:81");
  // "クリア" then storing clears every pair.
  ClearGetTimes(c);
  StoreSettingControls(c, s);
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      EXPECT_FALSE(s.IPatGetBefore[r][k]);
      EXPECT_EQ(s.IPatGetTime[r][k], 0);
    }
  EXPECT_EQ(PriorityName(0), "Idle");
  EXPECT_EQ(PriorityName(3), "Normal");
  EXPECT_EQ(PriorityName(6), "TimeCritical");
}

TEST(SaveSettingFiles, WritesBothAndNamesEachFileThatCannotBeWritten) {
  test::TempDir dir;
  TSetting s;
  s.BuyTotal = 700;
  TRemarkables r;
  r.Items.push_back({Utf8ToCp932("アオゾラ"), 0x0000FF, 0xFFFFFF});
  EXPECT_EQ(SaveSettingFiles(dir.Path(), s, r), "");
  EXPECT_EQ(LoadSetting(dir.Path()).BuyTotal, 700);
  EXPECT_EQ(test::ReadFileBytes(dir.File("VorpaRemark.txt")), Utf8ToCp932("アオゾラ,0000FF,FFFFFF\r\n"));

  // A directory in the place of each file: neither can be replaced, both
  // are named, and nothing else is touched.
  test::TempDir blocked;
  std::filesystem::create_directory(blocked.File("Vorpa.Ini"));
  std::filesystem::create_directory(blocked.File("VorpaRemark.txt"));
  const std::string message = Cp932ToUtf8(SaveSettingFiles(blocked.Path(), s, r));
  EXPECT_NE(message.find(blocked.File("Vorpa.Ini") + " に書き込めませんでした。"), std::string::npos);
  EXPECT_NE(message.find(blocked.File("VorpaRemark.txt") + " に書き込めませんでした。"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(blocked.File("Vorpa.Ini")));
}

}  // namespace
}  // namespace vorpa

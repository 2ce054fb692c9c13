// The main window's placement in section "WindowInfo" of the settings file.
#include "view/WindowInfo.h"

#include <gtest/gtest.h>

#include "core/IniFile.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

TEST(WindowInfo, MissingKeysGiveTheStartValues) {
  TWindowInfo w = LoadWindowInfo(TIniFile::Parse("[vorpa]\r\nWinLeft=7\r\n"), 995, 709);
  EXPECT_EQ(w.WinWidth, 995);
  EXPECT_EQ(w.WinHeight, 709);
  EXPECT_EQ(w.WinLeft, 1);
  EXPECT_EQ(w.WinTop, 1);
  EXPECT_EQ(w.WinState, kWinNormal);
  EXPECT_TRUE(PlacementApplies(w));
}

TEST(WindowInfo, StoredKeysReplaceStartValuesAndBadNumbersKeepThem) {
  TIniFile ini = TIniFile::Parse(
      "[WindowInfo]\r\nWinWidth=800\r\nWinHeight=abc\r\nWinLeft=-20\r\nWinTop=30\r\nWinState=2\r\n");
  TWindowInfo w = LoadWindowInfo(ini, 995, 709);
  EXPECT_EQ(w.WinWidth, 800);
  EXPECT_EQ(w.WinHeight, 709);
  EXPECT_EQ(w.WinLeft, -20);
  EXPECT_EQ(w.WinTop, 30);
  EXPECT_EQ(StateToApply(w), kWinMaximized);
}

TEST(WindowInfo, AZeroInWidthHeightLeftOrTopIsIgnoredAsAWhole) {
  TWindowInfo w{800, 600, 10, 20, kWinNormal};
  EXPECT_TRUE(PlacementApplies(w));
  for (int* field : {&w.WinWidth, &w.WinHeight, &w.WinLeft, &w.WinTop}) {
    int kept = *field;
    *field = 0;
    EXPECT_FALSE(PlacementApplies(w));
    *field = kept;
  }
  w.WinState = 0;  // a zero state is the normal state, not a missing value
  EXPECT_TRUE(PlacementApplies(w));
}

TEST(WindowInfo, UnknownStatesShowNormal) {
  TWindowInfo w;
  for (int s : {-1, 3, 99}) {
    w.WinState = s;
    EXPECT_EQ(StateToApply(w), kWinNormal) << s;
  }
  w.WinState = 1;
  EXPECT_EQ(StateToApply(w), kWinMinimized);
}

TEST(WindowInfo, SavingKeepsTheSettingsAndWritesTheKeysInOrder) {
  test::TempDir dir;
  std::string path = dir.File("Vorpa.Ini");
  test::WriteFileBytes(path, "[vorpa]\r\nINetID=AB12\r\nMaxOddsCnt=20\r\n"
                             "[WindowInfo]\r\nWinState=2\r\n");
  ASSERT_TRUE(SaveWindowInfo(path, {640, 480, 5, 6, kWinMinimized}));
  EXPECT_EQ(test::ReadFileBytes(path),
            "[vorpa]\r\nINetID=AB12\r\nMaxOddsCnt=20\r\n\r\n"
            "[WindowInfo]\r\nWinWidth=640\r\nWinHeight=480\r\nWinLeft=5\r\nWinTop=6\r\nWinState=1\r\n");
}

TEST(WindowInfo, SavingCreatesAMissingFileThatReadsBack) {
  test::TempDir dir;
  std::string path = dir.File("Vorpa.Ini");
  ASSERT_TRUE(SaveWindowInfo(path, {640, 480, 5, 6, kWinMaximized}));
  TWindowInfo w = LoadWindowInfo(TIniFile::Load(path), 1, 1);
  EXPECT_EQ(w.WinWidth, 640);
  EXPECT_EQ(w.WinHeight, 480);
  EXPECT_EQ(w.WinLeft, 5);
  EXPECT_EQ(w.WinTop, 6);
  EXPECT_EQ(w.WinState, kWinMaximized);
}

TEST(WindowInfo, AnUnwritableDirectoryFails) {
  EXPECT_FALSE(SaveWindowInfo("/nonexistent-dir/Vorpa.Ini", {640, 480, 5, 6, 0}));
}

}  // namespace
}  // namespace vorpa

// The main window's placement in section "WindowInfo" of the settings file.
#include "view/WindowInfo.h"

#include <gtest/gtest.h>

#include "core/IniFile.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

const std::vector<TFrameRect> kScreens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};

// The first start: no stored place, so the window manager places the window.
TEST(WindowInfo, MissingKeysGiveTheStartValuesAndNoPlace) {
  TWindowInfo w = LoadWindowInfo(TIniFile::Parse("[vorpa]\r\nWinLeft=7\r\n"), 995, 709);
  EXPECT_EQ(w.WinWidth, 995);
  EXPECT_EQ(w.WinHeight, 709);
  EXPECT_EQ(w.WinLeft, 1);
  EXPECT_EQ(w.WinTop, 1);
  EXPECT_EQ(w.WinState, kWinNormal);
  EXPECT_EQ(w.Zoom, 100);
  EXPECT_FALSE(w.Placed);
  EXPECT_FALSE(PlacementApplies(w, kScreens));
}

TEST(WindowInfo, StoredKeysReplaceStartValuesAndBadNumbersKeepThem) {
  TIniFile ini = TIniFile::Parse(
      "[WindowInfo]\r\nWinWidth=800\r\nWinHeight=abc\r\nWinLeft=-20\r\nWinTop=30\r\nWinState=2\r\n"
      "Zoom=400\r\n");
  TWindowInfo w = LoadWindowInfo(ini, 995, 709);
  EXPECT_EQ(w.WinWidth, 800);
  EXPECT_EQ(w.WinHeight, 709);
  EXPECT_EQ(w.WinLeft, -20);
  EXPECT_EQ(w.WinTop, 30);
  EXPECT_TRUE(w.Placed);
  EXPECT_EQ(StateToApply(w), kWinMaximized);
  EXPECT_EQ(w.Zoom, 250);
  EXPECT_EQ(LoadWindowInfo(TIniFile::Parse("[WindowInfo]\r\nZoom=0\r\n"), 1, 1).Zoom, 0);  // fit
  EXPECT_EQ(LoadWindowInfo(TIniFile::Parse("[WindowInfo]\r\nZoom=-5\r\n"), 1, 1).Zoom, 100);
}

// A window at the screen's left or top edge keeps its place; only a zero
// size or a place on no screen (a monitor unplugged) is ignored.
TEST(WindowInfo, EdgesAtZeroApplyZeroSizesAndPlacesOffEveryScreenDoNot) {
  TWindowInfo w{800, 600, 0, 0, kWinNormal};
  w.Placed = true;
  EXPECT_TRUE(PlacementApplies(w, kScreens));
  w.WinLeft = 1920 + 1000;  // on the second screen
  EXPECT_TRUE(PlacementApplies(w, kScreens));
  w.WinLeft = 1920 + 1280;  // right of both
  EXPECT_FALSE(PlacementApplies(w, kScreens));
  w.WinLeft = -800;  // its right edge touches the first screen's left one
  EXPECT_FALSE(PlacementApplies(w, kScreens));
  w.WinLeft = -799;
  EXPECT_TRUE(PlacementApplies(w, kScreens));
  w.WinTop = 1080;  // below the first screen, and the second ends at 1024
  EXPECT_FALSE(PlacementApplies(w, kScreens));
  w.WinTop = 0;
  for (int* field : {&w.WinWidth, &w.WinHeight}) {
    const int kept = *field;
    *field = 0;
    EXPECT_FALSE(PlacementApplies(w, kScreens));
    *field = kept;
  }
  EXPECT_TRUE(PlacementApplies(w, kScreens));
  EXPECT_FALSE(PlacementApplies(w, {}));
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
            "[WindowInfo]\r\nWinWidth=640\r\nWinHeight=480\r\nWinLeft=5\r\nWinTop=6\r\nWinState=1\r\n"
            "Zoom=100\r\n");
}

TEST(WindowInfo, SavingCreatesAMissingFileThatReadsBack) {
  test::TempDir dir;
  std::string path = dir.File("Vorpa.Ini");
  ASSERT_TRUE(SaveWindowInfo(path, {640, 480, 5, 6, kWinMaximized, 0}));
  TWindowInfo w = LoadWindowInfo(TIniFile::Load(path), 1, 1);
  EXPECT_EQ(w.Zoom, 0);
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

// The colour rules of the grids: odds colours, striping, frame and remark
// colours of the race card.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "view/Colors.h"

namespace vorpa {
namespace {

TEST(OddsColor, ThresholdsAndSwitch) {
  TSetting s;
  s.OddsColored = true;
  EXPECT_EQ(OddsColor(100, s), Rgb(0, 0x80, 0));
  EXPECT_EQ(OddsColor(999.9, s), Rgb(0, 0x80, 0));
  EXPECT_EQ(OddsColor(99.9, s), Rgb(0, 0, 0xFF));
  EXPECT_EQ(OddsColor(10, s), Rgb(0, 0, 0xFF));
  EXPECT_EQ(OddsColor(9.9, s), Rgb(0xFF, 0, 0));
  EXPECT_EQ(OddsColor(0.1, s), Rgb(0xFF, 0, 0));
  EXPECT_EQ(OddsColor(0, s), kClBlack);
  EXPECT_EQ(OddsColor(-1, s), kClBlack);
  s.OddsColored = false;
  EXPECT_EQ(OddsColor(5, s), kClBlack);
  EXPECT_EQ(OddsColor(150, s), kClBlack);
}

TEST(OddsColor, OfCellTexts) {
  TSetting s;
  EXPECT_EQ(OddsTextColor("   3.4", s), kClRed);
  EXPECT_EQ(OddsTextColor("  12.3", s), kClBlue);
  EXPECT_EQ(OddsTextColor("   123", s), kClGreen);
  EXPECT_EQ(OddsTextColor("", s), kClBlack);
  EXPECT_EQ(OddsTextColor("abc", s), kClBlack);
}

TEST(RowColor, EvenRowsGreyWhenStriped) {
  TSetting s;
  s.GridStriped = true;
  EXPECT_EQ(RowColor(1, s), kClWindow);
  EXPECT_EQ(RowColor(2, s), Rgb(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(RowColor(3, s), kClWindow);
  EXPECT_EQ(RowColor(18, s), kClStripe);
  s.GridStriped = false;
  EXPECT_EQ(RowColor(2, s), kClWindow);
}

TEST(FrameCellColors, FrameColoursIgnoreStripingExceptFrameOne) {
  TSetting s;
  s.GridStriped = true;
  const TColor back[9] = {0, 0, kClBlack, kClRed, kClBlue, Rgb(0xFF, 0xFF, 0),
                          Rgb(0, 0x9A, 0), Rgb(0xFF, 0x9A, 0), Rgb(0xFF, 0x9A, 0xCE)};
  for (int frame = 2; frame <= 8; ++frame) {
    std::string text = " " + std::to_string(frame);
    EXPECT_EQ(FrameCellColors(text, 2, s).Back, back[frame]) << frame;
    EXPECT_EQ(FrameCellColors(text, 3, s).Back, back[frame]) << frame;
  }
  EXPECT_EQ(FrameCellColors(" 1", 2, s).Back, kClStripe);
  EXPECT_EQ(FrameCellColors(" 1", 3, s).Back, kClWindow);
  EXPECT_EQ(FrameCellColors("", 2, s).Back, kClStripe);
  EXPECT_EQ(FrameCellColors(" 9", 1, s).Back, kClWindow);
  // Dark frames carry white text, the light ones the window text colour.
  for (int frame : {1, 5, 7, 8})
    EXPECT_EQ(FrameCellColors(" " + std::to_string(frame), 1, s).Text, kClWindowText);
  for (int frame : {2, 3, 4, 6})
    EXPECT_EQ(FrameCellColors(" " + std::to_string(frame), 1, s).Text, kClWhite);
}

TEST(RemarkCellColors, FirstPrefixEntryWins) {
  TSetting s;
  s.GridStriped = true;
  TRemarkables remarks;
  remarks.Parse(Utf8ToCp932("コノハ,FFFFFF,800000\r\nコノハカリヨ,0000FF,00FF00\r\n"));
  TCellColors c = RemarkCellColors(Utf8ToCp932("コノハカリヨン"), 1, s, remarks);
  EXPECT_EQ(c.Back, 0x800000u);
  EXPECT_EQ(c.Text, 0xFFFFFFu);
  // The common beginning colours every name that starts with it.
  EXPECT_EQ(RemarkCellColors(Utf8ToCp932("コノハスピカ"), 2, s, remarks).Back, 0x800000u);
  TCellColors none = RemarkCellColors(Utf8ToCp932("ミナモワルツ"), 2, s, remarks);
  EXPECT_EQ(none.Back, kClStripe);
  EXPECT_EQ(none.Text, kClWindowText);
  EXPECT_EQ(RemarkCellColors(Utf8ToCp932("ミナモワルツ"), 3, s, remarks).Back, kClWindow);
}

}  // namespace
}  // namespace vorpa

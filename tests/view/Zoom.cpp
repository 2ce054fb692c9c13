// Zoom of the main window: levels, where the controls go, and the fit.
#include "view/Zoom.h"

#include <gtest/gtest.h>

#include <numeric>

#include "view/RaceCard.h"

namespace vorpa {
namespace {

TEST(Zoom, StepsThroughTheLevelsAndStaysAtTheEnds) {
  std::vector<int> up = {100};
  while (up.back() < kZoomMax) up.push_back(StepZoom(up.back(), 1));
  EXPECT_EQ(up, (std::vector<int>{100, 110, 125, 150, 175, 200, 225, 250}));
  EXPECT_EQ(StepZoom(250, 1), 250);
  EXPECT_EQ(StepZoom(100, -1), 100);
  EXPECT_EQ(StepZoom(150, -1), 125);
  EXPECT_EQ(StepZoom(143, 1), 150);  // a fitted zoom between two levels
  EXPECT_EQ(StepZoom(143, -1), 125);
  EXPECT_EQ(ClampZoom(99), 100);
  EXPECT_EQ(ClampZoom(kZoomFit), kZoomFit);
  EXPECT_EQ(ClampZoom(251), 250);
}

TEST(Zoom, AtTheDesignZoomTheWindowGrowsAsBefore) {
  for (int dx : {-10, 0, 1, 333, 605})
    for (int dy : {-10, 0, 1, 2, 291, 500})
      for (const TFrameControl& c : MainFrameControls())
        ASSERT_EQ(ZoomedMainRect(c, dx, dy, 100), GrownRect(c, dx, dy)) << c.Name << dx << "," << dy;
}

TFrameRect At(const char* name, int dx, int dy, int zoom) {
  return ZoomedMainRect(MainFrameControl(name), dx, dy, zoom);
}

// At every zoom and size: the lists, the card and the tabs side by side
// without overlap, the card above the tabs with their 5-pixel gap, the log
// list and the lamp under the lists, all ending where the design ends.
TEST(Zoom, ControlsNeitherOverlapNorLeaveTheWindow) {
  for (int zoom = 100; zoom <= 250; zoom += 5)
    for (int dx : {0, 300, 605, 1500})
      for (int dy : {0, 100, 291, 900}) {
        const TFrameRect race = At("sgRace", dx, dy, zoom), time = At("sgOddsTime", dx, dy, zoom);
        const TFrameRect card = At("sgSyutuba", dx, dy, zoom), tabs = At("PageControl1", dx, dy, zoom);
        const TFrameRect log = At("lstLog", dx, dy, zoom), lamp = At("pnlRecv", dx, dy, zoom);
        SCOPED_TRACE(testing::Message() << zoom << " " << dx << "x" << dy);
        ASSERT_LT(race.Left + race.Width, time.Left);
        ASSERT_LT(time.Left + time.Width, card.Left);
        ASSERT_EQ(card.Left, tabs.Left);
        ASSERT_EQ(tabs.Top - (card.Top + card.Height), 5);
        ASSERT_EQ(tabs.Top + tabs.Height, 657 + dy);
        ASSERT_EQ(log.Top + log.Height, 656 + dy);
        ASSERT_LT(race.Top + race.Height, log.Top);
        ASSERT_LT(log.Left + log.Width, lamp.Left);
        ASSERT_LT(lamp.Left + lamp.Width, card.Left);
        ASSERT_GE(card.Height, 289);
        ASSERT_GE(tabs.Height, 327);
        if (card.Width > 200) ASSERT_EQ(tabs.Left + tabs.Width, 981 + dx);
      }
}

int CardCellsWidth(int zoom) {
  const auto& w = CardColumnWidths();
  return std::accumulate(w.begin(), w.end(), 2, [zoom](int s, int c) { return s + Zoomed(c, zoom); });
}

// The window of 1600 x 1000 fits a zoom well above 100 and below the
// largest; the card then holds all its zoomed columns and rows, and one
// percent more would not fit; larger windows fit more.
TEST(Zoom, FitIsTheLargestZoomAtWhichCardAndMatricesFit) {
  constexpr int chromeW = 4, chromeH = 30;
  EXPECT_EQ(FitZoom(0, 0, chromeW, chromeH), 100);
  const int fit = FitZoom(1600 - kDesignWidth, 1000 - kDesignHeight, chromeW, chromeH);
  EXPECT_GT(fit, 130);
  EXPECT_LT(fit, 170);
  const TFrameRect card = At("sgSyutuba", 605, 291, fit);
  EXPECT_GE(card.Width, CardCellsWidth(fit));
  const int rows = Zoomed(kGridRowHeight, fit);
  EXPECT_GE(card.Height, 2 + rows + 4 + 18 * rows);
  EXPECT_LT(card.Height, 2 + rows + 4 + 19 * rows);  // the card has no room to spare
  const TFrameRect tabs = At("PageControl1", 605, 291, fit + 1);
  const TOddsTabRects page = OddsTabRects(tabs.Width - chromeW, tabs.Height - chromeH, false, fit + 1);
  const int rows1 = Zoomed(kGridRowHeight, fit + 1);
  // The exacta's header has two lines.
  EXPECT_TRUE(page.Matrix.Height < 2 + 2 * rows1 + 4 + 18 * rows1 ||
              At("sgSyutuba", 605, 291, fit + 1).Height < 2 + rows1 + 4 + 18 * rows1 ||
              page.Sorted.Left + page.Sorted.Width > tabs.Width - chromeW - 4);
  int last = 100;
  for (int w = 995; w <= 3000; w += 250) {
    const int z = FitZoom(w - kDesignWidth, w * 10 / 16 - kDesignHeight, chromeW, chromeH);
    EXPECT_GE(z, last) << w;
    last = z;
  }
  EXPECT_EQ(last, kZoomMax);
}

TEST(Zoom, OddsTabsKeepTheSortedListInOnePlaceAndTheDesignAt100) {
  const TOddsTabRects frame = OddsTabRects(741, 297, true, 100);
  const TOddsTabRects horse = OddsTabRects(741, 297, false, 100);
  EXPECT_EQ(frame.Matrix, (TFrameRect{4, 4, 292, 139}));
  EXPECT_EQ(horse.Matrix, (TFrameRect{4, 4, 614, 289}));
  EXPECT_EQ(horse.Sorted, (TFrameRect{622, 4, 110, 289}));
  EXPECT_EQ(frame.Sorted, horse.Sorted);
  // Zoomed in a page too narrow, the matrix gives way to the sorted list.
  const TOddsTabRects zoomed = OddsTabRects(741, 297, false, 200);
  EXPECT_EQ(zoomed.Sorted.Width, 220);
  EXPECT_EQ(zoomed.Sorted.Left + zoomed.Sorted.Width, 741 - 4);
  EXPECT_EQ(OddsTabRects(741, 297, true, 200).Sorted, zoomed.Sorted);
}

}  // namespace
}  // namespace vorpa

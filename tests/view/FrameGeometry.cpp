// The main window's control rectangles at and beyond the design size.
#include "view/FrameGeometry.h"

#include <gtest/gtest.h>

namespace vorpa {
namespace {

TEST(FrameGeometry, DesignSizeIsTheSmallest) {
  for (const TFrameControl& c : MainFrameControls()) {
    EXPECT_EQ(GrownRect(c, 0, 0), c.Design) << c.Name;
    EXPECT_EQ(GrownRect(c, -300, -50), c.Design) << c.Name;
  }
}

// For every growth the card and the tabs keep their 5-pixel gap, the tabs
// end level with the log list's growth, and nothing leaves the window.
TEST(FrameGeometry, CardAndTabsShareTheHeightWithoutGapsOrOverlap) {
  for (int dy = 0; dy <= 400; ++dy) {
    const TFrameRect card = GrownRect(MainFrameControl("sgSyutuba"), 10, dy);
    const TFrameRect tabs = GrownRect(MainFrameControl("PageControl1"), 10, dy);
    const TFrameRect log = GrownRect(MainFrameControl("lstLog"), 10, dy);
    ASSERT_EQ(tabs.Top - (card.Top + card.Height), 5) << dy;
    ASSERT_EQ(tabs.Top + tabs.Height, 657 + dy) << dy;
    ASSERT_EQ(log.Top, 601 + dy) << dy;
    for (const TFrameControl& c : MainFrameControls()) {
      const TFrameRect r = GrownRect(c, 10, dy);
      ASSERT_LE(r.Left + r.Width, kDesignWidth + 10) << c.Name;
    }
  }
}

TEST(FrameGeometry, GrownRowHeight) {
  EXPECT_EQ(GrownRowHeight(14, 289, 289), 14);
  EXPECT_EQ(GrownRowHeight(14, 289, 200), 14);
  EXPECT_EQ(GrownRowHeight(14, 289, 578), 28);
  EXPECT_EQ(GrownRowHeight(14, 289, 386), 18);
  EXPECT_EQ(GrownRowHeight(14, 0, 386), 14);
}

}  // namespace
}  // namespace vorpa

// The chart tabs' controls at their design places and in a grown page.
#include "view/ChartFrames.h"

#include <gtest/gtest.h>

namespace vorpa {
namespace {

TEST(ChartFrames, ChartsKeepTheirGapsAndFillAGrownPage) {
  for (const auto* controls : {&GraphFrameControls(), &Graph2FrameControls()}) {
    std::vector<TFrameRect> design, grown;
    for (const TFrameControl& c : *controls) {
      if (std::string(c.Name).rfind("cht", 0) != 0) continue;
      design.push_back(GrownRect(c, 0, 0));
      grown.push_back(GrownRect(c, 280, 140));
    }
    // Charts side by side stay side by side with their design gap, and
    // the last one ends 280 pixels further right (each share rounded on
    // its own: a pixel either way).
    int right = 0;
    for (size_t i = 0; i + 1 < grown.size(); ++i) {
      if (grown[i + 1].Top != grown[i].Top) continue;
      EXPECT_NEAR(grown[i + 1].Left - (grown[i].Left + grown[i].Width),
                  design[i + 1].Left - (design[i].Left + design[i].Width), 1);
      right = std::max(right, grown[i + 1].Left + grown[i + 1].Width);
    }
    EXPECT_NEAR(right, 731 + 280, 1);
    // The bottom row ends 140 pixels lower.
    int bottom = 0, designBottom = 0;
    for (size_t i = 0; i < grown.size(); ++i) {
      bottom = std::max(bottom, grown[i].Top + grown[i].Height);
      designBottom = std::max(designBottom, design[i].Top + design[i].Height);
    }
    EXPECT_EQ(bottom, designBottom + 140);
  }
  EXPECT_EQ(GraphFrameControls()[3].Design, (TFrameRect{593, 4, 138, 142}));  // chtSoukan
  EXPECT_EQ(Graph2FrameControls().back().Design, (TFrameRect{9, 278, 38, 17}));  // chkSuii18
}

}  // namespace
}  // namespace vorpa

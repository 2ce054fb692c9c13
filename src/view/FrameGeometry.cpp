#include "view/FrameGeometry.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vorpa {
namespace {

int Share(double share, int extra) { return static_cast<int>(std::lround(share * extra)); }

// The card's share of the extra height; the tabs get the rest.
constexpr double kCardShare = 1.0 / 3;

}  // namespace

TFrameRect GrownRect(const TFrameControl& control, int extraWidth, int extraHeight) {
  const int dx = std::max(0, extraWidth), dy = std::max(0, extraHeight);
  const TFrameRect& d = control.Design;
  const TFrameGrowth& g = control.Grow;
  return {d.Left + Share(g.Left, dx), d.Top + Share(g.Top, dy), d.Width + Share(g.Width, dx),
          d.Height + Share(g.Height, dy)};
}

const std::vector<TFrameControl>& MainFrameControls() {
  static const std::vector<TFrameControl> controls = {
      {"Panel1", {0, 0, kDesignWidth, 34}, {0, 0, 1, 0}},
      {"sgRace", {3, 36, 168, 559}, {0, 0, 0, 1}},
      {"sgOddsTime", {175, 36, 56, 559}, {0, 0, 0, 1}},
      {"sgSyutuba", {236, 36, 741, 289}, {0, 0, 1, kCardShare}},
      {"PageControl1",
       {236, 330, kTabsDesignWidth, kTabsDesignHeight},
       {0, kCardShare, 1, 1 - kCardShare}},
      {"lstLog", {3, 601, 205, 55}, {0, 1, 0, 0}},
      {"pnlRecv", {214, 601, 14, 14}, {0, 1, 0, 0}},
  };
  return controls;
}

const TFrameControl& MainFrameControl(const char* name) {
  const std::vector<TFrameControl>& controls = MainFrameControls();
  return *std::find_if(controls.begin(), controls.end(),
                       [name](const TFrameControl& c) { return std::string_view(c.Name) == name; });
}

int GrownRowHeight(int designRowHeight, int designHeight, int height) {
  if (designHeight <= 0 || height <= designHeight) return designRowHeight;
  return designRowHeight * height / designHeight;
}

}  // namespace vorpa

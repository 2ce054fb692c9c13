#include "view/ChartFrames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "view/Zoom.h"

namespace vorpa {
namespace {

// Shares of a chart row whose charts are `width` wide and start at
// `before` pixels of design width after the first, out of `total`.
TFrameGrowth Column(double before, double width, double total, double top, double height) {
  return {before / total, top, width / total, height};
}

// The design rectangle grown by its shares of `extraWidth` x `extraHeight`,
// which may be less than none.
TFrameRect Shared(const TFrameControl& c, int extraWidth, int extraHeight) {
  auto share = [](double part, int extra) { return static_cast<int>(std::lround(part * extra)); };
  const TFrameRect& d = c.Design;
  return {d.Left + share(c.Grow.Left, extraWidth), d.Top + share(c.Grow.Top, extraHeight),
          std::max(0, d.Width + share(c.Grow.Width, extraWidth)),
          std::max(0, d.Height + share(c.Grow.Height, extraHeight))};
}

constexpr int kBoxes = 18;
// "グラフ2" at the design size: the check box column, the buttons' bottom,
// the charts' right edge and the gap between two charts.
constexpr int kBoxLeft = 9, kBoxTop = 6, kBoxWidth = 38, kBoxHeight = 17;
constexpr int kButtonBottom = 268 + 25, kChartsRight = 300 + 7 + 209 + 7 + 209, kChartGap = 7;
constexpr double kChartWidths[] = {252, 209, 209};
constexpr const char* kCharts[] = {"chtTanSuii2", "chtFukuSuii2", "chtRenSuii2"};

TFrameRect ZoomedGraph2Rect(const TFrameControl& c, int extraWidth, int extraHeight, int percent) {
  auto z = [percent](int size) { return Zoomed(size, percent); };
  const int buttonTop = kButtonBottom + extraHeight - z(25);
  if (std::strcmp(c.Name, "btnSuiiRedraw") == 0 || std::strcmp(c.Name, "btnSuiiClear") == 0)
    return {z(c.Design.Left), buttonTop, z(c.Design.Width), z(c.Design.Height)};
  // As many boxes to a column as end above the buttons; zoomed, a box
  // does not reach into the next one (the design's overlap by a pixel).
  const int pitch = z(kBoxHeight);
  const int rows = std::clamp((buttonTop - z(4) - z(kBoxTop) - z(kBoxHeight)) / pitch + 1, 1, kBoxes);
  const int columns = (kBoxes + rows - 1) / rows;
  if (std::strncmp(c.Name, "chkSuii", 7) == 0) {
    const int k = std::atoi(c.Name + 7) - 1;
    return {z(kBoxLeft) + k / rows * z(kBoxWidth), z(kBoxTop) + k % rows * pitch, z(kBoxWidth),
            z(kBoxHeight)};
  }
  const int left = z(kBoxLeft) + columns * z(kBoxWidth) + z(1);
  const double room = std::max(0, kChartsRight + extraWidth - left - 2 * kChartGap);
  const double whole = kChartWidths[0] + kChartWidths[1] + kChartWidths[2];
  int x = left;
  for (int i = 0; i < 3; ++i) {
    const int width = static_cast<int>(std::lround(room * kChartWidths[i] / whole));
    if (std::strcmp(c.Name, kCharts[i]) == 0)
      return {x, c.Design.Top, width, std::max(0, buttonTop - z(11) - c.Design.Top)};
    x += width + kChartGap;
  }
  return GrownRect(c, extraWidth, extraHeight);
}

}  // namespace

TFrameRect ZoomedChartRect(const TFrameControl& c, int extraWidth, int extraHeight, int percent) {
  if (percent <= kZoomMin) return GrownRect(c, extraWidth, extraHeight);
  const auto& graph = GraphFrameControls();
  const bool onGraph = std::any_of(graph.begin(), graph.end(),
                                   [&](const TFrameControl& g) { return std::strcmp(g.Name, c.Name) == 0; });
  return onGraph ? Shared(c, extraWidth, extraHeight) : ZoomedGraph2Rect(c, extraWidth, extraHeight, percent);
}

const std::vector<TFrameControl>& GraphFrameControls() {
  constexpr double w = 233 + 187 + 146 + 138;
  static const std::vector<TFrameControl> controls = {
      {"chtTanRate", {6, 4, 233, 142}, Column(0, 233, w, 0, 0.5)},
      {"chtTanSuii", {246, 4, 187, 142}, Column(233, 187, w, 0, 0.5)},
      {"chtTanbunpu", {440, 4, 146, 142}, Column(420, 146, w, 0, 0.5)},
      {"chtSoukan", {593, 4, 138, 142}, Column(566, 138, w, 0, 0.5)},
      {"chtRenRate", {6, 154, 233, 142}, Column(0, 233, w, 0.5, 0.5)},
      {"chtRenSuii", {246, 154, 187, 142}, Column(233, 187, w, 0.5, 0.5)},
      {"chtRenBunpu", {440, 154, 146, 142}, Column(420, 146, w, 0.5, 0.5)},
  };
  return controls;
}

const std::vector<TFrameControl>& Graph2FrameControls() {
  constexpr double w = 252 + 209 + 209;
  static const std::vector<TFrameControl> controls = [] {
    std::vector<TFrameControl> c = {
        {"chtTanSuii2", {48, 4, 252, 253}, Column(0, 252, w, 0, 1)},
        {"chtFukuSuii2", {307, 4, 209, 253}, Column(252, 209, w, 0, 1)},
        {"chtRenSuii2", {523, 4, 209, 253}, Column(461, 209, w, 0, 1)},
        {"btnSuiiRedraw", {64, 268, 46, 25}, {0, 1, 0, 0}},
        {"btnSuiiClear", {176, 268, 46, 25}, {0, 1, 0, 0}},
    };
    static const char* const kBoxes[] = {"chkSuii1",  "chkSuii2",  "chkSuii3",  "chkSuii4",  "chkSuii5",
                                         "chkSuii6",  "chkSuii7",  "chkSuii8",  "chkSuii9",  "chkSuii10",
                                         "chkSuii11", "chkSuii12", "chkSuii13", "chkSuii14", "chkSuii15",
                                         "chkSuii16", "chkSuii17", "chkSuii18"};
    // 38 wide rather than 33, so that the window font's "18" shows whole.
    for (int k = 1; k <= 18; ++k) c.push_back({kBoxes[k - 1], {9, 6 + 16 * (k - 1), 38, 17}, {}});
    return c;
  }();
  return controls;
}

}  // namespace vorpa

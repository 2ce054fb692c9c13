#include "view/ChartFrames.h"

namespace vorpa {
namespace {

// Shares of a chart row whose charts are `width` wide and start at
// `before` pixels of design width after the first, out of `total`.
TFrameGrowth Column(double before, double width, double total, double top, double height) {
  return {before / total, top, width / total, height};
}

}  // namespace

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

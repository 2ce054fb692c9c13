#pragma once
// Where the controls of the chart tabs go: their rectangles inside the tab
// page at the design size and their shares of a larger page. The charts
// of a row share the extra width in proportion to their design widths;
// "グラフ" gives each of its two rows half the extra height, "グラフ2" all
// of it to its charts, the trend check boxes keep their place and the two
// buttons keep to the bottom.
#include <vector>

#include "view/FrameGeometry.h"

namespace vorpa {

const std::vector<TFrameControl>& GraphFrameControls();   // "グラフ"
const std::vector<TFrameControl>& Graph2FrameControls();  // "グラフ2"

}  // namespace vorpa

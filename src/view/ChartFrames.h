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

// Where a control of "グラフ" or "グラフ2" goes at zoom `percent` when the
// tab control has `extraWidth` x `extraHeight` beyond its design size
// (less than none when a zoomed window leaves it narrower). At 100 it is
// GrownRect's. Above, "グラフ" keeps its shares within the smaller or
// larger page; on "グラフ2" the buttons and check boxes take their zoomed
// sizes, the buttons keep to the bottom, the boxes fill as many columns as
// the room above the buttons needs, and the charts share the width right
// of the boxes down to the buttons.
TFrameRect ZoomedChartRect(const TFrameControl& control, int extraWidth, int extraHeight, int percent);

}  // namespace vorpa

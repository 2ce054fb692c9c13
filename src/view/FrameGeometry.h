#pragma once
// Where the main window's controls go: each has its rectangle at the
// window's design size (995 x 709) and shares of the room a larger window
// has beyond it. A share of 1 in Width widens the control by all the extra
// width; a share in Left or Top moves it by that part of the extra room.
#include <vector>

namespace vorpa {

constexpr int kDesignWidth = 995;
constexpr int kDesignHeight = 709;
// The lower tab control at the design size; its pages grow as it does.
constexpr int kTabsDesignWidth = 745;
constexpr int kTabsDesignHeight = 327;

struct TFrameRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TFrameRect&) const = default;
};

struct TFrameGrowth {
  double Left = 0, Top = 0, Width = 0, Height = 0;
};

struct TFrameControl {
  const char* Name;
  TFrameRect Design;
  TFrameGrowth Grow;
};

// The control's rectangle when its window has `extraWidth` x `extraHeight`
// pixels beyond the design size (less counts as none: the design size is
// the smallest).
TFrameRect GrownRect(const TFrameControl& control, int extraWidth, int extraHeight);

// The controls of the main window's client area: the panel with the tool
// bar, the race list, the reading times, the race card, the tab control,
// the log list and the receive lamp. Extra width goes to the card and the
// tabs; extra height to the two lists, a third of it to the card and the
// rest to the tabs; the log list and the lamp keep to the bottom.
const std::vector<TFrameControl>& MainFrameControls();
// The entry of MainFrameControls with this name.
const TFrameControl& MainFrameControl(const char* name);

// Row height of a grid that is `height` pixels high and has rows of
// `designRowHeight` at its design height: the rows grow in proportion, so
// that a grid of fixed rows fills its room; never below the design.
int GrownRowHeight(int designRowHeight, int designHeight, int height);

}  // namespace vorpa

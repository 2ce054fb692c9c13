#pragma once
// Zoom of the main window's grids, lists and result texts: the levels the
// menu steps through, where the window's controls go at a zoom, and the
// largest zoom at which the race card and the odds tabs fit the window.
// Zooms are whole percents; 100 is the design size.
#include "view/FrameGeometry.h"

namespace vorpa {

// Row height of the grids at the design size.
constexpr int kGridRowHeight = 14;

constexpr int kZoomMin = 100;
constexpr int kZoomMax = 250;
// The stored zoom of "ウィンドウに合わせる" (key Zoom of "WindowInfo").
constexpr int kZoomFit = 0;

// `size` at `percent`, rounded to whole pixels.
int Zoomed(int size, int percent);
// A stored or given zoom within 100..250; kZoomFit stays.
int ClampZoom(int percent);
// The next level up (step > 0) or down from `percent` among 100, 110, 125,
// 150, 175, 200, 225, 250; a zoom between two levels goes to the nearer
// one in that direction; the ends stay.
int StepZoom(int percent, int step);

// The rectangle of the main window's control `control` (an entry of
// MainFrameControls) at zoom `percent` in a window `extraWidth` x
// `extraHeight` beyond the design size. At 100 it is GrownRect's. Above,
// the race list, the reading list and the log list widen with the zoom,
// the card and the tabs move right by as much, the log list grows upwards
// from the bottom, and the card takes the height its zoomed rows need (at
// least its third of the extra height, at most all of it), the tabs the
// rest. The smaller the window, the more the grids scroll.
TFrameRect ZoomedMainRect(const TFrameControl& control, int extraWidth, int extraHeight,
                          int percent);

// An odds tab's matrix and sorted list on a page of `width` x `height`:
// the matrix at the top left (the frame matrix at its zoomed size, a horse
// matrix as wide as its zoomed columns and as high as the page), the sorted
// list right of the horse matrix's width on every tab, as high as the page.
struct TOddsTabRects {
  TFrameRect Matrix, Sorted;
};
TOddsTabRects OddsTabRects(int width, int height, bool frameMatrix, int percent);

// The largest zoom at which the card shows all its columns and rows and
// the horse matrices their cells beside the sorted list, in a window
// `extraWidth` x `extraHeight` beyond the design size; `chromeWidth` and
// `chromeHeight` are what the tab control takes around its pages (tab bar
// and frame). 100 when even that does not fit.
int FitZoom(int extraWidth, int extraHeight, int chromeWidth, int chromeHeight);

}  // namespace vorpa

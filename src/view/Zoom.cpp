#include "view/Zoom.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <string_view>

#include "view/OddsViews.h"
#include "view/RaceCard.h"
#include "view/RaceList.h"

namespace vorpa {
namespace {

constexpr int kLevels[] = {100, 110, 125, 150, 175, 200, 225, 250};

// Design sizes: the race list, the reading list, the log list, the card
// and the horse matrix with the sorted list beside it.
constexpr int kRaceWidth = 168, kTimeWidth = 56, kLogHeight = 55;
constexpr int kCardWidth = 741, kCardHeight = 289;
constexpr int kMatrixWidth = 614, kMatrixHeight = 289, kFrameWidth = 292, kFrameHeight = 139;
constexpr int kSortedWidth = 110, kPageMargin = 4;
// A grid's frame (one pixel each side) and its header row.
constexpr int kGridFrame = 2;

// The size a grid's cells take at a zoom: the zoomed columns, or the
// header and `rows` zoomed rows, within the frame.
template <typename Widths>
int CellsWidth(const Widths& widths, int percent) {
  return std::accumulate(widths.begin(), widths.end(), kGridFrame,
                         [percent](int sum, int w) { return sum + Zoomed(w, percent); });
}
int CellsHeight(int rows, int percent) {
  const int row = Zoomed(kGridRowHeight, percent);
  return kGridFrame + row + 4 + rows * row;
}

// The room a vertical scroll bar takes.
constexpr int kScrollBarWidth = 17;

// The narrowest the card and the tabs get when a zoomed left column takes
// the room.
constexpr int kMinWidth = 200;

}  // namespace

int Zoomed(int size, int percent) { return static_cast<int>(std::lround(size * percent / 100.0)); }

int ClampZoom(int percent) {
  return percent == kZoomFit ? kZoomFit : std::clamp(percent, kZoomMin, kZoomMax);
}

int StepZoom(int percent, int step) {
  percent = std::clamp(percent, kZoomMin, kZoomMax);
  if (step > 0) {
    const int* up = std::upper_bound(std::begin(kLevels), std::end(kLevels), percent);
    return up == std::end(kLevels) ? kZoomMax : *up;
  }
  const int* down = std::lower_bound(std::begin(kLevels), std::end(kLevels), percent);
  return down == std::begin(kLevels) ? kZoomMin : *(down - 1);
}

TFrameRect ZoomedMainRect(const TFrameControl& control, int extraWidth, int extraHeight,
                          int percent) {
  if (percent <= kZoomMin) return GrownRect(control, extraWidth, extraHeight);
  const int dx = std::max(0, extraWidth), dy = std::max(0, extraHeight);
  // The zoomed race list scrolls down: room for its columns and the bar.
  const int raceWidth = std::max(Zoomed(kRaceWidth, percent),
                                 CellsWidth(kRaceListColumnWidths, percent) + kScrollBarWidth);
  const int timeWidth = Zoomed(kTimeWidth, percent);
  const int timeLeft = 3 + raceWidth + 4, right = timeLeft + timeWidth + 5;
  const int shift = right - MainFrameControl("sgSyutuba").Design.Left;
  const int logHeight = Zoomed(kLogHeight, percent), logTop = 601 + dy - (logHeight - kLogHeight);
  const int listHeight = 559 + dy - (logHeight - kLogHeight);
  const int thirdOfExtra = static_cast<int>(std::lround(dy / 3.0));
  const int cardExtra =
      std::min(dy, std::max(thirdOfExtra, CellsHeight(kMaxRunners, percent) - kCardHeight));
  const int width = std::max(kMinWidth, kCardWidth + dx - shift);
  const std::string_view name = control.Name;
  if (name == "sgRace") return {3, 36, raceWidth, listHeight};
  if (name == "sgOddsTime") return {timeLeft, 36, timeWidth, listHeight};
  if (name == "sgSyutuba") return {right, 36, width, kCardHeight + cardExtra};
  if (name == "PageControl1") {
    return {right, 330 + cardExtra, width + kTabsDesignWidth - kCardWidth,
            kTabsDesignHeight + dy - cardExtra};
  }
  if (name == "lstLog") return {3, logTop, 205 + shift, logHeight};
  if (name == "pnlRecv") return {214 + shift, logTop, 14, 14};
  return GrownRect(control, extraWidth, extraHeight);
}

TOddsTabRects OddsTabRects(int width, int height, bool frameMatrix, int percent) {
  const int m = kPageMargin;
  const int sortedWidth = Zoomed(kSortedWidth, percent);
  const int matrixWidth = std::max(0, std::min(Zoomed(kMatrixWidth, percent), width - 3 * m - sortedWidth));
  const int fullHeight = std::max(0, height - 2 * m);
  TOddsTabRects r;
  r.Sorted = {m + matrixWidth + m, m, sortedWidth, std::max(fullHeight, kMatrixHeight)};
  r.Matrix = frameMatrix ? TFrameRect{m, m, std::min(Zoomed(kFrameWidth, percent), matrixWidth),
                                      std::min(Zoomed(kFrameHeight, percent), fullHeight)}
                         : TFrameRect{m, m, matrixWidth, std::max(fullHeight, kMatrixHeight)};
  return r;
}

int FitZoom(int extraWidth, int extraHeight, int chromeWidth, int chromeHeight) {
  for (int p = kZoomMax; p > kZoomMin; --p) {
    const TFrameRect card = ZoomedMainRect(MainFrameControl("sgSyutuba"), extraWidth, extraHeight, p);
    const TFrameRect tabs = ZoomedMainRect(MainFrameControl("PageControl1"), extraWidth, extraHeight, p);
    const int pageWidth = tabs.Width - chromeWidth, pageHeight = tabs.Height - chromeHeight;
    if (card.Width >= CellsWidth(CardColumnWidths(), p) && card.Height >= CellsHeight(kMaxRunners, p) &&
        pageWidth >= 3 * kPageMargin + Zoomed(kMatrixWidth, p) + Zoomed(kSortedWidth, p) &&
        // The exacta's header has two lines: one row more.
        pageHeight >= 2 * kPageMargin + CellsHeight(kMaxRunners + 1, p))
      return p;
  }
  return kZoomMin;
}

}  // namespace vorpa

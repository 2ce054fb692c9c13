#pragma once
// The nine 24 x 24 pictures of the main window's tool bar, drawn at start.
#include <QIcon>

namespace vorpa {

enum TToolBarImage {
  kImgSelDate,       // calendar
  kImgIPat,          // acquisition: arrow into a tray
  kImgIPatDirect,    // direct acquisition: circular arrow
  kImgOutPat,        // PAT output: page with an arrow
  kImgSortNo,        // card by horse number
  kImgSortTanOdds,   // card by win odds
  kImgSortFukuOdds,  // card by place odds
  kImgSortRenOdds,   // card by quinella estimate
  kImgDelTimeData,   // delete the reading: clock with a cross
  kToolBarImageCount
};

QIcon ToolBarImage(TToolBarImage image);

}  // namespace vorpa

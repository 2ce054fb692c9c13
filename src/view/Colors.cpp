#include "view/Colors.h"

#include "core/Remark.h"
#include "core/Setting.h"
#include "core/TextUtil.h"

namespace vorpa {

TColor OddsColor(double x, const TSetting& s) {
  if (!s.OddsColored) return kClBlack;
  if (x >= 100) return kClGreen;
  if (x >= 10) return kClBlue;
  if (x > 0) return kClRed;
  return kClBlack;
}

TColor OddsTextColor(const std::string& text, const TSetting& s) {
  return OddsColor(NumberOf(Trim(text), 0), s);
}

TColor RowColor(int row, const TSetting& s) {
  return (s.GridStriped && row % 2 == 0) ? kClStripe : kClWindow;
}

TCellColors FrameCellColors(const std::string& cellText, int row, const TSetting& s) {
  static const TColor kFrameBack[9] = {
      0,          kClWindow,  kClBlack,   kClRed,
      kClBlue,    Rgb(0xFF, 0xFF, 0), Rgb(0, 0x9A, 0), Rgb(0xFF, 0x9A, 0),
      Rgb(0xFF, 0x9A, 0xCE)};
  double v = NumberOf(Trim(cellText), 0);
  int frame = (v >= 1 && v <= 8 && v == static_cast<int>(v)) ? static_cast<int>(v) : 0;
  TCellColors c;
  c.Back = (frame <= 1) ? RowColor(row, s) : kFrameBack[frame];
  bool light = frame == 1 || frame == 5 || frame == 7 || frame == 8;
  c.Text = light ? kClWindowText : kClWhite;
  return c;
}

TCellColors RemarkCellColors(const std::string& cellText, int row, const TSetting& s,
                             const TRemarkables& remarks) {
  TCellColors c;
  if (const TRemarkable* r = remarks.Find(cellText)) {
    c.Back = r->BackColor & 0xFFFFFF;
    c.Text = r->TextColor & 0xFFFFFF;
  } else {
    c.Back = RowColor(row, s);
  }
  return c;
}

}  // namespace vorpa

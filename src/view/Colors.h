#pragma once
// The colour rules every grid shares: odds colours by value, row striping,
// the frame colours of the race card and the remark colours of its names.
#include <cstdint>
#include <string>

namespace vorpa {

struct TSetting;
class TRemarkables;

// A colour in the platform order (red in the low byte, blue in the high
// byte), like the remark list's colours. Values with the top byte 0xFF are
// system colours that the window resolves from its palette.
using TColor = uint32_t;

constexpr TColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor kClWindow = 0xFF000005;      // system window background
constexpr TColor kClWindowText = 0xFF000008;  // system window text
constexpr TColor kClBtnFace = 0xFF00000F;     // system face of fixed cells
constexpr bool IsSystemColor(TColor c) { return (c >> 24) == 0xFF; }

constexpr TColor kClBlack = Rgb(0, 0, 0);
constexpr TColor kClWhite = Rgb(0xFF, 0xFF, 0xFF);
constexpr TColor kClRed = Rgb(0xFF, 0, 0);
constexpr TColor kClBlue = Rgb(0, 0, 0xFF);
constexpr TColor kClGreen = Rgb(0, 0x80, 0);
constexpr TColor kClStripe = Rgb(0xF0, 0xF0, 0xF0);

// Odds colour of a value: green from 100, blue from 10, red above 0, black
// otherwise; black for everything when OddsColored is off.
TColor OddsColor(double x, const TSetting& s);
// The same for a cell text read as a decimal number (0 when it is not one).
TColor OddsTextColor(const std::string& text, const TSetting& s);
// Light grey for even rows when GridStriped is on, else the window colour.
TColor RowColor(int row, const TSetting& s);

struct TCellColors {
  TColor Back = kClWindow;
  TColor Text = kClWindowText;
};

// Column 0 of the race card: the colour of the frame number in the cell
// text (frame 1 and anything unknown take the row colour), with window
// text on the light frames 1, 5, 7, 8 and white on the others.
TCellColors FrameCellColors(const std::string& cellText, int row, const TSetting& s);
// Horse, jockey and trainer cells: the first remark entry whose name is a
// prefix of the text gives both colours; else row colour and window text.
TCellColors RemarkCellColors(const std::string& cellText, int row, const TSetting& s,
                             const TRemarkables& remarks);

}  // namespace vorpa

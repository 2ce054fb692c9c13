#pragma once
// The design of the program's icon: a white "V" on a turf-green rounded tile.
// The window icon, the theme's PNGs and the scalable SVG are all drawn from it.
#include <string>

namespace vorpa {

struct TIconPoint {
  double X, Y;  // as fractions of the icon's side
};

struct TProgramIconShape {
  unsigned TileRgb = 0x1E7A34;        // the tile's colour
  double CornerRadius = 1.0 / 6.0;    // of the tile, as a fraction of the side
  TIconPoint V[3] = {{0.20, 0.22}, {0.50, 0.80}, {0.80, 0.22}};  // the stroke's path
  double StrokeWidth = 1.0 / 8.0;     // white, round caps and joins
};

const TProgramIconShape& ProgramIconShape();

// The icon as a standalone SVG document of `size` x `size` user units.
std::string ProgramIconSvg(int size);

}  // namespace vorpa

#include "view/ProgramIconShape.h"

#include <cstdio>

namespace vorpa {

const TProgramIconShape& ProgramIconShape() {
  static const TProgramIconShape shape;
  return shape;
}

std::string ProgramIconSvg(int size) {
  const TProgramIconShape& s = ProgramIconShape();
  const double n = size;
  char buf[1024];
  std::snprintf(buf, sizeof buf,
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n"
                "  <rect x=\"0.5\" y=\"0.5\" width=\"%g\" height=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"#%06X\"/>\n"
                "  <path d=\"M %g %g L %g %g L %g %g\" fill=\"none\" stroke=\"#FFFFFF\" stroke-width=\"%g\""
                " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
                "</svg>\n",
                size, size, size, size, n - 1, n - 1, n * s.CornerRadius, n * s.CornerRadius, s.TileRgb,
                n * s.V[0].X, n * s.V[0].Y, n * s.V[1].X, n * s.V[1].Y, n * s.V[2].X, n * s.V[2].Y,
                n * s.StrokeWidth);
  return buf;
}

}  // namespace vorpa

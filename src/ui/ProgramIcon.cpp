#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "view/ProgramIconShape.h"

namespace vorpa {

QImage VorpaIconImage(int size) {
  const TProgramIconShape& s = ProgramIconShape();
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor::fromRgb(s.TileRgb));
  p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size * s.CornerRadius, size * s.CornerRadius);
  QPainterPath v;
  v.moveTo(size * s.V[0].X, size * s.V[0].Y);
  v.lineTo(size * s.V[1].X, size * s.V[1].Y);
  v.lineTo(size * s.V[2].X, size * s.V[2].Y);
  p.setPen(QPen(Qt::white, size * s.StrokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(v);
  return image;
}

QIcon VorpaIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(VorpaIconImage(size)));
  return icon;
}

}  // namespace vorpa

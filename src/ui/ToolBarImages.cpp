#include "ui/ToolBarImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vorpa {
namespace {

constexpr int kSize = 24;

void DrawCalendar(QPainter& p) {
  p.setPen(QPen(Qt::darkGray, 1));
  p.setBrush(Qt::white);
  p.drawRect(3, 4, 18, 17);
  p.fillRect(3, 4, 18, 5, QColor(0xC0, 0x20, 0x20));
  p.setPen(Qt::black);
  for (int y = 11; y <= 18; y += 4)
    for (int x = 6; x <= 18; x += 4) p.drawPoint(x, y);
}

void DrawAcquire(QPainter& p) {
  p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(12, 2, 12, 14);
  p.drawLine(7, 9, 12, 14);
  p.drawLine(17, 9, 12, 14);
  p.setPen(QPen(Qt::darkGray, 2));
  p.drawPolyline(QPolygon({QPoint(3, 14), QPoint(3, 21), QPoint(21, 21), QPoint(21, 14)}));
}

void DrawDirect(QPainter& p) {
  p.setPen(QPen(QColor(0x20, 0x90, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(4, 4, 16, 16, 90 * 16, 270 * 16);
  p.setBrush(QColor(0x20, 0x90, 0x40));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygon({QPoint(12, 0), QPoint(18, 4), QPoint(12, 8)}));
}

void DrawOutput(QPainter& p) {
  p.setPen(QPen(Qt::darkGray, 1));
  p.setBrush(Qt::white);
  p.drawRect(3, 2, 13, 19);
  for (int y = 6; y <= 14; y += 4) p.drawLine(6, y, 13, y);
  p.setPen(QPen(QColor(0xC0, 0x60, 0x00), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(12, 17, 21, 17);
  p.drawLine(18, 14, 21, 17);
  p.drawLine(18, 20, 21, 17);
}

// A sort picture: a short column of bars under a mark.
void DrawSort(QPainter& p, const QString& mark, const QColor& color) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::gray);
  for (int i = 0; i < 3; ++i) p.drawRect(2, 4 + 6 * i, 6 + 3 * i, 3);
  QFont f("IPAGothic");
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.setPen(color);
  p.drawText(QRect(10, 2, 14, 20), Qt::AlignCenter, mark);
}

void DrawDelete(QPainter& p) {
  p.setPen(QPen(Qt::darkGray, 2));
  p.setBrush(Qt::white);
  p.drawEllipse(2, 2, 16, 16);
  p.drawLine(10, 10, 10, 5);
  p.drawLine(10, 10, 14, 10);
  p.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(14, 14, 21, 21);
  p.drawLine(21, 14, 14, 21);
}

}  // namespace

QIcon ToolBarImage(TToolBarImage image) {
  // Drawn for plain and for doubled screens, so that scaled tool bars
  // stay sharp.
  QIcon icon;
  for (int ratio : {1, 2}) {
    QPixmap pm(kSize * ratio, kSize * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
      case kImgSelDate: DrawCalendar(p); break;
      case kImgIPat: DrawAcquire(p); break;
      case kImgIPatDirect: DrawDirect(p); break;
      case kImgOutPat: DrawOutput(p); break;
      case kImgSortNo: DrawSort(p, "1", Qt::black); break;
      case kImgSortTanOdds: DrawSort(p, QString::fromUtf8("単"), QColor(0xC0, 0, 0)); break;
      case kImgSortFukuOdds: DrawSort(p, QString::fromUtf8("複"), QColor(0, 0, 0xC0)); break;
      case kImgSortRenOdds: DrawSort(p, QString::fromUtf8("連"), QColor(0, 0x80, 0)); break;
      case kImgDelTimeData: DrawDelete(p); break;
      case kToolBarImageCount: break;
    }
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace vorpa

#include "ui/DistortionLegend.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "ui/ViewToQt.h"
#include "view/DistortionView.h"

namespace vorpa {

namespace {

constexpr int kCaptionHeight = 16, kBarLeft = 6, kBarWidth = 16, kBarTop = kCaptionHeight + 6,
              kBarHeight = 66;

// The bar's y of a ratio: the high end at the top, even in log(ratio).
double BarY(double ratio) {
  const double x = std::log(ratio / kDistortionLow) / std::log(kDistortionHigh / kDistortionLow);
  return kBarTop + kBarHeight * (1 - x);
}

}  // namespace

TDistortionLegend::TDistortionLegend(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setToolTip(QString::fromUtf8(
      "市場オッズ÷理論オッズ（単勝オッズから見た公正なオッズ）。"
      "1より大きいほど、単勝から見て配当が高い組合せです。"));
}

void TDistortionLegend::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(QRect(0, 0, kWidth, kCaptionHeight), Qt::AlignLeft | Qt::AlignVCenter,
             FromCp932(DistortionLegendCaption()));
  QLinearGradient g(0, kBarTop, 0, kBarTop + kBarHeight);
  for (int i = 0; i <= 16; ++i) {
    const double t = i / 16.0;
    const double ratio = kDistortionHigh * std::pow(kDistortionLow / kDistortionHigh, t);
    g.setColorAt(t, ToQColor(DistortionColor(ratio), palette()));
  }
  const QRect bar(kBarLeft, kBarTop, kBarWidth, kBarHeight);
  p.fillRect(bar, g);
  p.drawRect(bar.adjusted(0, 0, -1, -1));
  const QFontMetrics fm(font());
  for (const TLegendMark& m : DistortionLegend()) {
    const int y = static_cast<int>(std::lround(BarY(m.Ratio)));
    p.drawLine(kBarLeft + kBarWidth, y, kBarLeft + kBarWidth + 4, y);
    p.drawText(kBarLeft + kBarWidth + 7, y + fm.ascent() / 2 - 1, FromCp932(m.Text));
  }
}

}  // namespace vorpa

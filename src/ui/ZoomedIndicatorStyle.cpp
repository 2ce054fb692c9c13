#include "ui/ZoomedIndicatorStyle.h"

#include <QApplication>

#include "view/Zoom.h"

namespace vorpa {

TZoomedIndicatorStyle::TZoomedIndicatorStyle() : QProxyStyle(QApplication::style()->name()) {}

int TZoomedIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                       const QWidget* widget) const {
  const int size = QProxyStyle::pixelMetric(metric, option, widget);
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
      return Zoomed(size, zoom_);
    default:
      return size;
  }
}

}  // namespace vorpa

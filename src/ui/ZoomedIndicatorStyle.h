#pragma once
// A style that draws check box and radio button indicators at a zoom of
// their usual size, for controls whose captions are zoomed.
#include <QProxyStyle>

namespace vorpa {

class TZoomedIndicatorStyle : public QProxyStyle {
 public:
  TZoomedIndicatorStyle();
  void SetZoom(int percent) { zoom_ = percent; }
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;

 private:
  int zoom_ = 100;
};

}  // namespace vorpa

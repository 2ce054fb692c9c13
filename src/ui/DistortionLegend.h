#pragma once
// The legend of the distortion overlay: the colour scale of the ratio
// market / fair from its low end at the bottom to its high end at the top,
// with the marks of DistortionLegend().
#include <QWidget>

namespace vorpa {

class TDistortionLegend : public QWidget {
  Q_OBJECT
 public:
  explicit TDistortionLegend(QWidget* parent = nullptr);
  static constexpr int kWidth = 110, kHeight = 100;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorpa

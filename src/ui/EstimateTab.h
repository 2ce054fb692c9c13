#pragma once
// The tab "推定": the estimated trio and trifecta odds of the most likely
// combinations of the shown reading with their probabilities, the count
// kept in the setting EstimateCount, and the quinella, exacta and wide
// combinations with the highest distortion ratio; a click on one of those
// reports its bet for the purchase calculator.
#include <QObject>

#include "view/EstimateView.h"

class QSpinBox;
class QTableWidget;
class QWidget;

namespace vorpa {

class TEstimateTab : public QObject {
  Q_OBJECT
 public:
  explicit TEstimateTab(QWidget* page);

  void Clear();
  void Fill(const TEstimateView& view);
  // The three lists at `zoom` percent of their design sizes.
  void SetZoom(int zoom);

  QTableWidget* sgSanrenpuku;  // trio
  QTableWidget* sgSanrentan;   // trifecta
  QTableWidget* sgHizumi;      // most distorted pairs
  QSpinBox* spnEstimateCount;

 signals:
  void BetClicked(const TCalcRow& bet);
  // The user changed the count; the setting holds it already.
  void CountChanged();

 private:
  void DistortedClick(int row);
  TEstimateView view_;
};

}  // namespace vorpa

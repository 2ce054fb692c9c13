#pragma once
// One odds tab ("枠連", "馬連", "馬単", "ワイド"): the matrix of all
// combinations and beside it the combinations sorted by odds. A click on a
// combination reports its bet for the purchase calculator.
#include <QObject>

#include "view/OddsViews.h"

class QTableWidget;
class QWidget;

namespace vorpa {

class TOddsTab : public QObject {
  Q_OBJECT
 public:
  // Builds the two grids into the tab page `page`.
  TOddsTab(QWidget* page, TPairKind kind);

  // Empties the matrix body and cuts the sorted list to one empty row.
  void Clear();
  // Shows a view built from a reading.
  void Fill(const TOddsView& view);
  // Repaints both grids (after the colour settings changed).
  void Repaint();

  const TPairKind Kind;
  QTableWidget* Matrix;  // sgWaku, sgBaren, sgUmatan, sgWide
  QTableWidget* Sorted;  // sgSortedWaku, ...

 signals:
  void BetClicked(const TCalcRow& bet);

 protected:
  // The horse matrix's rows grow with its height.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpMatrix();
  void SetUpSorted();
  void MatrixClick(int row, int col);
  void SortedClick(int row);
};

}  // namespace vorpa

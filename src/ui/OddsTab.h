#pragma once
// One odds tab ("枠連", "馬連", "馬単", "ワイド"): the matrix of all
// combinations and beside it the combinations sorted by odds. A click on a
// combination reports its bet for the purchase calculator.
#include <QObject>
#include <vector>

#include "view/DistortionView.h"
#include "view/OddsViews.h"

class QLabel;
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
  // Shows a view built from a reading; `fallen` (in the view's cell order)
  // marks the cells whose odds fell by the drop threshold.
  void Fill(const TOddsView& view, std::vector<bool> fallen = {});
  // Repaints both grids (after the colour settings changed).
  void Repaint();
  // Colours the matrix cells by their ratios, with the legend and the
  // cells' tooltips; null: the plain matrix.
  void ShowDistortion(const TDistortionView* view);
  // The tooltip of matrix body cell (row, col) from 1: its fair odds and
  // ratio while the overlay shows and the cell has odds, else empty.
  QString CellToolTip(int row, int col) const;
  // Both grids and the note at `zoom` percent of their design sizes.
  void SetZoom(int zoom);
  // Says over the empty matrix why it shows no odds; empty: no note.
  void SetNote(const QString& text);

  const TPairKind Kind;
  QTableWidget* Matrix;  // sgWaku, sgBaren, sgUmatan, sgWide
  QTableWidget* Sorted;  // sgSortedWaku, ...
  QWidget* Legend;       // below the sorted list while the overlay shows
  QLabel* Note;          // lblWakuNote, ...: over the matrix body when it is empty

 signals:
  void BetClicked(const TCalcRow& bet);

 protected:
  // The grids follow the page's size; the overlay's tooltips.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Puts the grids (and the legend) in their places on the page at their zoom.
  void Place();
  void SetUpMatrix();
  void SetUpSorted();
  void SetUpNote();
  void PlaceNote();
  void MatrixClick(int row, int col);
  void SortedClick(int row);

  bool distortionShown_ = false;
  TDistortionView distortion_;
  std::vector<bool> fallen_;
};

}  // namespace vorpa

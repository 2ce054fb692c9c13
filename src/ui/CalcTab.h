#pragma once
// The tab "(簡易計算)": bet lines collected from clicks on the card and the
// odds tabs, the budget spread over them by "計算", per-line profits with
// the totals, stake correction, deleting and clearing lines.
#include <QObject>

#include "view/PurchaseCalc.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace vorpa {

class TCalcTab : public QObject {
  Q_OBJECT
 public:
  explicit TCalcTab(QWidget* page);

  // Takes the empty line or appends one; nothing is recomputed.
  void AddCalcRow(const TCalcRow& bet);
  // Puts the budget setting into edtBuyTotal.
  void SetBuyTotal(int buyTotal);
  // Recomputes the profits and the totals from the stakes of the grid.
  void CalcProfit();

  QTableWidget* sgOddsCalc;
  QLineEdit* edtBuyTotal;
  QLineEdit* edtUmaBuy;
  QPushButton* btnOddsCalc;
  QPushButton* btnOddsDelete;
  QPushButton* btnOddsClear;
  QLabel* lblCalcedBuyTotal;
  QLabel* lblProfit;
  QLabel* lblKaisyuRitu;

 private:
  void CreateControls(QWidget* page);
  TCalcLines Lines() const;
  void ShowLines(const TCalcLines& lines);
  void ShowTotals(const TCalcTotals& totals);
  int CurrentLine() const;
  void btnOddsCalcClick();
  void btnOddsDeleteClick();
  void btnOddsClearClick();
  void sgOddsCalcClick();
  void edtUmaBuyChange();
};

}  // namespace vorpa

#pragma once
// The tab "(簡易計算)": bet lines collected from clicks on the card and the
// odds tabs, the budget spread over them by "計算", per-line profits with
// the totals and the synthetic odds, stake correction, deleting and
// clearing lines, and boxes and formations entered as bet lines.
#include <QObject>
#include <array>

#include "view/OddsViews.h"
#include "view/PurchaseCalc.h"

class QComboBox;
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
  // The odds matrices shown, whose odds boxes and formations take.
  void SetOddsViews(const std::array<TOddsView, kPairKinds>& views);
  // The grid at `zoom` percent of its design size.
  void SetZoom(int zoom);

  QTableWidget* sgOddsCalc;
  QLineEdit* edtBuyTotal;
  QLineEdit* edtUmaBuy;
  QPushButton* btnOddsCalc;
  QPushButton* btnOddsDelete;
  QPushButton* btnOddsClear;
  QLabel* lblCalcedBuyTotal;
  QLabel* lblProfit;
  QLabel* lblKaisyuRitu;
  QLabel* lblGouseiOdds;  // synthetic odds of the lines
  // Box and formation entry: bet type, numbers, legs.
  QComboBox* cmbEntryKind;
  QLineEdit* edtBoxNumbers;
  QPushButton* btnBoxAdd;
  QLineEdit* edtFormFirst;
  QLineEdit* edtFormSecond;
  QPushButton* btnFormationAdd;

 private:
  void CreateControls(QWidget* page);
  QWidget* CreateEntryPanel(QWidget* page);
  TCalcLines Lines() const;
  void ShowLines(const TCalcLines& lines);
  void ShowTotals(const TCalcTotals& totals);
  int CurrentLine() const;
  void btnOddsCalcClick();
  void btnOddsDeleteClick();
  void btnOddsClearClick();
  void sgOddsCalcClick();
  void edtUmaBuyChange();
  void btnBoxAddClick();
  void btnFormationAddClick();
  TPairKind EntryKind() const;
  // Reads a number list of the entry kind; a message box when it is not one.
  bool EntryNumbers(QLineEdit* edit, std::vector<int>* out);
  void AddBets(const std::vector<TCalcRow>& bets);

  std::array<TOddsView, kPairKinds> views_;
};

}  // namespace vorpa

#pragma once
// The meeting-date selection dialog: the years of the data directory on the
// left and, for the chosen year, its dates in one column per month.
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace vorpa {

class TClock;

class TSelDateForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSelDateForm(QWidget* parent = nullptr);

  // The clock whose year is selected on opening (the system clock unless set).
  void SetClock(const TClock* clock) { clock_ = clock; }
  // The chosen date, valid after the dialog returned Accepted.
  double Date() const { return date_; }

  QTableWidget* sgYear;
  QTableWidget* sgMonth;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillYears();
  void FillDates(const std::string& year);
  void sgYearClick(int row);
  void btnOKClick();

  const TClock* clock_;
  double date_ = 0;
};

}  // namespace vorpa

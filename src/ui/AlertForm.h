#pragma once
// The alert window "アラート": the odds alerts of the open meeting date,
// newest first. A click on an alert asks the main window to open its race
// at the reading that raised it.
#include <QWidget>
#include <vector>

#include "analysis/OddsAlerts.h"

class QLabel;
class QTableWidget;

namespace vorpa {

class TAlertForm : public QWidget {
  Q_OBJECT
 public:
  explicit TAlertForm(QWidget* parent = nullptr);

  // The alerts of `date` in time order (shown newest first).
  void ShowAlerts(double date, const std::vector<TAlert>& timeOrder);
  // The alert of list row `row` (from 1), newest first.
  const TAlert* AlertAt(int row) const;

  QLabel* lblAlertDate;
  QTableWidget* sgAlert;

 signals:
  void AlertChosen(const vorpa::TAlert& alert);

 private:
  std::vector<TAlert> newestFirst_;
};

}  // namespace vorpa

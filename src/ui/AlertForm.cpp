#include "ui/AlertForm.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "ui/GridText.h"
#include "view/MovementView.h"

namespace vorpa {

TAlertForm::TAlertForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("AlertForm");
  setWindowTitle(QString::fromUtf8("アラート"));
  lblAlertDate = new QLabel(this);
  lblAlertDate->setObjectName("lblAlertDate");
  sgAlert = NewViewGrid(this, "sgAlert");
  SetUpGrid(sgAlert, AlertHeaders(), AlertColumnWidths());
  sgAlert->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgAlert->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* v = new QVBoxLayout(this);
  v->addWidget(lblAlertDate);
  v->addWidget(sgAlert, 1);
  int width = 48;  // frame, margins and the scroll bar
  for (int w : AlertColumnWidths()) width += w;
  resize(width, 360);
  connect(sgAlert, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (const TAlert* a = AlertAt(row + 1)) emit AlertChosen(*a);
  });
}

void TAlertForm::ShowAlerts(double date, const std::vector<TAlert>& timeOrder) {
  newestFirst_.assign(timeOrder.rbegin(), timeOrder.rend());
  lblAlertDate->setText(date == 0 ? QString()
                                  : QString::fromStdString(DateToLongText(date)) +
                                        QString::fromUtf8("　%1件").arg(newestFirst_.size()));
  const auto rows = AlertRows(newestFirst_);
  SetBodyRows(sgAlert, static_cast<int>(rows.size()));
  ClearBody(sgAlert);
  TGridBatch batch(sgAlert);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      SetCellText(sgAlert, static_cast<int>(r) + 1, static_cast<int>(c), rows[r][c]);
}

const TAlert* TAlertForm::AlertAt(int row) const {
  return row >= 1 && row <= static_cast<int>(newestFirst_.size()) ? &newestFirst_[row - 1] : nullptr;
}

}  // namespace vorpa

#include "support/GuiMainForm.h"

#include <QApplication>
#include <QTabWidget>

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"

namespace vorpa::test {

void TMainFormTest::SetUp() {
  form_ = std::make_unique<TMainForm>(config_.Path());
  forms_ = CreateAppForms(form_.get());
  Setting.MojiPath = data_.Path();
}

void TMainFormTest::TearDown() { Setting = TSetting(); }

TMainForm& TMainFormTest::ShownAtDesignSize(double date, int row) {
  form_->resize(995, 709);
  form_->show();
  form_->OpenDate(date);
  form_->sgRace->setCurrentCell(row, 0);
  return *form_;
}

TRace TMainFormTest::Stored(const char* venue, int no, double date) const {
  TRace race;
  LoadRace(data_.Path(), Utf8ToCp932(venue), no, race, date);
  return race;
}

QString TMainFormTest::Cell(const QTableWidget* g, int row, int col) {
  const QTableWidgetItem* item = g->item(row - 1, col);
  return item ? item->text() : QString("<none>");
}

void TMainFormTest::ShowTab(int n) {
  form_->PageControl1->setCurrentWidget(Find<QWidget>(qPrintable(QString("TabSheet%1").arg(n))));
  QApplication::processEvents();
}

}  // namespace vorpa::test

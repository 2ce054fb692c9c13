#include "ui/SelDateForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ui/GridText.h"
#include "view/DateFolders.h"

namespace vorpa {

namespace {
const TSystemClock kSystemClock;
}  // namespace

TSelDateForm::TSelDateForm(QWidget* parent) : QDialog(parent), clock_(&kSystemClock) {
  setObjectName("SelDateForm");
  setWindowTitle(QString::fromUtf8("開催日選択"));
  sgYear = new QTableWidget(this);
  sgYear->setObjectName("sgYear");
  SetUpGrid(sgYear, {Utf8ToCp932("  年")}, {48});
  sgYear->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgYear->setFixedWidth(70);
  sgMonth = new QTableWidget(this);
  sgMonth->setObjectName("sgMonth");
  std::vector<std::string> months;
  for (int m = 1; m <= 12; ++m) months.push_back(MonthHeading(m));
  SetUpGrid(sgMonth, months, std::vector<int>(12, 36));
  sgMonth->setMinimumWidth(12 * 36 + 20);
  for (QTableWidget* g : {sgYear, sgMonth}) {
    QFont f("IPAGothic");
    f.setPixelSize(12);
    g->setFont(f);
    g->verticalHeader()->setMinimumSectionSize(1);
    g->verticalHeader()->setDefaultSectionSize(16);
  }
  btnOK = new QPushButton(QString::fromUtf8("選択"), this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
  btnCancel->setObjectName("btnCancel");

  auto* grids = new QHBoxLayout;
  grids->addWidget(sgYear);
  grids->addWidget(sgMonth);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grids);
  layout->addLayout(buttons);
  resize(560, 300);

  connect(sgYear, &QTableWidget::currentCellChanged, this, [this](int row, int, int oldRow, int) {
    if (row >= 0 && row != oldRow) sgYearClick(row);
  });
  connect(btnOK, &QPushButton::clicked, this, &TSelDateForm::btnOKClick);
  connect(sgMonth, &QTableWidget::cellDoubleClicked, this, &TSelDateForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSelDateForm::showEvent(QShowEvent* event) {
  FillYears();
  QDialog::showEvent(event);
}

void TSelDateForm::FillYears() {
  if (Setting.MojiPath.empty()) return;
  std::vector<std::string> years = YearFolders(Setting.MojiPath);
  SetBodyRows(sgYear, static_cast<int>(years.size()));
  ClearBody(sgYear);
  for (size_t i = 0; i < years.size(); ++i) SetCellText(sgYear, static_cast<int>(i) + 1, 0, years[i]);
  // The newest date with race files; without any, the current (or last) year.
  const TDateCell newest = NewestRaceDate(Setting.MojiPath, years);
  const int row = newest.YearRow >= 0 ? newest.YearRow : YearRowToSelect(years, DecodeDate(clock_->Now()).Year);
  if (row < 0) {
    FillDates("");
    return;
  }
  SetCurrentCellQuietly(sgYear, row + 1, 0);
  FillDates(years[row]);
  if (newest.YearRow >= 0) sgMonth->setCurrentCell(newest.Row, newest.Col);
}

void TSelDateForm::FillDates(const std::string& year) {
  TMonthTable table = MonthTable(DayFolders(Setting.MojiPath, year));
  SetBodyRows(sgMonth, static_cast<int>(table.size()));
  ClearBody(sgMonth);
  for (size_t r = 0; r < table.size(); ++r)
    for (int m = 0; m < 12; ++m) SetCellText(sgMonth, static_cast<int>(r) + 1, m, table[r][m]);
  sgMonth->setCurrentCell(0, 0);
}

void TSelDateForm::sgYearClick(int row) {
  const std::string year = CellText(sgYear, row + 1, 0);
  if (!year.empty()) FillDates(year);
}

void TSelDateForm::btnOKClick() {
  const std::string year = CellText(sgYear, sgYear->currentRow() + 1, 0);
  const int col = sgMonth->currentColumn();
  const std::string heading = col >= 0 ? MonthHeading(col + 1) : std::string();
  const std::string day = CellText(sgMonth, sgMonth->currentRow() + 1, col);
  double date = 0;
  if (!ChosenDate(year, heading, day, &date)) {
    QMessageBox::critical(this, windowTitle(), QString::fromUtf8("日付を選択してください。"));
    return;
  }
  date_ = date;
  accept();
}

}  // namespace vorpa

// The main window's race list: opening a date, building and refreshing the
// list, loading the selected race, the list orders and the date dialog.
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "ui/GridText.h"
#include "ui/MainFrm.h"
#include "ui/SelDateForm.h"
#include "view/RaceList.h"
#include "view/ReadingChoice.h"
#include "view/StatusBarText.h"
#include "view/StartMessages.h"

namespace vorpa {

namespace {

// The hourglass cursor for the lifetime of the object.
class TWaitCursor {
 public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// The current row of a grid at the moment a mouse button goes down on it,
// so that a click can tell whether it changed the row.
class TRowAtPress : public QObject {
 public:
  explicit TRowAtPress(QTableWidget* grid) : QObject(grid), grid_(grid) {
    grid->viewport()->installEventFilter(this);
  }
  int Row = -1;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) Row = grid_->currentRow();
    return false;
  }

 private:
  QTableWidget* grid_;
};

}  // namespace

void TMainForm::SetUpRaceList() {
  SetUpGrid(sgRace, {Utf8ToCp932("レース"), Utf8ToCp932("発走"), Utf8ToCp932("決着")},
            {kRaceListColumnWidths.begin(), kRaceListColumnWidths.end()});
  sgRace->setSelectionBehavior(QAbstractItemView::SelectRows);
  connect(sgRace, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int oldRow, int) {
            if (row >= 0 && row != oldRow) LoadSelectedRace();
          });
  // A click on the race already selected loads it again, with the readings
  // stored since it was shown.
  auto* press = new TRowAtPress(sgRace);
  connect(sgRace, &QTableWidget::cellClicked, this, [this, press](int row, int) {
    if (row == press->Row) LoadSelectedRace();
  });
  connect(actSortKaisaiKaisai, &QAction::triggered, this, [this] { SetKaisaiOrder(kListByVenue); });
  connect(actSortKaisaiTime, &QAction::triggered, this, [this] { SetKaisaiOrder(kListByTime); });
  connect(actRefresh, &QAction::triggered, this, &TMainForm::RefreshRaceList);
  connect(actSelDate, &QAction::triggered, this, &TMainForm::actSelDateExecute);
  actSortKaisaiKaisai->setCheckable(true);
  actSortKaisaiTime->setCheckable(true);
  UpdateKaisaiOrderActions();
}

void TMainForm::OpenDate(double date) {
  FDate = date;
  ShowDemoMark();
  FRaceLoaded = false;
  FOddsIndex = -1;
  LoadRaceList();
  SetCurrentCellQuietly(sgRace, 1, 0);
  LoadSelectedRace();
}

void TMainForm::LoadRaceList() {
  TWaitCursor wait;
  FRaceLoaded = false;
  FOddsIndex = -1;
  postedRaces_.clear();
  if (FDate == 0) return;
  std::vector<std::string> lines;
  if (!Setting.MojiPath.empty()) lines = BuildRaceList(Setting.MojiPath, FDate, FKaisaiOrder, FRace);
  SetBodyRows(sgRace, static_cast<int>(lines.size()));
  ClearBody(sgRace);
  for (size_t i = 0; i < lines.size(); ++i) {
    TRaceListRow row = RaceListRow(lines[i]);
    const int r = static_cast<int>(i) + 1;
    SetCellText(sgRace, r, 0, row.Race);
    SetCellText(sgRace, r, 1, row.Post);
    SetCellText(sgRace, r, 2, row.Finish);
    postedRaces_.push_back(PostedRace(row));
  }
  UpdateDayAlerts();
}

void TMainForm::RefreshRaceList() {
  const std::string current = CellText(sgRace, sgRace->currentRow() + 1, 0);
  // The reading the user chose stays chosen; the newest follows the newest.
  const bool loaded = FRaceLoaded;
  const int shown = FOddsIndex;
  const TRace before = FRace;
  LoadRaceList();
  int select = 1;
  for (int r = 1; r <= sgRace->rowCount(); ++r) {
    if (CellText(sgRace, r, 0) == current) {
      select = r;
      break;
    }
  }
  SetCurrentCellQuietly(sgRace, select, 0);
  const bool same = loaded && CellText(sgRace, select, 0) == current;
  if (LoadCurrentRace()) ShowRace(same ? KeptReading(before, shown, FRace) : -1);
}

void TMainForm::LoadSelectedRace() {
  if (LoadCurrentRace()) ShowRace();
}

bool TMainForm::LoadCurrentRace() {
  FRaceLoaded = false;
  FOddsIndex = -1;
  const std::string raceText = CellText(sgRace, sgRace->currentRow() + 1, 0);
  if (raceText.empty()) return false;
  TListedRace listed = ListedRace(raceText);
  LoadRace(Setting.MojiPath, listed.VenueName, listed.RaceNo, FRace, FDate);
  FRaceLoaded = true;
  return true;
}

void TMainForm::SetKaisaiOrder(int order) {
  FKaisaiOrder = order;
  UpdateKaisaiOrderActions();
  if (FDate != 0) OpenDate(FDate);
}

void TMainForm::UpdateKaisaiOrderActions() {
  actSortKaisaiKaisai->setChecked(FKaisaiOrder == kListByVenue);
  actSortKaisaiTime->setChecked(FKaisaiOrder == kListByTime);
}

void TMainForm::actSelDateExecute() {
  if (Setting.MojiPath.empty()) {
    QMessageBox::warning(this, "Vorpa", QString::fromUtf8("データフォルダが設定されていません。"));
    return;
  }
  if (Forms.SelDate && Forms.SelDate->exec() == QDialog::Accepted) OpenDate(Forms.SelDate->Date());
}

}  // namespace vorpa

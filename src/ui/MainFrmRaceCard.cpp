// The main window's race card: the race information labels, the reading
// times, the card with its orders, clicks and copy, and the deletion of a
// reading. ShowOdds is the refresh step the other views hang on.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "history/HistoryStore.h"
#include "ipat/IPatThread.h"
#include "ui/CalcTab.h"
#include "ui/CardCellDelegate.h"
#include "ui/ChartTabs.h"
#include "ui/EstimateTab.h"
#include "ui/GridText.h"
#include "ui/HistoryForm.h"
#include "ui/MainFrm.h"
#include "ui/MainThreadHold.h"
#include "ui/OddsTab.h"
#include "ui/ResultTab.h"
#include "ui/ViewToQt.h"
#include "view/DistortionView.h"
#include "view/OddsPaneNote.h"
#include "view/OddsViews.h"
#include "view/RaceCard.h"
#include "view/RideList.h"

namespace vorpa {

namespace {

// Each odds tab says why its matrix shows no odds (race null: none loaded).
void ShowOddsNotes(const std::array<TOddsTab*, kPairKinds>& tabs, const TRace* race,
                   const std::array<TOddsView, kPairKinds>& views) {
  for (int k = 0; k < kPairKinds; ++k)
    tabs[k]->SetNote(FromCp932(OddsPaneNote(race, static_cast<TPairKind>(k), views[k])));
}

}  // namespace

void TMainForm::SetUpRaceCard() {
  SetUpGrid(sgOddsTime, {Utf8ToCp932("取得")}, {33});
  sgOddsTime->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgOddsTime->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(sgOddsTime, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int oldRow, int) {
            if (row >= 0 && row != oldRow) sgOddsTimeClick();
          });

  const auto& headers = CardHeaders();
  const auto& widths = CardColumnWidths();
  SetUpGrid(sgSyutuba, {headers.begin(), headers.end()}, {widths.begin(), widths.end()});
  SetBodyRows(sgSyutuba, kMaxRunners);
  sgSyutuba->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgSyutuba->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgSyutuba->setItemDelegate(new TCardCellDelegate(sgSyutuba));
  connect(sgSyutuba, &QTableWidget::cellClicked, this, &TMainForm::sgSyutubaClick);
  connect(sgSyutuba, &QTableWidget::cellPressed, this, [this](int row, int col) {
    // A right button press makes the cell under the pointer current, so
    // that the pop-up menu's copy takes it.
    if (QApplication::mouseButtons() & Qt::RightButton) sgSyutuba->setCurrentCell(row, col);
  });
  connect(sgSyutuba, &QTableWidget::currentCellChanged, this, &TMainForm::UpdateCopyAction);
  actHistory = new QAction(FromCp932(RideMenuText(TRideKey::Horse)), this);
  actHistory->setObjectName("actHistory");
  actHistory->setVisible(false);
  PopupMenu1->addAction(actHistory);
  connect(sgSyutuba, &QTableWidget::currentCellChanged, this, &TMainForm::UpdateHistoryAction);
  connect(sgSyutuba, &QTableWidget::cellDoubleClicked, this, &TMainForm::ShowHistoryOf);
  connect(actHistory, &QAction::triggered, this,
          [this] { ShowHistoryOf(sgSyutuba->currentRow(), sgSyutuba->currentColumn()); });

  connect(actSortNo, &QAction::triggered, this, [this] { SetUmaOrder(kOrderNo); });
  connect(actSortTanOdds, &QAction::triggered, this, [this] { SetUmaOrder(kOrderWin); });
  connect(actSortFukuOdds, &QAction::triggered, this, [this] { SetUmaOrder(kOrderPlace); });
  connect(actSortRenOdds, &QAction::triggered, this, [this] { SetUmaOrder(kOrderRen); });
  for (QAction* a : {actSortNo, actSortTanOdds, actSortFukuOdds, actSortRenOdds})
    a->setCheckable(true);
  connect(actCopy, &QAction::triggered, this, &TMainForm::actCopyExecute);
  connect(actDelTimedata, &QAction::triggered, this, &TMainForm::actDelTimedataExecute);
  UpdateUmaOrderActions();
  UpdateCopyAction();
}

void TMainForm::ShowRace(int reading) {
  FOddsIndex = -1;
  lblRaceInfo->clear();
  lblRaceInfo2->clear();
  SetBodyRows(sgOddsTime, 1);
  ClearBody(sgOddsTime);
  ClearViews();
  auto [info, info2] = RaceInfoTexts(FRace.Header);
  lblRaceInfo->setText(FromCp932(info));
  lblRaceInfo->adjustSize();
  lblRaceInfo2->setText(FromCp932(info2));
  lblRaceInfo2->adjustSize();
  ResultTab->ShowResult(FRace);
  if (FRace.Snapshots.empty()) {
    FillCard(BuildCard(FRace, kOrderNo, -1));
    ShowOddsNotes(OddsTabs, &FRace, BuildOddsViews(FRace, TReadingChoice()));
    return;
  }
  std::vector<std::string> times = ReadingTimeTexts(FRace);
  SetBodyRows(sgOddsTime, static_cast<int>(times.size()));
  for (size_t i = 0; i < times.size(); ++i)
    SetCellText(sgOddsTime, static_cast<int>(i) + 1, 0, times[i]);
  const int newest = static_cast<int>(times.size()) - 1;
  FOddsIndex = reading >= 0 && reading <= newest ? reading : newest;
  SetCurrentCellQuietly(sgOddsTime, FOddsIndex + 1, 0);
  sgOddsTime->scrollToItem(sgOddsTime->item(FOddsIndex, 0));
  ShowOdds();
}

void TMainForm::sgOddsTimeClick() {
  const int row = sgOddsTime->currentRow() + 1;
  if (row < 1 || CellText(sgOddsTime, row, 0).empty()) return;
  FOddsIndex = row - 1;
  ShowOdds();
}

void TMainForm::ClearViews() {
  ClearBody(sgSyutuba);
  cardMovement_.clear();
  for (TOddsTab* tab : OddsTabs) tab->Clear();
  CalcTab->SetOddsViews({});
  // "推定" is filled when it shows; emptied at once when nothing will fill it.
  estimatesStale_ = true;
  if (!FRaceLoaded || FRace.Snapshots.empty()) EstimateTab->Clear();
  ChartTabs->Clear();
  UpdateCopyAction();
}

void TMainForm::ShowOdds() {
  ClearViews();
  if (!FRaceLoaded) {
    ShowOddsNotes(OddsTabs, nullptr, BuildOddsViews(FRace, TReadingChoice()));
    return;
  }
  // The card, from the readings each bet type shows; without a reading in
  // horse-number order without odds.
  TCardView card = BuildCard(FRace, FUmaOrder, FOddsIndex);
  FillCard(card);
  // The odds matrices, the quinella and wide ones above 8 runners only.
  const auto views = BuildOddsViews(FRace, card.Choice);
  auto fallen = FallenMatrixCells(card.Choice);
  for (size_t k = 0; k < views.size(); ++k) OddsTabs[k]->Fill(views[k], std::move(fallen[k]));
  ShowOddsNotes(OddsTabs, &FRace, views);
  CalcTab->SetOddsViews(views);
  // The distortion overlay, when it is on; the estimates once "推定" shows.
  if (Setting.DistortionShown) {
    const auto overlays = BuildDistortionViews(FRace, card.Choice);
    for (size_t k = 0; k < overlays.size(); ++k) OddsTabs[k]->ShowDistortion(&overlays[k]);
  } else {
    for (TOddsTab* tab : OddsTabs) tab->ShowDistortion(nullptr);
  }
  if (PageControl1->currentWidget() == EstimateTab->parent()) ShowEstimates();
  // The charts, when there is a usable latest reading.
  if (card.Choice.Latest >= 0) ChartTabs->Draw(FRace, FOddsIndex, card);
}

void TMainForm::FillCard(const TCardView& card) {
  TGridBatch batch(sgSyutuba);
  for (size_t k = 0; k < card.Rows.size() && k < kMaxRunners; ++k)
    for (int c = 0; c < kCardColumns; ++c)
      SetCellText(sgSyutuba, static_cast<int>(k) + 1, c, card.Rows[k][c]);
  FillCardMovement(card);
  UpdateCopyAction();
}

void TMainForm::SetUmaOrder(int order) {
  FUmaOrder = order;
  UpdateUmaOrderActions();
  if (FOddsIndex >= 0) ShowOdds();
}

void TMainForm::UpdateUmaOrderActions() {
  actSortNo->setChecked(FUmaOrder == kOrderNo);
  actSortTanOdds->setChecked(FUmaOrder == kOrderWin);
  actSortFukuOdds->setChecked(FUmaOrder == kOrderPlace);
  actSortRenOdds->setChecked(FUmaOrder == kOrderRen);
}

TCardRow TMainForm::CardRowAt(int row) const {
  TCardRow texts;
  for (int c = 0; c < kCardColumns; ++c) texts[c] = CellText(sgSyutuba, row, c);
  return texts;
}

void TMainForm::sgSyutubaClick(int row, int col) {
  if (auto bet = CardClickBet(col, CardRowAt(row + 1))) emit CardBetClicked(*bet);
}

namespace {
// The name a card cell shows in full (the runner's entry, not the cell text).
std::string CardName(const TRace& race, int horseNo, TRideKey key) {
  if (horseNo < 1 || horseNo > race.Header.RunnerCount) return "";
  const TSyutuba& r = race.Runner(horseNo);
  return key == TRideKey::Horse ? r.HorseName : key == TRideKey::Jockey ? r.JockeyName : r.TrainerName;
}
}  // namespace

void TMainForm::ShowHistoryOf(int row, int col) {
  const std::optional<TRideKey> key = RideKeyOfCardColumn(col);
  if (!key || row < 0) return;
  const std::string name = CardName(FRace, IntOf(Trim(CellText(sgSyutuba, row + 1, kColHorseNo))), *key);
  if (name.empty()) return;
  (new THistoryForm(this))->ShowRides(Setting.MojiPath, *key, name);
}

void TMainForm::UpdateHistoryAction() {
  const int row = sgSyutuba->currentRow();
  const std::optional<TRideKey> key = RideKeyOfCardColumn(sgSyutuba->currentColumn());
  const bool named = key && row >= 0 &&
                     !CardName(FRace, IntOf(Trim(CellText(sgSyutuba, row + 1, kColHorseNo))), *key).empty();
  actHistory->setVisible(named);
  if (named) actHistory->setText(FromCp932(RideMenuText(*key)));
}

void TMainForm::UpdateCopyAction() {
  const QTableWidgetItem* item = sgSyutuba->currentItem();
  actCopy->setEnabled(item && !item->text().isEmpty());
}

void TMainForm::actCopyExecute() {
  const QTableWidgetItem* item = sgSyutuba->currentItem();
  if (item && !item->text().isEmpty()) QApplication::clipboard()->setText(item->text());
}

void TMainForm::actDelTimedataExecute() {
  const int i = FOddsIndex;
  if (i < 0 || i >= static_cast<int>(FRace.Snapshots.size())) return;
  const std::string question = DeleteReadingQuestion(CellText(sgOddsTime, i + 1, 0));
  QMessageBox box(QMessageBox::Question, "Vorpa", FromCp932(question),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName("DeleteReadingQuestion");
  if (box.exec() != QMessageBox::Yes) return;
  // The reading goes from the file as it is now, under the hold that an
  // acquisition run keeps from loading the race to storing it: a reading
  // stored meanwhile stays, and no run can store the deleted one again.
  const TRaceHeader key = FRace.Header;
  const OddsSnapshot chosen = FRace.Snapshots[i];
  const std::string path = RaceFilePath(Setting.MojiPath, key.VenueName, key.RaceNo, key.RaceDate);
  std::string failure;
  {
    TRaceHold hold;
    TakeOnMainThread(hold, path);
    TRace race;
    LoadRace(Setting.MojiPath, key.VenueName, key.RaceNo, race, key.RaceDate);
    std::string reason;
    // A reading a run has thinned out meanwhile is gone already.
    if (DeleteReading(race, chosen)) {
      if (!StoreRace(Setting.MojiPath, race, &reason)) {
        failure = path + "\n" + reason;
      } else {
        const std::string note = UpdateHistoryAfterStore(Setting.MojiPath, key);
        if (!note.empty()) AddLog(RaceLogPrefix(race) + note);
      }
    }
  }
  if (!failure.empty())
    QMessageBox::warning(this, "Vorpa",
                         QString::fromUtf8("レースデータを保存できませんでした。\n") + QString::fromStdString(failure));
  // The events handled while waiting may have turned the window to another race.
  if (!SameRace(FRace.Header, key)) return;
  LoadRace(Setting.MojiPath, key.VenueName, key.RaceNo, FRace, key.RaceDate);
  ShowRace();
}

}  // namespace vorpa

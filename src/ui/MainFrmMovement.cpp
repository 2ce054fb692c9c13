// The main window's odds movement: the change marks and the popularity
// column of the card, the framed matrix cells, the alert marks of the race
// list, the alert window and the notifications of new alerts during
// acquisition.
#include <QAction>
#include <QFont>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <map>

#include "analysis/DayAlerts.h"
#include "analysis/WinPools.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ui/AlertForm.h"
#include "ui/CardCellDelegate.h"
#include "ui/GridText.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "ui/ViewToQt.h"

namespace vorpa {

namespace {

// A change mark: a small triangle in the first character place of the
// cell, which the odds texts leave blank (they are right-aligned).
void DrawMark(QPainter* painter, const QRect& cell, const TChangeMark& mark) {
  const QPointF o(cell.left() + 2.5, cell.center().y() + 0.5);
  const QPointF down[3] = {o + QPointF(0, -2), o + QPointF(5, -2), o + QPointF(2.5, 2)};
  const QPointF up[3] = {o + QPointF(0, 2), o + QPointF(5, 2), o + QPointF(2.5, -2)};
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(ToQColor(mark.Color, QPalette()));
  painter->drawPolygon(mark.Kind == TMoveKind::Shorter ? down : up, 3);
}

// The corner mark of a race with alerts.
void DrawCornerMark(QPainter* painter, const QRect& cell) {
  const QPoint tr = cell.topRight();
  const QPoint corner[3] = {tr + QPoint(-6, 0), tr + QPoint(1, 0), tr + QPoint(1, 7)};
  painter->setPen(Qt::NoPen);
  painter->setBrush(ToQColor(kClShorter, QPalette()));
  painter->drawPolygon(corner, 3);
}

}  // namespace

void TMainForm::SetUpMovement() {
  sgSyutuba->setColumnCount(kCardColumns + 1);
  // The narrow column's caption in a smaller type, so that it fits.
  auto* header = new QTableWidgetItem(FromCp932(PopularityHeader()));
  QFont small = sgSyutuba->horizontalHeader()->font();
  small.setPixelSize(8);
  header->setFont(small);
  sgSyutuba->setHorizontalHeaderItem(kColPopularity, header);
  sgSyutuba->setColumnWidth(kColPopularity, kPopularityWidth);
  QVariantList widths = sgSyutuba->property("designWidths").toList();
  widths.append(kPopularityWidth);
  sgSyutuba->setProperty("designWidths", widths);  // zoomed with the others
  for (int r = 0; r < sgSyutuba->rowCount(); ++r) sgSyutuba->setItem(r, kColPopularity, new QTableWidgetItem);
  sgSyutuba->setColumnHidden(kColPopularity, !Setting.AlertPopularity);
  static_cast<TCardCellDelegate*>(sgSyutuba->itemDelegate())
      ->SetDecorate([this](QPainter* painter, const QRect& cell, int col, int row) {
        if (!Setting.AlertMarks || row < 1 || row > static_cast<int>(cardMovement_.size())) return;
        const TCardMovementRow& m = cardMovement_[row - 1];
        const TChangeMark& mark = col == kColWin ? m.Win : col == kColPlace ? m.Place : TChangeMark{};
        if (mark.Kind != TMoveKind::None) DrawMark(painter, cell, mark);
      });

  auto* raceDelegate = new TStyledCellDelegate(
      [](int, int, const std::string& text) {
        return TCardCellStyle{kClWindow, {{text, kClWindowText}}, true};
      },
      sgRace);
  raceDelegate->SetDecorate([this](QPainter* painter, const QRect& cell, int col, int row) {
    if (col != 0 || !Setting.AlertMarks) return;
    const std::string race = CellText(sgRace, row, 0);
    if (!race.empty() && std::find(alertRaces_.begin(), alertRaces_.end(), race) != alertRaces_.end())
      DrawCornerMark(painter, cell);
  });
  sgRace->setItemDelegate(raceDelegate);

  actAlerts = new QAction(QString::fromUtf8("アラート...(&R)"), this);
  actAlerts->setObjectName("actAlerts");
  actAlerts->setStatusTip(QString::fromUtf8("その日のオッズのアラートを新しい順に表示します。"));
  connect(actAlerts, &QAction::triggered, this, &TMainForm::ShowAlertWindow);
  for (QAction* menu : menuBar()->actions())
    if (menu->menu() && menu->text() == QString::fromUtf8("表示(&V)")) {
      menu->menu()->addSeparator();
      menu->menu()->addAction(actAlerts);
    }
}

void TMainForm::FillCardMovement(const TCardView& card) {
  cardMovement_ = CardMovement(FRace, card.Order, card.Choice.Win, RaceWinPools(Setting.MojiPath, FRace));
  sgSyutuba->setColumnHidden(kColPopularity, !Setting.AlertPopularity);
  for (int r = 1; r <= kMaxRunners; ++r) {
    const bool filled = r <= static_cast<int>(cardMovement_.size());
    const TCardMovementRow empty;
    const TCardMovementRow& m = filled ? cardMovement_[r - 1] : empty;
    SetCellText(sgSyutuba, r, kColPopularity, Setting.AlertPopularity ? m.Popularity : "");
    auto tip = [&](const std::string& first) {
      std::string t = first;
      if (!m.Tooltip.empty()) t += (t.empty() ? "" : "\n") + m.Tooltip;
      return FromCp932(t);
    };
    sgSyutuba->item(r - 1, kColWin)->setToolTip(tip(Setting.AlertMarks ? m.Win.Tooltip : ""));
    sgSyutuba->item(r - 1, kColPlace)->setToolTip(tip(Setting.AlertMarks ? m.Place.Tooltip : ""));
    sgSyutuba->item(r - 1, kColPopularity)->setToolTip(tip(""));
  }
}

std::array<std::vector<bool>, 4> TMainForm::FallenMatrixCells(const TReadingChoice& choice) const {
  std::array<std::vector<bool>, 4> fallen;
  if (!Setting.AlertMarks) return fallen;
  const int index[kPairKinds] = {choice.Bracket, choice.Quinella, choice.Exacta, choice.Wide};
  for (int k = 0; k < kPairKinds; ++k)
    fallen[k] = FallenCells(FRace, static_cast<TPairKind>(k), index[k], Setting.AlertDropPercent);
  return fallen;
}

void TMainForm::UpdateDayAlerts() {
  DayAlertList.clear();
  alertRaces_.clear();
  if (FDate != 0 && !Setting.MojiPath.empty())
    DayAlertList = DayAlerts(Setting.MojiPath, FDate, AlertThresholdsOf(Setting), WinPoolsOf(Setting.MojiPath));
  // Per race of the list: the count and the newest alert, as a tooltip.
  std::map<std::string, std::pair<int, std::vector<std::string>>> byRace;
  for (const std::vector<std::string>& row : AlertRows(DayAlertList)) {
    auto& [count, newest] = byRace[row[1]];
    ++count;
    newest = row;
  }
  for (int r = 1; r <= sgRace->rowCount(); ++r) {
    QTableWidgetItem* item = sgRace->item(r - 1, 0);
    const auto it = byRace.find(CellText(sgRace, r, 0));
    if (!item) continue;
    if (it == byRace.end()) {
      item->setToolTip(QString());
      continue;
    }
    alertRaces_.push_back(it->first);
    const std::vector<std::string>& n = it->second.second;
    item->setToolTip(QString::fromUtf8("アラート %1件（最新 %2 %3番 %4）")
                         .arg(it->second.first)
                         .arg(FromCp932(n[0]), FromCp932(n[2]).trimmed(), FromCp932(n[3])));
  }
  sgRace->viewport()->update();
  if (AlertForm) AlertForm->ShowAlerts(FDate, DayAlertList);
}

void TMainForm::ShowAlertWindow() {
  if (!AlertForm) {
    AlertForm = new TAlertForm(this);
    connect(AlertForm, &TAlertForm::AlertChosen, this, &TMainForm::OpenAlert);
  }
  AlertForm->ShowAlerts(FDate, DayAlertList);
  AlertForm->show();
  AlertForm->raise();
}

void TMainForm::OpenAlert(const TAlert& alert) {
  if (alert.Date != FDate) return;
  const std::string race = AlertRows({alert}).front()[1];
  for (int r = 1; r <= sgRace->rowCount(); ++r) {
    if (CellText(sgRace, r, 0) != race) continue;
    SetCurrentCellQuietly(sgRace, r, 0);
    LoadSelectedRace();
    if (alert.ToIndex < static_cast<int>(FRace.Snapshots.size())) {
      FOddsIndex = alert.ToIndex;
      SetCurrentCellQuietly(sgOddsTime, FOddsIndex + 1, 0);
      ShowOdds();
    }
    return;
  }
}

void TMainForm::RaceStoredByThread(const TRace& race) {
  const std::vector<TAlert> fresh =
      newAlerts_.Take(race, AlertThresholdsOf(Setting), RaceWinPools(Setting.MojiPath, race));
  if (!Notify || !AlertNotified(race.Header.StartTime, TimeOf(Clock.Now()), Setting)) return;
  for (const TAlert& a : fresh) {
    const auto [summary, body] = AlertNotification(a);
    Notify(summary, body);
  }
}

}  // namespace vorpa

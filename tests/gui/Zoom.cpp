// Zoom of the main window's grids, lists and result texts: the menu's
// levels, Ctrl+wheel, the zoom kept in Vorpa.Ini, and the fit to windows
// of the design size and of 1600 x 1000, on a stored meeting day.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWheelEvent>

#include "core/IniFile.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "ui/CalcTab.h"
#include "ui/EstimateTab.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "ui/ResultTab.h"
#include "view/RaceCard.h"
#include "view/Zoom.h"

namespace vorpa {
namespace {

const double kDay = EncodeDate(2026, 12, 6);

class ZoomTest : public testing::Test {
 protected:
  void SetUp() override {
    test::StoreMeetingDay(data_.Path(), kDay, 4);
    Open();
  }
  void TearDown() override { Setting = TSetting(); }
  void Open() {
    form_ = std::make_unique<TMainForm>(config_.Path());
    Setting.MojiPath = data_.Path();
    form_->OpenDate(kDay);
    form_->sgRace->setCurrentCell(10, 0);  // 東京11
  }
  int StoredZoom() {
    return TIniFile::Load(config_.File("Vorpa.Ini")).GetInt("WindowInfo", "Zoom", -1);
  }
  void Wheel(QWidget* grid, int delta) {
    QWidget* vp = static_cast<QAbstractScrollArea*>(grid)->viewport();
    QWheelEvent e(QPointF(20, 20), vp->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &e);
  }
  // Shows the window at `size` and lets it lay out.
  void ShowAt(QSize size) {
    form_->show();
    form_->resize(size);
    QApplication::processEvents();
    QApplication::processEvents();
  }
  test::TempDir config_, data_;
  std::unique_ptr<TMainForm> form_;
};

// Every zoomed view: fonts, rows and columns at the percent; back at 100
// the design sizes and the design's missing scroll bars.
TEST_F(ZoomTest, MenuWheelAndKeysStepTheLevelsOfEveryView) {
  TMainForm& f = *form_;
  TOddsTab& quinella = *f.OddsTabs[kPairQuinella];
  EXPECT_EQ(f.Zoom(), 100);
  EXPECT_FALSE(f.actZoomOut->isEnabled());
  f.actZoomIn->trigger();
  EXPECT_EQ(f.Zoom(), 110);
  Wheel(f.sgSyutuba, 120);
  EXPECT_EQ(f.Zoom(), 125);
  Wheel(quinella.Matrix, 120);
  EXPECT_EQ(f.Zoom(), 150);
  for (QTableWidget* g : {f.sgRace, f.sgOddsTime, f.sgSyutuba, quinella.Matrix, quinella.Sorted,
                          f.CalcTab->sgOddsCalc, f.EstimateTab->sgSanrenpuku, f.EstimateTab->sgSanrentan,
                          f.EstimateTab->sgHizumi}) {
    EXPECT_EQ(g->font().pixelSize(), 18) << g->objectName().toStdString();
    EXPECT_GE(g->verticalHeader()->defaultSectionSize(), 21) << g->objectName().toStdString();
  }
  EXPECT_EQ(f.sgSyutuba->columnWidth(2), 186);  // 馬名: 124 at the design size
  EXPECT_EQ(quinella.Matrix->columnWidth(1), 48);
  // "推定"'s lists as wide as their zoomed columns.
  QTableWidget* trio = f.EstimateTab->sgSanrenpuku;
  EXPECT_EQ(trio->width(), trio->horizontalHeader()->length() + 20);
  EXPECT_EQ(f.ResultTab->memResult->font().pixelSize(), 18);
  EXPECT_EQ(f.lstLog->font().pixelSize(), 18);
  EXPECT_EQ(f.sgSyutuba->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  Wheel(f.sgSyutuba, -120);
  EXPECT_EQ(f.Zoom(), 125);
  f.actZoomReset->trigger();
  EXPECT_EQ(f.Zoom(), 100);
  EXPECT_EQ(f.sgSyutuba->columnWidth(2), 124);
  EXPECT_EQ(f.sgSyutuba->font().pixelSize(), 12);
  EXPECT_EQ(f.sgSyutuba->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(quinella.Matrix->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  for (int i = 0; i < 10; ++i) f.actZoomIn->trigger();
  EXPECT_EQ(f.Zoom(), 250);
  EXPECT_FALSE(f.actZoomIn->isEnabled());
  // A wheel without Ctrl scrolls and leaves the zoom.
  QWidget* vp = f.sgSyutuba->viewport();
  QWheelEvent plain(QPointF(20, 20), vp->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(vp, &plain);
  EXPECT_EQ(f.Zoom(), 250);
}

// The menu's choice is kept in Vorpa.Ini; a zoom for one run (--zoom) is not.
TEST_F(ZoomTest, TheChosenZoomIsKeptAndAZoomForOneRunIsNot) {
  form_->actZoomIn->trigger();
  form_->actZoomIn->trigger();
  form_.reset();
  EXPECT_EQ(StoredZoom(), 125);
  Open();
  EXPECT_EQ(form_->Zoom(), 125);
  EXPECT_EQ(form_->sgSyutuba->font().pixelSize(), 15);
  form_->SetZoom(200);
  EXPECT_EQ(form_->Zoom(), 200);
  form_.reset();
  EXPECT_EQ(StoredZoom(), 125);
  Open();
  form_->actZoomFit->trigger();
  form_.reset();
  EXPECT_EQ(StoredZoom(), kZoomFit);
  Open();
  EXPECT_TRUE(form_->ZoomFits());
  EXPECT_TRUE(form_->actZoomFit->isChecked());
}

// How far a grid's cells reach inside its viewport.
QSize CellsExtent(const QTableWidget* g) {
  const int lastRow = g->rowCount() - 1, lastCol = g->columnCount() - 1;
  return QSize(g->columnViewportPosition(lastCol) + g->columnWidth(lastCol),
               g->rowViewportPosition(lastRow) + g->rowHeight(lastRow));
}

// Fitted, the card and the quinella matrix show every cell without a
// scroll bar and leave less than a row (the card also less than a column
// of the zoom's room) empty; at the design size the fit is the design.
TEST_F(ZoomTest, FitFillsTheWindowAndFollowsItsSize) {
  TMainForm& f = *form_;
  f.PageControl1->setCurrentIndex(1);
  f.actZoomFit->trigger();
  ShowAt(QSize(995, 709));
  EXPECT_EQ(f.Zoom(), 100);
  ShowAt(QSize(1600, 1000));
  EXPECT_GT(f.Zoom(), 130);
  EXPECT_TRUE(f.ZoomFits());
  const QTableWidget* matrix = f.OddsTabs[kPairQuinella]->Matrix;
  const QTableWidget* sorted = f.OddsTabs[kPairQuinella]->Sorted;
  // The exacta, with its two-line header, fits as well.
  f.PageControl1->setCurrentIndex(2);
  QApplication::processEvents();
  EXPECT_FALSE(f.OddsTabs[kPairExacta]->Matrix->verticalScrollBar()->isVisible());
  EXPECT_FALSE(f.OddsTabs[kPairExacta]->Matrix->horizontalScrollBar()->isVisible());
  f.PageControl1->setCurrentIndex(1);
  QApplication::processEvents();
  for (const QTableWidget* g : {static_cast<const QTableWidget*>(f.sgSyutuba), matrix}) {
    SCOPED_TRACE(g->objectName().toStdString());
    const QSize cells = CellsExtent(g);
    const QSize room = g->viewport()->size();
    EXPECT_FALSE(g->verticalScrollBar()->isVisible());
    EXPECT_FALSE(g->horizontalScrollBar()->isVisible());
    EXPECT_LE(cells.height(), room.height());
    EXPECT_GT(cells.height(), room.height() - g->rowHeight(0));
    EXPECT_LE(cells.width(), room.width());
  }
  // The card spans most of its width, the matrix and the sorted list the tab's.
  EXPECT_GT(CellsExtent(f.sgSyutuba).width(), f.sgSyutuba->width() * 85 / 100);
  EXPECT_GT(sorted->geometry().right(), sorted->parentWidget()->width() * 85 / 100);
  EXPECT_LE(sorted->geometry().right(), sorted->parentWidget()->width());
  // One level up from the fit no longer fits: the card scrolls.
  const int fit = f.Zoom();
  f.actZoomIn->trigger();
  QApplication::processEvents();
  EXPECT_GT(f.Zoom(), fit);
  EXPECT_FALSE(f.ZoomFits());
  EXPECT_GT(CellsExtent(f.sgSyutuba).height(), f.sgSyutuba->viewport()->height());
  // Fitted again, a smaller window takes the zoom back down.
  f.actZoomFit->trigger();
  EXPECT_EQ(f.Zoom(), fit);
  ShowAt(QSize(1200, 800));
  EXPECT_LT(f.Zoom(), fit);
  EXPECT_GT(f.Zoom(), 100);
}

}  // namespace
}  // namespace vorpa

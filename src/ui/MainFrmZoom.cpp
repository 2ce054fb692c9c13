// The main window's zoom: the grids, the lists and the result texts at a
// percent of their design sizes, chosen from the "表示" menu, by keys or
// by Ctrl+wheel over a grid, or fitted to the window; the user's choice is
// kept with the window placement in Vorpa.Ini.
#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QPlainTextEdit>

#include "ui/CalcTab.h"
#include "ui/ChartTabs.h"
#include "ui/EstimateTab.h"
#include "ui/FrameLayout.h"
#include "ui/GridText.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "ui/ResultTab.h"
#include "view/Zoom.h"

namespace vorpa {

void TMainForm::SetUpZoom() {
  connect(actZoomIn, &QAction::triggered, this, [this] { ChangeZoom(StepZoom(zoom_, 1)); });
  connect(actZoomOut, &QAction::triggered, this, [this] { ChangeZoom(StepZoom(zoom_, -1)); });
  connect(actZoomReset, &QAction::triggered, this, [this] { ChangeZoom(kZoomMin); });
  connect(actZoomFit, &QAction::triggered, this, [this](bool on) { ChangeZoom(on ? kZoomFit : zoom_); });
  for (QTableWidget* grid : {sgRace, sgOddsTime, sgSyutuba, CalcTab->sgOddsCalc, EstimateTab->sgSanrenpuku,
                             EstimateTab->sgSanrentan, EstimateTab->sgHizumi})
    ZoomByWheel(grid);
  for (TOddsTab* tab : OddsTabs) {
    ZoomByWheel(tab->Matrix);
    ZoomByWheel(tab->Sorted);
  }
  for (QPlainTextEdit* memo : {ResultTab->memHyousu, ResultTab->memCyakusa, ResultTab->memResult})
    ZoomByWheel(memo);
  ZoomByWheel(lstLog);
  SetZoom(WindowInfo.Zoom);
}

void TMainForm::ZoomByWheel(QAbstractScrollArea* grid) {
  grid->viewport()->setProperty("zoomsByWheel", true);
  grid->viewport()->installEventFilter(this);
}

void TMainForm::ChangeZoom(int zoom) {
  WindowInfo.Zoom = zoom;
  SetZoom(zoom);
}

void TMainForm::SetZoom(int zoom) {
  zoomFit_ = zoom == kZoomFit;
  actZoomFit->setChecked(zoomFit_);
  if (zoomFit_) {
    Refit();
  } else {
    ApplyZoom(ClampZoom(zoom));
  }
}

void TMainForm::ApplyZoom(int percent) {
  actZoomIn->setEnabled(percent < kZoomMax);
  actZoomOut->setEnabled(percent > kZoomMin);
  if (percent == zoom_ && GridZoom(sgSyutuba) == percent) return;
  zoom_ = percent;
  for (QTableWidget* grid : {sgRace, sgOddsTime, sgSyutuba}) ZoomGrid(grid, percent);
  GrowRows(sgSyutuba, MainFrameControl("sgSyutuba").Design.Height);
  QFont logFont = lstLog->font();
  logFont.setPixelSize(Zoomed(font().pixelSize(), percent));
  lstLog->setFont(logFont);
  for (TOddsTab* tab : OddsTabs) tab->SetZoom(percent);
  ResultTab->SetZoom(percent);
  CalcTab->SetZoom(percent);
  EstimateTab->SetZoom(percent);
  ChartTabs->SetZoom(percent);
  frame_->invalidate();
}

// The tab control's tab bar and frame around its pages: measured once the
// control is laid out on screen, estimated before.
void TMainForm::Refit() {
  QSize chrome(4, PageControl1->tabBar()->sizeHint().height() + 4);
  const QWidget* page = PageControl1->currentWidget();
  if (PageControl1->isVisible() && page && page->height() > 0) chrome = PageControl1->size() - page->size();
  ApplyZoom(FitZoom(width() - kDesignWidth, height() - kDesignHeight, chrome.width(), chrome.height()));
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (zoomFit_) Refit();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Once laid out on screen the tab control's frame is known.
  if (zoomFit_) QTimer::singleShot(0, this, [this] { if (zoomFit_) Refit(); });
}

}  // namespace vorpa

#pragma once
// The odds chart tabs "グラフ" and "グラフ2": seven charts of the selected
// race's odds as winning chances, and three trend charts of the horses
// ticked in the check boxes beside them.
#include <QFont>
#include <QObject>

#include "core/Race.h"
#include "view/OddsCharts.h"

class QBarSeries;
class QChartView;
class QCheckBox;
class QPushButton;
class QScatterSeries;
class QWidget;

namespace vorpa {

struct TCardView;
class TFrameLayout;
class TZoomedIndicatorStyle;

class TChartTabs : public QObject {
  Q_OBJECT
 public:
  // Builds the charts into the tab pages `graph` ("グラフ") and `graph2`
  // ("グラフ2") of the tab control `tabs`, growing as it does.
  TChartTabs(QWidget* graph, QWidget* graph2, const QWidget* tabs);

  // Empties every series; line series are hidden until drawn again.
  void Clear();
  // Draws every chart for the selected reading `selected` of `race` with
  // the card's reading choice, order and pair estimate.
  void Draw(const TRace& race, int selected, const TCardView& card);

  QChartView* chtTanRate;
  QChartView* chtRenRate;
  QChartView* chtTanSuii;
  QChartView* chtRenSuii;
  QChartView* chtTanbunpu;
  QChartView* chtRenBunpu;
  QChartView* chtSoukan;
  QChartView* chtTanSuii2;
  QChartView* chtFukuSuii2;
  QChartView* chtRenSuii2;
  QBarSeries* serTanBunpu;
  QBarSeries* serRenBunpu;
  QScatterSeries* serSoukan;
  QCheckBox* chkSuii[kMaxRunners];  // chkSuii1 .. chkSuii18
  QPushButton* btnSuiiRedraw;
  QPushButton* btnSuiiClear;

  // The tip of the point, line or bar of `view` nearest to `pos` (viewport
  // coordinates); "" when nothing drawn is near.
  QString TipAt(const QChartView* view, QPoint pos) const;

  // Titles, axis labels, the legend, the check boxes and buttons at
  // `percent` of their design sizes (the main window's zoom).
  void SetZoom(int percent);

 signals:
  // "再表示", and "クリア" after unticking every box: the views are to be
  // rebuilt.
  void RedrawRequested();

 private:
  void SetUpGraph(QWidget* page);
  void SetUpGraph2(QWidget* page);
  // The legend of the chosen horses' win trend, shown only with entries.
  void ShowLegend(bool on);
  // Shows the tip of what the mouse rests on (QEvent::ToolTip).
  bool eventFilter(QObject* watched, QEvent* event) override;

  const QWidget* sizer_;
  TOddsCharts drawn_;  // what the charts show, for the tips
  int zoom_ = 100;
  QFont boxFont_;  // of the check boxes at 100 %
  TZoomedIndicatorStyle* boxStyle_ = nullptr;  // their indicators at the zoom
  TFrameLayout* graphFrame_ = nullptr;
  TFrameLayout* graph2Frame_ = nullptr;
};

}  // namespace vorpa

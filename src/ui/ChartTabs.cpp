// The points, colours, bins and maxima come from BuildOddsCharts; this
// file only hands them to Qt Charts.
#include "ui/ChartTabs.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBarSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "core/Cp932.h"
#include "ui/FrameLayout.h"
#include "ui/ViewToQt.h"
#include "view/ChartFrames.h"
#include "view/OddsCharts.h"
#include "view/RaceCard.h"

namespace vorpa {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The charts' font for titles, axis labels and the legend.
QFont ChartFont() {
  QFont f("IPAPMincho");
  f.setPixelSize(12);
  return f;
}

QValueAxis* NewValueAxis() {
  auto* a = new QValueAxis;
  a->setLabelsFont(ChartFont());
  a->setLabelFormat("%.0f");
  return a;
}

// A chart with a window-coloured panel, a white back wall and a lowered
// bevel; its left axis is a value axis, its bottom axis `bottom`.
QChartView* NewChart(QWidget* page, const char* name, const char* title, QAbstractAxis* bottom) {
  auto* chart = new QChart;
  chart->setTitle(U(title));
  chart->setTitleFont(ChartFont());
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundBrush(page->palette().window());
  chart->setBackgroundRoundness(0);
  chart->setDropShadowEnabled(false);
  chart->setPlotAreaBackgroundBrush(Qt::white);
  chart->setPlotAreaBackgroundVisible(true);
  chart->setMargins(QMargins(2, 0, 4, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->legend()->hide();
  bottom->setLabelsFont(ChartFont());
  chart->addAxis(bottom, Qt::AlignBottom);
  chart->addAxis(NewValueAxis(), Qt::AlignLeft);
  auto* view = new QChartView(chart, page);
  view->setObjectName(name);
  view->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return view;
}

// The bins' upper edges, upright so that ten of them fit under the bars.
QBarCategoryAxis* NewBinAxis() {
  auto* a = new QBarCategoryAxis;
  a->setLabelsAngle(-90);
  a->setTruncateLabels(false);
  return a;
}

void ShowLabels(QChartView* view, QCategoryAxis* axis);

QChartView* NewLineChart(QWidget* page, const char* name, const char* title) {
  auto* bottom = new QCategoryAxis;
  bottom->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  bottom->setTruncateLabels(false);  // ShowLabels leaves room enough
  QChartView* view = NewChart(page, name, title, bottom);
  // A plot that grows or shrinks shows more or fewer of the labels.
  QObject::connect(view->chart(), &QChart::plotAreaChanged, bottom,
                   [view, bottom] { ShowLabels(view, bottom); }, Qt::QueuedConnection);
  return view;
}

// Sets an axis range unless it is already so (a new range lays out the
// axis labels again).
void SetRange(QAbstractAxis* axis, double lo, double hi) {
  auto* value = qobject_cast<QValueAxis*>(axis);  // category axes too
  if (value && value->min() == lo && value->max() == hi) return;
  axis->setRange(lo, hi);
}

// An automatic bottom axis: from the smallest to the largest X of the
// points (half a unit either side of a single X).
void SetAutomaticRange(QAbstractAxis* axis, const std::vector<TChartSeries>& series) {
  double lo = 0, hi = 0;
  bool any = false;
  for (const TChartSeries& s : series) {
    for (const TChartPoint& p : s.Points) {
      lo = any ? std::min(lo, p.X) : p.X;
      hi = any ? std::max(hi, p.X) : p.X;
      any = true;
    }
  }
  if (lo == hi) lo -= 0.5, hi += 0.5;
  if (auto* category = qobject_cast<QCategoryAxis*>(axis)) category->setStartValue(lo);
  SetRange(axis, lo, hi);
}

// The bottom axis of a line chart shows the points' labels at their X;
// every second (third ...) one when they would not fit side by side at
// the plot's present width. Labels are laid out again only when they
// change (most redraws of a race keep them).
void ShowLabels(QChartView* view, QCategoryAxis* axis) {
  const QStringList texts = axis->property("labelTexts").toStringList();
  const QVariantList xs = axis->property("labelXs").toList();
  const qreal width = view->chart()->plotArea().width() > 0 ? view->chart()->plotArea().width()
                                                             : view->width() * 0.8;
  const qreal labelWidth = QFontMetricsF(axis->labelsFont()).horizontalAdvance("000");
  const int step = std::max(1, static_cast<int>(std::ceil(texts.size() * labelWidth / width)));
  QList<std::pair<QString, qreal>> labels, shown;
  for (qsizetype i = 0; i < texts.size(); i += step) labels.append({texts[i], xs[i].toReal()});
  for (const QString& label : axis->categoriesLabels()) shown.append({label, axis->endValue(label)});
  if (labels == shown) return;
  for (const auto& [label, x] : shown) axis->remove(label);
  for (const auto& [label, x] : labels) axis->append(label, x);
}

// Keeps the labels of the first series' points, ordered by X, for
// ShowLabels (which runs again when the plot changes its size).
void SetLabels(QChartView* view, QCategoryAxis* axis, const std::vector<TChartSeries>& series) {
  std::vector<const TChartPoint*> byX;
  if (!series.empty())
    for (const TChartPoint& p : series.front().Points) byX.push_back(&p);
  std::sort(byX.begin(), byX.end(), [](auto* a, auto* b) { return a->X < b->X; });
  QStringList texts;
  QVariantList xs;
  for (const TChartPoint* p : byX) {
    texts.append(FromCp932(p->Label));
    xs.append(p->X);
  }
  axis->setProperty("labelTexts", texts);
  axis->setProperty("labelXs", xs);
  ShowLabels(view, axis);
  SetAutomaticRange(axis, series);
}

// Shows or hides a line with its legend entry.
void ShowLine(QChart* chart, QAbstractSeries* line, bool on) {
  line->setVisible(on);
  for (QLegendMarker* marker : chart->legend()->markers(line)) marker->setVisible(on);
}

QPen SeriesPen(const TChartSeries& s, const QPen& themePen, const QPalette& pal) {
  QPen pen = themePen;
  if (s.Color != kClAuto) pen.setColor(ToQColor(s.Color, pal));
  pen.setWidth(s.PenWidth);
  return pen;
}

// The line series of a chart outlive a redraw: Clear empties and hides
// them, Draw fills and shows as many as it needs, adding new ones only
// when there are too few. Creating and deleting a hundred series (and
// their chart items) on every selection would cost more than drawing them.
void DrawLineChart(QChartView* view, const TLineChart& data) {
  QChart* chart = view->chart();
  auto* bottom = static_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
  QAbstractAxis* left = chart->axes(Qt::Vertical).at(0);
  const QList<QAbstractSeries*> kept = chart->series();
  for (size_t i = 0; i < data.Series.size(); ++i) {
    const TChartSeries& s = data.Series[i];
    QLineSeries* line = nullptr;
    if (i < static_cast<size_t>(kept.size())) {
      line = static_cast<QLineSeries*>(kept[static_cast<qsizetype>(i)]);
    } else {
      line = new QLineSeries;
      chart->addSeries(line);
      line->attachAxis(bottom);
      line->attachAxis(left);
    }
    if (line->name() != FromCp932(s.Title)) line->setName(FromCp932(s.Title));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(s.Points.size()));
    for (const TChartPoint& p : s.Points) points.append(QPointF(p.X, p.Y));
    line->replace(points);
    const QPen pen = SeriesPen(s, line->pen(), view->palette());
    if (line->pen() != pen) line->setPen(pen);
    ShowLine(chart, line, true);
  }
  SetLabels(view, bottom, data.Series);
  SetRange(left, 0, data.Max);
}

void DrawBars(QChartView* view, const std::vector<TBar>& bars) {
  QChart* chart = view->chart();
  auto* series = static_cast<QBarSeries*>(chart->series().at(0));
  QBarSet* set = series->barSets().at(0);
  auto* bottom = static_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
  QList<qreal> counts;
  QStringList labels;
  double most = 0;
  for (const TBar& b : bars) {
    counts.append(b.Count);
    labels.append(FromCp932(b.Label));
    most = std::max(most, b.Count);
  }
  set->append(counts);
  if (bottom->categories() != labels) bottom->setCategories(labels);
  // Counts are whole numbers: ticks at whole steps, at most five of them,
  // up to a top that is a whole step.
  auto* left = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0));
  const int highest = std::max(1, static_cast<int>(std::ceil(most)));
  const int step = (highest + 4) / 5;
  if (left->tickType() != QValueAxis::TicksDynamic) {
    left->setTickType(QValueAxis::TicksDynamic);
    left->setTickAnchor(0);
  }
  if (left->tickInterval() != step) left->setTickInterval(step);
  SetRange(left, 0, (highest + step - 1) / step * step);
}

QBarSeries* NewBarSeries(QChartView* view, const char* name) {
  auto* series = new QBarSeries;
  series->setObjectName(name);
  auto* set = new QBarSet("");
  set->setColor(QColor(0xFF, 0, 0));
  set->setBorderColor(QColor(0xFF, 0, 0));
  series->append(set);
  series->setLabelsVisible(false);
  view->chart()->addSeries(series);
  for (QAbstractAxis* a : view->chart()->axes()) series->attachAxis(a);
  return series;
}

// Every control of `page` at its design place, growing with the tab control.
void PlaceControls(QWidget* page, const QWidget* tabs, const std::vector<TFrameControl>& controls) {
  auto* frame = new TFrameLayout(page, tabs, QSize(kTabsDesignWidth, kTabsDesignHeight));
  for (const TFrameControl& c : controls)
    frame->AddControl(page->findChild<QWidget*>(c.Name, Qt::FindDirectChildrenOnly), c);
}

}  // namespace

TChartTabs::TChartTabs(QWidget* graph, QWidget* graph2, const QWidget* tabs)
    : QObject(graph), sizer_(tabs) {
  SetUpGraph(graph);
  SetUpGraph2(graph2);
}

void TChartTabs::SetUpGraph(QWidget* graph) {
  chtTanRate = NewLineChart(graph, "chtTanRate", "単勝 確率");
  chtRenRate = NewLineChart(graph, "chtRenRate", "馬連/枠連 確率");
  chtTanSuii = NewLineChart(graph, "chtTanSuii", "単勝 推移");
  chtRenSuii = NewLineChart(graph, "chtRenSuii", "馬連/枠連 推移");
  chtTanbunpu = NewChart(graph, "chtTanbunpu", "単勝 分布", NewBinAxis());
  chtRenBunpu = NewChart(graph, "chtRenBunpu", "馬連/枠連 分布", NewBinAxis());
  chtSoukan = NewChart(graph, "chtSoukan", "単連 相関", NewValueAxis());
  serTanBunpu = NewBarSeries(chtTanbunpu, "serTanBunpu");
  serRenBunpu = NewBarSeries(chtRenBunpu, "serRenBunpu");
  serSoukan = new QScatterSeries;
  serSoukan->setObjectName("serSoukan");
  serSoukan->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  serSoukan->setMarkerSize(7);
  serSoukan->setColor(QColor(0xFF, 0, 0));
  serSoukan->setBorderColor(QColor(0xFF, 0, 0));
  chtSoukan->chart()->addSeries(serSoukan);
  for (QAbstractAxis* a : chtSoukan->chart()->axes()) serSoukan->attachAxis(a);

  PlaceControls(graph, sizer_, GraphFrameControls());
}

void TChartTabs::SetUpGraph2(QWidget* graph2) {
  chtTanSuii2 = NewLineChart(graph2, "chtTanSuii2", "単勝 推移");
  chtFukuSuii2 = NewLineChart(graph2, "chtFukuSuii2", "複勝 推移");
  chtRenSuii2 = NewLineChart(graph2, "chtRenSuii2", "馬連/枠連 推移");
  QLegend* legend = chtTanSuii2->chart()->legend();
  legend->setFont(ChartFont());
  legend->setAlignment(Qt::AlignRight);
  legend->setBackgroundVisible(true);
  legend->setBrush(graph2->palette().button());
  legend->setPen(QPen(Qt::black));
  legend->setMarkerShape(QLegend::MarkerShapeRectangle);
  legend->hide();  // until a horse is ticked

  for (int k = 1; k <= kMaxRunners; ++k) {
    chkSuii[k - 1] = new QCheckBox(QString::number(k), graph2);
    chkSuii[k - 1]->setObjectName(QString("chkSuii%1").arg(k));
  }
  btnSuiiRedraw = new QPushButton(U("再表示"), graph2);
  btnSuiiRedraw->setObjectName("btnSuiiRedraw");
  btnSuiiClear = new QPushButton(U("クリア"), graph2);
  btnSuiiClear->setObjectName("btnSuiiClear");
  PlaceControls(graph2, sizer_, Graph2FrameControls());

  connect(btnSuiiRedraw, &QPushButton::clicked, this, &TChartTabs::RedrawRequested);
  connect(btnSuiiClear, &QPushButton::clicked, this, [this] {
    for (QCheckBox* box : chkSuii) box->setChecked(false);
    emit RedrawRequested();
  });
}

void TChartTabs::Clear() {
  for (QChartView* view : {chtTanRate, chtRenRate, chtTanSuii, chtRenSuii, chtTanSuii2,
                           chtFukuSuii2, chtRenSuii2})
    for (QAbstractSeries* line : view->chart()->series()) {
      static_cast<QLineSeries*>(line)->clear();
      ShowLine(view->chart(), line, false);
    }
  for (QBarSeries* series : {serTanBunpu, serRenBunpu}) {
    QBarSet* set = series->barSets().at(0);
    set->remove(0, set->count());
  }
  serSoukan->clear();
  // No horse ticked: no legend frame without entries.
  const bool ticked = std::any_of(std::begin(chkSuii), std::end(chkSuii),
                                  [](const QCheckBox* box) { return box->isChecked(); });
  ShowLegend(ticked);
}

void TChartTabs::ShowLegend(bool on) {
  QLegend* legend = chtTanSuii2->chart()->legend();
  if (legend->isVisible() != on) legend->setVisible(on);
}

void TChartTabs::Draw(const TRace& race, int selected, const TCardView& card) {
  TChosenHorses chosen{};
  for (int k = 0; k < kMaxRunners; ++k) chosen[k] = chkSuii[k]->isChecked();
  const TOddsCharts c = BuildOddsCharts(race, selected, card.Choice, card.Order, card.Ren, chosen);
  DrawLineChart(chtTanRate, c.TanRate);
  DrawLineChart(chtTanSuii, c.TanSuii);
  DrawBars(chtTanbunpu, c.TanBunpu);
  DrawLineChart(chtRenSuii, c.RenSuii);
  DrawLineChart(chtRenRate, c.RenRate);
  QList<QPointF> points;
  for (const TChartPoint& p : c.Soukan.Points) points.append(QPointF(p.X, p.Y));
  serSoukan->replace(points);
  SetAutomaticRange(chtSoukan->chart()->axes(Qt::Horizontal).at(0), {c.Soukan});
  SetRange(chtSoukan->chart()->axes(Qt::Vertical).at(0), 0, c.SoukanMax);
  DrawBars(chtRenBunpu, c.RenBunpu);
  DrawLineChart(chtTanSuii2, c.TanSuii2);
  ShowLegend(!c.TanSuii2.Series.empty());
  DrawLineChart(chtFukuSuii2, c.FukuSuii2);
  DrawLineChart(chtRenSuii2, c.RenSuii2);
}

}  // namespace vorpa

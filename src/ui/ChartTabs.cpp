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
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/Cp932.h"
#include "ui/FrameLayout.h"
#include "ui/ViewToQt.h"
#include "ui/ZoomedIndicatorStyle.h"
#include "view/ChartFrames.h"
#include "view/OddsCharts.h"
#include "view/RaceCard.h"
#include "view/Zoom.h"

namespace vorpa {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The charts' font for titles, axis labels and the legend at a zoom.
QFont ChartFont(int percent = kZoomMin) {
  QFont f("IPAPMincho");
  f.setPixelSize(Zoomed(12, percent));
  return f;
}

QValueAxis* NewValueAxis() {
  auto* a = new QValueAxis;
  a->setLabelsFont(ChartFont());
  a->setLabelFormat("%.0f");
  a->setTruncateLabels(false);
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
// Room right of the plot for half the last bottom label (centred on the
// axis' end) and, on the chart with a legend, for the legend beside it.
void FitRightEdge(QChartView* view, QCategoryAxis* axis) {
  QChart* chart = view->chart();
  const QStringList labels = axis->categoriesLabels();
  const qreal half =
      labels.isEmpty() ? 0 : QFontMetricsF(axis->labelsFont()).horizontalAdvance(labels.last()) / 2;
  QLegend* legend = chart->legend();
  const bool beside = !legend->isAttachedToChart() && legend->isVisible();
  const QSizeF size = beside ? legend->effectiveSizeHint(Qt::PreferredSize) : QSizeF(0, 0);
  QMargins margins = chart->margins();
  const int right = std::max(4, static_cast<int>(std::ceil(half)) + 2) + static_cast<int>(std::ceil(size.width()));
  if (margins.right() != right) {
    margins.setRight(right);
    chart->setMargins(margins);
  }
  if (!beside) return;
  // The width of one entry; the entries stack down the plot's height.
  const QRectF plot = chart->plotArea();
  const QRectF place(chart->size().width() - 2 - size.width(), plot.top(), size.width(), plot.height());
  if (legend->geometry() != place) legend->setGeometry(place);
}

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
  if (labels != shown) {
    for (const auto& [label, x] : shown) axis->remove(label);
    for (const auto& [label, x] : labels) axis->append(label, x);
  }
  FitRightEdge(view, axis);
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
// Every control of `page` at its design place, growing with the tab
// control, at the zoom `percent()`.
TFrameLayout* PlaceControls(QWidget* page, const QWidget* tabs, const std::vector<TFrameControl>& controls,
                            std::function<int()> percent) {
  auto* frame = new TFrameLayout(page, tabs, QSize(kTabsDesignWidth, kTabsDesignHeight));
  for (const TFrameControl& c : controls)
    frame->AddControl(page->findChild<QWidget*>(c.Name, Qt::FindDirectChildrenOnly), c);
  frame->SetPlacer([percent](const TFrameControl& c, QSize extra) {
    return ZoomedChartRect(c, extra.width(), extra.height(), percent());
  });
  return frame;
}

// How far (in pixels at the design size) the mouse may be from a line or
// point for its tip.
constexpr double kTipReach = 6;

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double len2 = QPointF::dotProduct(ab, ab);
  const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
  const QPointF d = p - (a + t * ab);
  return std::hypot(d.x(), d.y());
}

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// The tip of the point of `series` nearest to `at` (chart coordinates)
// when the series passes within `reach`; `lines` tells whether the
// segments between the points count.
const std::string* NearestTip(QChart* chart, QXYSeries* series, const TChartSeries& data,
                              QPointF at, double reach, bool lines, double* distance) {
  const qsizetype n = std::min<qsizetype>(series->count(), static_cast<qsizetype>(data.Points.size()));
  const std::string* tip = nullptr;
  double nearestPoint = 0;
  double nearest = reach;
  QPointF before;
  for (qsizetype i = 0; i < n; ++i) {
    const QPointF p = chart->mapToPosition(series->at(i), series);
    const double d = Distance(at, p);
    if (!tip || d < nearestPoint) tip = &data.Points[static_cast<size_t>(i)].Tip, nearestPoint = d;
    nearest = std::min(nearest, lines && i > 0 ? DistanceToSegment(at, before, p) : d);
    before = p;
  }
  if (!tip || nearest >= reach) return nullptr;
  *distance = nearest;
  return tip;
}

}  // namespace

TChartTabs::TChartTabs(QWidget* graph, QWidget* graph2, const QWidget* tabs)
    : QObject(graph), sizer_(tabs) {
  SetUpGraph(graph);
  SetUpGraph2(graph2);
  for (QChartView* view : {chtTanRate, chtRenRate, chtTanSuii, chtRenSuii, chtTanbunpu, chtRenBunpu,
                           chtSoukan, chtTanSuii2, chtFukuSuii2, chtRenSuii2})
    view->viewport()->installEventFilter(this);
}

bool TChartTabs::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
  auto* view = qobject_cast<QChartView*>(watched->parent());
  auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = view ? TipAt(view, help->pos()) : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, view->viewport());
  }
  return true;
}

QString TChartTabs::TipAt(const QChartView* view, QPoint pos) const {
  QChart* chart = view->chart();
  const QPointF at = chart->mapFromScene(view->mapToScene(pos));
  const double reach = kTipReach * zoom_ / 100.0;
  if (view == chtTanbunpu || view == chtRenBunpu) {
    const std::vector<TBar>& bars = view == chtTanbunpu ? drawn_.TanBunpu : drawn_.RenBunpu;
    auto* series = static_cast<QBarSeries*>(chart->series().at(0));
    const QPointF value = chart->mapToValue(at, series);
    const int bar = static_cast<int>(std::lround(value.x()));
    // On a bar: within its width, below its top (or just above it).
    if (!chart->plotArea().contains(at) || bar < 0 || bar >= static_cast<int>(bars.size()) ||
        std::abs(value.x() - bar) > series->barWidth() / 2 || bars[bar].Count <= 0 ||
        at.y() < chart->mapToPosition(QPointF(bar, bars[bar].Count), series).y() - reach)
      return {};
    return FromCp932(bars[bar].Tip);
  }
  if (view == chtSoukan) {
    double d = 0;
    const std::string* tip = NearestTip(chart, serSoukan, drawn_.Soukan, at, reach + 3, false, &d);
    return tip ? FromCp932(*tip) : QString();
  }
  const TLineChart* data = view == chtTanRate    ? &drawn_.TanRate
                           : view == chtRenRate  ? &drawn_.RenRate
                           : view == chtTanSuii  ? &drawn_.TanSuii
                           : view == chtRenSuii  ? &drawn_.RenSuii
                           : view == chtTanSuii2 ? &drawn_.TanSuii2
                           : view == chtFukuSuii2 ? &drawn_.FukuSuii2
                                                  : &drawn_.RenSuii2;
  const QList<QAbstractSeries*> lines = chart->series();
  const std::string* best = nullptr;
  double bestDistance = reach;
  for (size_t i = 0; i < data->Series.size() && i < static_cast<size_t>(lines.size()); ++i) {
    auto* line = static_cast<QXYSeries*>(lines[static_cast<qsizetype>(i)]);
    if (!line->isVisible()) continue;
    // A tie goes to the line drawn later, on top.
    double d = 0;
    const double within = best ? bestDistance + 1e-6 : reach;
    const std::string* tip = NearestTip(chart, line, data->Series[i], at, within, true, &d);
    if (tip) best = tip, bestDistance = d;
  }
  return best ? FromCp932(*best) : QString();
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

  graphFrame_ = PlaceControls(graph, sizer_, GraphFrameControls(), [this] { return zoom_; });
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
  // Placed beside the plot by FitRightEdge, clear of the bottom axis'
  // last label.
  legend->detachFromChart();
  legend->hide();  // until a horse is ticked

  for (int k = 1; k <= kMaxRunners; ++k) {
    chkSuii[k - 1] = new QCheckBox(QString::number(k), graph2);
    chkSuii[k - 1]->setObjectName(QString("chkSuii%1").arg(k));
  }
  btnSuiiRedraw = new QPushButton(U("再表示"), graph2);
  btnSuiiRedraw->setObjectName("btnSuiiRedraw");
  btnSuiiClear = new QPushButton(U("クリア"), graph2);
  btnSuiiClear->setObjectName("btnSuiiClear");
  graph2Frame_ = PlaceControls(graph2, sizer_, Graph2FrameControls(), [this] { return zoom_; });
  boxFont_ = chkSuii[0]->font();
  boxStyle_ = new TZoomedIndicatorStyle;
  boxStyle_->setParent(this);

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
  drawn_ = TOddsCharts();
  // No horse ticked: no legend frame without entries.
  const bool ticked = std::any_of(std::begin(chkSuii), std::end(chkSuii),
                                  [](const QCheckBox* box) { return box->isChecked(); });
  ShowLegend(ticked);
}

void TChartTabs::ShowLegend(bool on) {
  QLegend* legend = chtTanSuii2->chart()->legend();
  if (legend->isVisible() != on) legend->setVisible(on);
  FitRightEdge(chtTanSuii2, static_cast<QCategoryAxis*>(chtTanSuii2->chart()->axes(Qt::Horizontal).at(0)));
}

void TChartTabs::SetZoom(int percent) {
  if (percent == zoom_) return;
  zoom_ = percent;
  const QFont font = ChartFont(percent);
  for (QChartView* view : {chtTanRate, chtRenRate, chtTanSuii, chtRenSuii, chtTanbunpu, chtRenBunpu,
                           chtSoukan, chtTanSuii2, chtFukuSuii2, chtRenSuii2}) {
    view->chart()->setTitleFont(font);
    for (QAbstractAxis* axis : view->chart()->axes()) axis->setLabelsFont(font);
  }
  chtTanSuii2->chart()->legend()->setFont(font);
  // The bins' upright labels keep their size: ten of them side by side
  // under the bars, where the charting component hides an end label wider
  // than its bin.
  for (QChartView* view : {chtTanbunpu, chtRenBunpu})
    view->chart()->axes(Qt::Horizontal).at(0)->setLabelsFont(ChartFont());
  serSoukan->setMarkerSize(Zoomed(7, percent));
  QFont box = boxFont_;
  if (box.pixelSize() > 0)
    box.setPixelSize(Zoomed(box.pixelSize(), percent));
  else
    box.setPointSizeF(box.pointSizeF() * percent / 100);
  boxStyle_->SetZoom(percent);
  for (QCheckBox* c : chkSuii) {
    c->setFont(box);
    c->setStyle(boxStyle_);  // again: the box takes the new indicator size
  }
  btnSuiiRedraw->setFont(box);
  btnSuiiClear->setFont(box);
  for (QChartView* view : {chtTanRate, chtRenRate, chtTanSuii, chtRenSuii, chtTanSuii2, chtFukuSuii2, chtRenSuii2})
    ShowLabels(view, static_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).at(0)));
  graphFrame_->invalidate();
  graph2Frame_->invalidate();
}

void TChartTabs::Draw(const TRace& race, int selected, const TCardView& card) {
  TChosenHorses chosen{};
  for (int k = 0; k < kMaxRunners; ++k) chosen[k] = chkSuii[k]->isChecked();
  drawn_ = BuildOddsCharts(race, selected, card.Choice, card.Order, card.Ren, chosen);
  const TOddsCharts& c = drawn_;
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

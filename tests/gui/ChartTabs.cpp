// The odds charts of the main window, read back by object name after
// ShowOdds: series counts, colours, pen widths, axis maxima, bars and
// points; the trend check boxes and their buttons. With
// VORPA_README_PICTURES set to a directory, the two chart tabs are also
// rendered there as graph.png and graph2.png (the README's pictures).
#include <gtest/gtest.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QStyle>
#include <QTabWidget>
#include <QHelpEvent>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "ui/ChartTabs.h"
#include "ui/MainFrm.h"
#include "ui/ViewOptions.h"
#include "ui/ViewToQt.h"
#include "view/OddsCharts.h"
#include "view/RaceCard.h"
#include "view/Zoom.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);

class ChartsTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TMainForm>(config_.Path());
    CreateAppForms(form_.get());
    Setting.MojiPath = data_.Path();
  }
  void TearDown() override { Setting = TSetting(); }

  void Store(test::RaceRecipe r) {
    r.Date = kDay;
    StoreRace(data_.Path(), test::MakeRace(r));
  }
  // The generator's meeting day opened, 東京11 (15 readings) chosen, at
  // `reading` when given, the `ticked` horses drawn on グラフ2, the window shown.
  TMainForm& ShowTokyo11(std::initializer_list<int> ticked, int reading = -1) {
    test::StoreMeetingDay(data_.Path(), kDay);
    TMainForm& f = *form_;
    f.OpenDate(kDay);
    f.sgRace->setCurrentCell(10, 0);
    if (reading >= 0) f.sgOddsTime->setCurrentCell(reading, 0);
    for (int k : ticked) f.ChartTabs->chkSuii[k - 1]->setChecked(true);
    f.ChartTabs->btnSuiiRedraw->click();
    f.show();
    return f;
  }
  QChart* Chart(const char* name) {
    auto* view = form_->findChild<QChartView*>(name);
    EXPECT_TRUE(view) << name;
    return view ? view->chart() : nullptr;
  }
  // The lines a chart shows (emptied ones are kept hidden for the next
  // redraw).
  QList<QLineSeries*> Lines(const char* name) {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* s : Chart(name)->series())
      if (s->isVisible()) lines.append(qobject_cast<QLineSeries*>(s));
    return lines;
  }
  double LeftMax(const char* name) {
    return static_cast<QValueAxis*>(Chart(name)->axes(Qt::Vertical).at(0))->max();
  }
  QList<qreal> Bars(const char* chart) {
    auto* series = static_cast<QBarSeries*>(Chart(chart)->series().at(0));
    QBarSet* set = series->barSets().at(0);
    QList<qreal> v;
    for (int i = 0; i < set->count(); ++i) v.append(set->at(i));
    return v;
  }
  // The charts the view layer builds for the race shown.
  TOddsCharts Expected() {
    TCardView card = BuildCard(form_->FRace, form_->FUmaOrder, form_->FOddsIndex);
    TChosenHorses chosen{};
    for (int k = 0; k < kMaxRunners; ++k) chosen[k] = form_->ChartTabs->chkSuii[k]->isChecked();
    return BuildOddsCharts(form_->FRace, form_->FOddsIndex, card.Choice, card.Order, card.Ren, chosen);
  }

  test::TempDir config_, data_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(ChartsTest, ShowOddsDrawsAllTenChartsFromTheSelectedReading) {
  Store({.Runners = 18, .Readings = 4});
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  f.sgOddsTime->setCurrentCell(1, 0);  // the second reading
  const TOddsCharts e = Expected();
  const char* names[] = {"chtTanRate", "chtRenRate", "chtTanSuii", "chtRenSuii", "chtTanbunpu",
                         "chtRenBunpu", "chtSoukan", "chtTanSuii2", "chtFukuSuii2", "chtRenSuii2"};
  const char* titles[] = {"単勝 確率", "馬連/枠連 確率", "単勝 推移", "馬連/枠連 推移", "単勝 分布",
                          "馬連/枠連 分布", "単連 相関", "単勝 推移", "複勝 推移", "馬連/枠連 推移"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Chart(names[i])->title(), U(titles[i]));
    EXPECT_FALSE(Chart(names[i])->legend()->isVisible()) << names[i];  // no horse ticked
  }
  for (int i = 0; i < 10; ++i)  // seven on "グラフ", three on "グラフ2"
    EXPECT_EQ(f.findChild<QChartView*>(names[i])->parentWidget(), f.PageControl1->widget(i < 7 ? 4 : 5));
  // Rate charts: one line per reading; the selected one red, the first
  // black, the latest blue, the others grey.
  QList<QLineSeries*> rate = Lines("chtTanRate");
  ASSERT_EQ(rate.size(), 4);
  EXPECT_EQ(rate[0]->pen().color(), QColor(0, 0, 0));
  EXPECT_EQ(rate[1]->pen().color(), QColor(0xFF, 0, 0));
  EXPECT_EQ(rate[2]->pen().color(), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(rate[3]->pen().color(), QColor(0, 0, 0xFF));
  ASSERT_EQ(rate[1]->count(), 18);
  for (int k = 0; k < 18; ++k) {
    EXPECT_EQ(rate[1]->at(k).x(), e.TanRate.Series[1].Points[k].X);
    EXPECT_DOUBLE_EQ(rate[1]->at(k).y(), e.TanRate.Series[1].Points[k].Y);
  }
  EXPECT_EQ(Lines("chtRenRate").size(), 4);
  EXPECT_DOUBLE_EQ(LeftMax("chtTanRate"), e.TanRate.Max);
  EXPECT_DOUBLE_EQ(LeftMax("chtRenRate"), e.RenRate.Max);
  EXPECT_DOUBLE_EQ(LeftMax("chtRenSuii"), e.RenRate.Max);
  // The bottom axis shows the horse numbers in card order (as many as fit),
  // the last card position at X = 1.
  auto* bottom = static_cast<QCategoryAxis*>(Chart("chtTanRate")->axes(Qt::Horizontal).at(0));
  ASSERT_FALSE(bottom->categoriesLabels().isEmpty());
  EXPECT_EQ(bottom->categoriesLabels()[0], QString::fromStdString(e.TanRate.Series[1].Points.back().Label));
  EXPECT_EQ(bottom->min(), 1);
  EXPECT_EQ(bottom->max(), 18);
  // Trends: one line of width 2 per runner with a point per reading.
  for (const char* trend : {"chtTanSuii", "chtRenSuii"}) {
    QList<QLineSeries*> lines = Lines(trend);
    ASSERT_EQ(lines.size(), 18) << trend;
    EXPECT_EQ(lines[0]->pen().width(), 2);
    EXPECT_EQ(lines[17]->count(), 4);
  }
  // Distributions: 10 red bins; the correlation's 18 points ordered by X.
  QList<qreal> bars = Bars("chtTanbunpu");
  ASSERT_EQ(bars.size(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(bars[i], e.TanBunpu[i].Count);
  EXPECT_EQ(Bars("chtRenBunpu").size(), 10);
  // The counts' axis ticks at whole numbers up to a whole top.
  for (const char* chart : {"chtTanbunpu", "chtRenBunpu"}) {
    auto* left = static_cast<QValueAxis*>(Chart(chart)->axes(Qt::Vertical).at(0));
    EXPECT_EQ(left->tickType(), QValueAxis::TicksDynamic) << chart;
    EXPECT_GE(left->tickInterval(), 1) << chart;
    EXPECT_EQ(left->tickInterval(), std::round(left->tickInterval())) << chart;
    EXPECT_EQ(std::fmod(left->max(), left->tickInterval()), 0) << chart;
    const QList<qreal> counts = Bars(chart);
    EXPECT_GE(left->max(), *std::max_element(counts.begin(), counts.end())) << chart;
  }
  EXPECT_EQ(static_cast<QBarSeries*>(Chart("chtTanbunpu")->series().at(0))->barSets().at(0)->color(),
            QColor(0xFF, 0, 0));
  ASSERT_EQ(f.ChartTabs->serSoukan->count(), 18);
  for (int i = 1; i < 18; ++i) EXPECT_LE(f.ChartTabs->serSoukan->at(i - 1).x(), f.ChartTabs->serSoukan->at(i).x());
  EXPECT_DOUBLE_EQ(LeftMax("chtSoukan"), e.SoukanMax);
  // Nothing ticked: the trend charts of "グラフ2" stay empty.
  for (const char* chart : {"chtTanSuii2", "chtFukuSuii2", "chtRenSuii2"})
    EXPECT_TRUE(Lines(chart).isEmpty());
}

TEST_F(ChartsTest, TickedHorsesRedrawClearAndRacesWithoutReadings) {
  Store({.Runners = 11, .Readings = 3});
  Store({.VenueUtf8 = "中山", .RaceNo = 1, .Readings = 0});
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  ASSERT_EQ(f.sgRace->rowCount(), 2);
  ASSERT_EQ(f.FRace.Header.RunnerCount, 11);  // 東京11 in row 1, 中山01 in row 2
  f.show();  // legend entries are visible only on a chart on show
  f.PageControl1->setCurrentIndex(5);
  for (int k : {3, 12, 14}) f.findChild<QCheckBox*>(QString("chkSuii%1").arg(k))->setChecked(true);
  EXPECT_TRUE(Lines("chtTanSuii2").isEmpty());  // drawn only on "再表示"
  f.ChartTabs->btnSuiiRedraw->click();
  for (const char* chart : {"chtTanSuii2", "chtFukuSuii2", "chtRenSuii2"}) {
    QList<QLineSeries*> lines = Lines(chart);
    ASSERT_EQ(lines.size(), 1) << chart;  // 12 and 14 run only in a bigger field
    EXPECT_EQ(lines[0]->count(), 3);
    EXPECT_EQ(lines[0]->pen().width(), 2);
  }
  EXPECT_EQ(Lines("chtTanSuii2")[0]->name(), " 3");
  auto legendEntries = [&] {
    int n = 0;
    for (QLegendMarker* m : Chart("chtTanSuii2")->legend()->markers()) n += m->isVisible();
    return n;
  };
  EXPECT_EQ(legendEntries(), 1);
  EXPECT_TRUE(Chart("chtTanSuii2")->legend()->isVisible());
  EXPECT_EQ(Bars("chtTanbunpu").size(), 6);
  // The ticks stay when another reading is chosen.
  f.sgOddsTime->setCurrentCell(0, 0);
  EXPECT_EQ(Lines("chtTanSuii2").size(), 1);
  EXPECT_EQ(Lines("chtTanSuii2")[0]->count(), 3);  // trends always run to the latest
  EXPECT_EQ(Lines("chtTanRate").size(), 3);
  f.ChartTabs->btnSuiiClear->click();
  for (QCheckBox* box : f.ChartTabs->chkSuii) EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(Lines("chtTanSuii2").isEmpty());
  EXPECT_EQ(legendEntries(), 0);
  EXPECT_EQ(Lines("chtTanRate").size(), 3);
  // A race without readings: every series removed or emptied.
  f.ChartTabs->chkSuii[0]->setChecked(true);
  f.sgRace->setCurrentCell(1, 0);  // 中山01
  for (const char* chart : {"chtTanRate", "chtRenRate", "chtTanSuii", "chtRenSuii", "chtTanSuii2"})
    EXPECT_TRUE(Lines(chart).isEmpty()) << chart;
  for (QAbstractSeries* line : Chart("chtTanRate")->series())
    EXPECT_EQ(static_cast<QLineSeries*>(line)->count(), 0);
  EXPECT_TRUE(Bars("chtTanbunpu").isEmpty());
  EXPECT_TRUE(Bars("chtRenBunpu").isEmpty());
  EXPECT_EQ(f.ChartTabs->serSoukan->count(), 0);
  f.ChartTabs->btnSuiiRedraw->click();  // no reading: nothing to draw, nothing touched
  EXPECT_TRUE(Lines("chtTanSuii2").isEmpty());
}

// Where point `index` of line `line` of a chart lies in its view's viewport.
QPoint PointPos(QChartView* view, QAbstractSeries* line, QPointF value) {
  QChart* chart = view->chart();
  return view->mapFromScene(chart->mapToScene(chart->mapToPosition(value, line)));
}

// A ToolTip help event at `pos` of the view: the text shown, "" when none
// is shown (the event ignored).
QString TipShown(QChartView* view, QPoint pos) {
  QHelpEvent help(QEvent::ToolTip, pos, view->viewport()->mapToGlobal(pos));
  QApplication::sendEvent(view->viewport(), &help);
  return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(ChartsTest, RestingTheMouseOnALinePointOrBarTellsHorseReadingAndOdds) {
  TMainForm& f = ShowTokyo11({4}, 9);
  f.PageControl1->setCurrentIndex(4);
  QApplication::processEvents();
  const TRace& race = f.FRace;
  auto winTip = [&](int h, int t) {
    const double odds = race.Snapshots[t].Win(h);
    return QString::asprintf("%2d ", h) + FromCp932(race.Runners[h - 1].HorseName) + "\n" +
           f.sgOddsTime->item(t, 0)->text() + "\n" + U("単勝 ") +
           QString::asprintf("%.1f (%.1f%%)", odds, 80 / odds);
  };
  // Far from every line first: no tip.
  auto* rate = f.findChild<QChartView*>("chtTanRate");
  const QRectF plot = rate->chart()->plotArea();
  EXPECT_EQ(TipShown(rate, rate->mapFromScene(rate->chart()->mapToScene(plot.topLeft() + QPointF(8, 8)))), "");
  EXPECT_FALSE(QToolTip::isVisible());
  // The win trend: the line of the first card position (horse 1), on its
  // point of reading 6, and between readings 3 and 4 nearer to 4.
  auto* trend = f.findChild<QChartView*>("chtTanSuii");
  QAbstractSeries* first = trend->chart()->series().at(0);
  auto* firstLine = static_cast<QLineSeries*>(first);
  EXPECT_EQ(TipShown(trend, PointPos(trend, first, firstLine->at(6))), winTip(1, 6));
  const QPointF between = 0.4 * firstLine->at(3) + 0.6 * firstLine->at(4);
  EXPECT_EQ(TipShown(trend, PointPos(trend, first, between)), winTip(1, 4));
  // The rate chart: the latest reading's line (drawn on top) at the first
  // card position, horse 1 at X = 18.
  auto* latest = static_cast<QLineSeries*>(rate->chart()->series().at(14));
  EXPECT_EQ(TipShown(rate, PointPos(rate, latest, latest->at(0))), winTip(1, 14));
  // The correlation: win and pair odds of the point.
  auto* soukan = f.findChild<QChartView*>("chtSoukan");
  const QString pointTip = TipShown(soukan, PointPos(soukan, f.ChartTabs->serSoukan, f.ChartTabs->serSoukan->at(0)));
  ASSERT_EQ(pointTip.count('\n'), 3) << pointTip.toStdString();
  EXPECT_TRUE(pointTip.contains(U("単勝 "))) << pointTip.toStdString();
  EXPECT_TRUE(pointTip.section('\n', 3).startsWith(U("馬連/枠連推定 "))) << pointTip.toStdString();
  // A distribution bar: its bin and a line per horse in it.
  auto* bins = f.findChild<QChartView*>("chtTanbunpu");
  QAbstractSeries* bars = bins->chart()->series().at(0);
  const QList<qreal> counts = Bars("chtTanbunpu");
  const int tallest = static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
  const QString binTip = TipShown(bins, PointPos(bins, bars, QPointF(tallest, counts[tallest] / 2)));
  const QString edge = static_cast<QBarCategoryAxis*>(bins->chart()->axes(Qt::Horizontal).at(0))->at(tallest);
  EXPECT_TRUE(binTip.startsWith(U("単勝 ～") + edge + "%")) << binTip.toStdString();
  EXPECT_EQ(binTip.count('\n'), 1 + static_cast<int>(counts[tallest])) << binTip.toStdString();
  EXPECT_EQ(TipShown(bins, PointPos(bins, bars, QPointF(tallest + 0.5, counts[tallest] / 2))), "");
  // "グラフ2": the ticked horse 4 at the latest reading, the right end.
  f.PageControl1->setCurrentIndex(5);
  QApplication::processEvents();
  auto* chosen = f.findChild<QChartView*>("chtTanSuii2");
  auto* line4 = static_cast<QLineSeries*>(chosen->chart()->series().at(0));
  EXPECT_EQ(TipShown(chosen, PointPos(chosen, line4, line4->at(14))), winTip(4, 14));
}

// The room right of a line chart's plot holds half its last bottom label
// (centred on the axis' end), left of the legend where there is one.
void ExpectLastLabelWhole(QChartView* view) {
  QChart* chart = view->chart();
  auto* bottom = static_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
  ASSERT_FALSE(bottom->categoriesLabels().isEmpty()) << view->objectName().toStdString();
  const qreal half = QFontMetricsF(bottom->labelsFont()).horizontalAdvance(bottom->categoriesLabels().last()) / 2;
  const qreal shown = view->mapToScene(view->viewport()->rect()).boundingRect().right();
  const qreal edge = chart->legend()->isVisible() ? chart->legend()->geometry().left() : shown;
  EXPECT_LE(chart->plotArea().right() + half, edge) << view->objectName().toStdString();
}

// Zoomed with the window: fonts of titles, axes, legend, check boxes and
// buttons at the percent; "グラフ2"'s controls side by side within the
// page; the last bottom labels whole at 995 x 709 and 1600 x 1000.
TEST_F(ChartsTest, ChartsZoomWithTheWindowAndKeepTheirLabelsWhole) {
  TMainForm& f = ShowTokyo11({1, 4, 9});
  auto settle = [] {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  };
  const char* lines[] = {"chtTanRate", "chtRenRate", "chtTanSuii", "chtRenSuii",
                         "chtTanSuii2", "chtFukuSuii2", "chtRenSuii2"};
  for (const QSize size : {QSize(995, 709), QSize(1600, 1000)}) {
    f.resize(size);
    for (int zoom : {100, 200}) {
      f.SetZoom(zoom);
      for (int tab : {4, 5}) {
        f.PageControl1->setCurrentIndex(tab);
        settle();
        for (const char* name : lines)
          if (f.findChild<QChartView*>(name)->isVisible()) ExpectLastLabelWhole(f.findChild<QChartView*>(name));
      }
      QChart* chart = Chart("chtTanSuii2");
      EXPECT_EQ(chart->axes(Qt::Horizontal).at(0)->labelsFont().pixelSize(), zoom * 12 / 100);
      EXPECT_EQ(chart->axes(Qt::Vertical).at(0)->labelsFont().pixelSize(), zoom * 12 / 100);
      EXPECT_EQ(chart->titleFont().pixelSize(), zoom * 12 / 100);
      EXPECT_EQ(chart->legend()->font().pixelSize(), zoom * 12 / 100);
      EXPECT_EQ(Chart("chtTanRate")->titleFont().pixelSize(), zoom * 12 / 100);
      // "グラフ2" (shown last): nothing overlaps, everything within the page.
      if (size.width() < 1600 || zoom == 100) continue;  // the design's boxes overlap by a pixel
      QWidget* page = f.PageControl1->widget(5);
      EXPECT_EQ(f.ChartTabs->chkSuii[17]->font().pixelSize(), zoom * f.font().pixelSize() / 100);
      EXPECT_EQ(f.ChartTabs->chkSuii[17]->style()->pixelMetric(QStyle::PM_IndicatorWidth),
                QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth) * zoom / 100);
      QList<QWidget*> controls = {f.ChartTabs->chtTanSuii2, f.ChartTabs->chtFukuSuii2, f.ChartTabs->chtRenSuii2,
                                  f.ChartTabs->btnSuiiRedraw, f.ChartTabs->btnSuiiClear};
      for (QCheckBox* box : f.ChartTabs->chkSuii) controls.append(box);
      for (QWidget* a : controls) {
        EXPECT_TRUE(page->rect().contains(a->geometry())) << a->objectName().toStdString();
        for (QWidget* b : controls)
          if (a != b)
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " " << b->objectName().toStdString();
      }
      // The check box's caption fits it.
      QCheckBox* last = f.ChartTabs->chkSuii[17];
      EXPECT_GE(last->width(), last->sizeHint().width()) << zoom;
    }
  }
  // Fitted to 1600 x 1000: the charts follow the fitted zoom.
  f.SetZoom(kZoomFit);
  settle();
  EXPECT_GT(f.Zoom(), 100);
  EXPECT_EQ(Chart("chtSoukan")->titleFont().pixelSize(), Zoomed(12, f.Zoom()));
}

TEST_F(ChartsTest, ChartTabsRendered) {
  TMainForm& f = ShowTokyo11({1, 4, 9}, 9);
  const char* dir = std::getenv("VORPA_README_PICTURES");
  const std::pair<int, const char*> tabs[] = {{4, "graph.png"}, {5, "graph2.png"}};
  for (const auto& [tab, name] : tabs) {
    f.PageControl1->setCurrentIndex(tab);
    QApplication::processEvents();  // the page laid out, its labels fitted to it
    const std::string png = dir ? std::string(dir) + "/" + name : config_.File(name);
    ASSERT_TRUE(SaveWidgetPicture(f, png));
    QImage img(QString::fromStdString(png));
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) red += img.pixelColor(x, y) == QColor(0xFF, 0, 0);
    // "グラフ": the selected reading's lines, the bars and the points.
    if (tab == 4) EXPECT_GT(red, 300);
    EXPECT_EQ(img.size(), f.size());
  }
}

}  // namespace
}  // namespace vorpa

// The main window's race list and race card, offscreen: building the list
// of a date of 36 races with 15 readings each, and showing an 18-runner
// race with 15 readings (ShowRace, which runs ShowOdds once), and selecting
// a reading of it with every odds view filled.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QTabWidget>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/Setting.h"
#include "support/RaceFactory.h"
#include "ui/AppForms.h"
#include "ui/ChartTabs.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "view/OddsViews.h"

namespace vorpa {
namespace {

const double kDay = EncodeDate(2026, 12, 6);

// One offscreen application, one window and one data directory for all
// benchmarks of the run.
struct TBenchWindow {
  TBenchWindow() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = std::make_unique<QApplication>(argc, argv);
    char tmpl[] = "/tmp/vorpa-bench-XXXXXX";
    dir = std::string(mkdtemp(tmpl)) + "/";
    std::filesystem::create_directories(dir + "config");
    form = std::make_unique<TMainForm>(dir + "config/");
    CreateAppForms(form.get());
    Setting.MojiPath = dir + "data/";
    test::StoreMeetingDay(Setting.MojiPath, kDay, 15);
  }
  ~TBenchWindow() {
    form.reset();
    std::filesystem::remove_all(dir);
  }
  int argc = 1;
  char arg0[8] = "bench";
  char* argv[2] = {arg0, nullptr};
  std::unique_ptr<QApplication> app;
  std::string dir;
  std::unique_ptr<TMainForm> form;
};

// Made at the first benchmark, closed by main before exit: an application
// left to the static destructors outlives Qt's own globals and crashes.
std::unique_ptr<TBenchWindow>& WindowSlot() {
  static std::unique_ptr<TBenchWindow> w;
  return w;
}

TBenchWindow& Window() {
  std::unique_ptr<TBenchWindow>& w = WindowSlot();
  if (!w) w = std::make_unique<TBenchWindow>();
  return *w;
}

void BM_LoadRaceList(benchmark::State& state) {
  TMainForm& f = *Window().form;
  f.FDate = kDay;
  for (auto _ : state) f.LoadRaceList();
  state.SetLabel(std::to_string(f.sgRace->rowCount()) + " races");
}
BENCHMARK(BM_LoadRaceList)->Unit(benchmark::kMillisecond);

void BM_ShowRace(benchmark::State& state) {
  TMainForm& f = *Window().form;
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(10, 0);  // 東京11
  for (auto _ : state) f.ShowRace();
  state.SetLabel(std::to_string(f.FRace.Header.RunnerCount) + " runners, " +
                 std::to_string(f.FRace.Snapshots.size()) + " readings");
}
BENCHMARK(BM_ShowRace)->Unit(benchmark::kMillisecond);

// The same with the window shown and painted at once afterwards.
void BM_ShowRacePainted(benchmark::State& state) {
  TMainForm& f = *Window().form;
  f.show();
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(10, 0);
  QApplication::processEvents();
  for (auto _ : state) {
    f.ShowRace();
    f.repaint();
  }
  f.hide();
}
BENCHMARK(BM_ShowRacePainted)->Unit(benchmark::kMillisecond);

// A reading selected: the card, the four odds matrices with their sorted
// lists (18 runners, so all of them filled), painted with the largest
// matrix, the quinella one, on show.
// The window shown with 東京11 selected and the quinella tab on show.
TMainForm& ShownOnQuinellaTab() {
  TMainForm& f = *Window().form;
  f.show();
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(10, 0);
  f.PageControl1->setCurrentIndex(1);
  QApplication::processEvents();
  return f;
}

void BM_ShowOddsPainted(benchmark::State& state) {
  TMainForm& f = ShownOnQuinellaTab();
  for (auto _ : state) {
    f.ShowOdds();
    f.repaint();
  }
  state.SetLabel(std::to_string(f.FRace.Header.RunnerCount) + " runners, " +
                 std::to_string(f.FRace.Snapshots.size()) + " readings");
  f.PageControl1->setCurrentIndex(0);
  f.hide();
}
BENCHMARK(BM_ShowOddsPainted)->Unit(benchmark::kMillisecond);

// ShowOdds with the distortion overlay on and the window painted on the
// tab `tab`.
void ShowOddsPaintedWithOverlay(benchmark::State& state, int tab) {
  TMainForm& f = ShownOnQuinellaTab();
  Setting.DistortionShown = true;
  f.PageControl1->setCurrentIndex(tab);
  QApplication::processEvents();
  for (auto _ : state) {
    f.ShowOdds();
    f.repaint();
  }
  Setting.DistortionShown = false;
  f.ShowOdds();
  f.PageControl1->setCurrentIndex(0);
  f.hide();
}

// The same with the distortion overlay on: the fair odds of every pair
// from the win market, each matrix cell coloured by its ratio, with the
// legend and the tooltips.
void BM_ShowOddsPaintedWithOverlay(benchmark::State& state) { ShowOddsPaintedWithOverlay(state, 1); }
BENCHMARK(BM_ShowOddsPaintedWithOverlay)->Unit(benchmark::kMillisecond);

// The overlay on and the tab "推定" on show: its 50 likeliest trios and
// trifectas and 20 most distorted pairs filled at every selection.
void BM_ShowOddsPaintedWithOverlayOnEstimates(benchmark::State& state) { ShowOddsPaintedWithOverlay(state, 8); }
BENCHMARK(BM_ShowOddsPaintedWithOverlayOnEstimates)->Unit(benchmark::kMillisecond);

// The odds part of that alone: the four matrices and sorted lists emptied
// and filled from the reading, and the tab control repainted.
void BM_OddsViewsPainted(benchmark::State& state) {
  TMainForm& f = ShownOnQuinellaTab();
  const TReadingChoice choice = ReadingChoice(f.FRace, f.FOddsIndex);
  for (auto _ : state) {
    const auto views = BuildOddsViews(f.FRace, choice);
    for (size_t k = 0; k < views.size(); ++k) {
      f.OddsTabs[k]->Clear();
      f.OddsTabs[k]->Fill(views[k]);
    }
    f.PageControl1->repaint();
  }
  f.PageControl1->setCurrentIndex(0);
  f.hide();
}
BENCHMARK(BM_OddsViewsPainted)->Unit(benchmark::kMillisecond);

// Every view with all ten charts: all 18 horses ticked for the trends of
// "グラフ2" (2 x 15 rate lines, 2 x 18 trend lines and 3 x 18 chosen-horse
// lines: 120 line series), the window painted with "グラフ" on show and
// then the tab "グラフ2" painted.
void BM_ShowOddsAllChartsPainted(benchmark::State& state) {
  TMainForm& f = *Window().form;
  f.show();
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(10, 0);
  for (QCheckBox* box : f.ChartTabs->chkSuii) box->setChecked(true);
  QApplication::processEvents();
  for (auto _ : state) {
    f.ShowOdds();
    f.PageControl1->setCurrentIndex(4);
    f.repaint();
    f.PageControl1->setCurrentIndex(5);
    f.PageControl1->repaint();
    // What the event loop does between two selections: the charts' posted
    // layout requests and the removed series' deferred deletions.
    QApplication::processEvents();
  }
  int series = 0;
  for (QChartView* view : f.findChildren<QChartView*>())
    for (QAbstractSeries* s : view->chart()->series()) series += s->isVisible();
  state.SetLabel(std::to_string(series) + " series");
  for (QCheckBox* box : f.ChartTabs->chkSuii) box->setChecked(false);
  f.PageControl1->setCurrentIndex(0);
  f.hide();
}
BENCHMARK(BM_ShowOddsAllChartsPainted)->Unit(benchmark::kMillisecond);

// A race shown and every view painted, each tab in turn, in a window of
// 1600 x 1000 at the zoom given (percent): zoomed grids must not make the
// window slower to show a race than at the design size.
void BM_ShowRaceEveryViewPaintedAtZoom(benchmark::State& state) {
  TMainForm& f = *Window().form;
  f.show();
  f.resize(1600, 1000);
  f.SetZoom(static_cast<int>(state.range(0)));
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(10, 0);
  QApplication::processEvents();
  for (auto _ : state) {
    f.ShowRace();
    for (int tab = 0; tab < f.PageControl1->count(); ++tab) {
      f.PageControl1->setCurrentIndex(tab);
      f.repaint();
    }
    QApplication::processEvents();
  }
  state.SetLabel(std::to_string(f.Zoom()) + " %");
  f.SetZoom(100);
  f.PageControl1->setCurrentIndex(0);
  f.resize(995, 709);
  f.hide();
}
BENCHMARK(BM_ShowRaceEveryViewPaintedAtZoom)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The whole selection of a race: its file loaded, then shown.
void BM_LoadSelectedRace(benchmark::State& state) {
  TMainForm& f = *Window().form;
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(10, 0);
  for (auto _ : state) f.LoadSelectedRace();
}
BENCHMARK(BM_LoadSelectedRace)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorpa

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  vorpa::WindowSlot().reset();
  return 0;
}

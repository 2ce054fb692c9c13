// The odds movement in the main window, offscreen, on a race written by the
// test: the change marks of the card, its popularity column and tooltips,
// the framed matrix cell, the race list's mark, the alert window and its
// click, the money and inflow from the history database's win pools, and
// every addition switched off in the settings.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTableWidget>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "ui/AlertForm.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "view/MovementView.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);

// Five runners (horse 5 scratched); between 10:00 and 10:10 horse 1 falls
// from 10.0 to 5.0, horse 3 drifts from 4.0 to 6.0, horses 2 and 4 end at
// equal odds, bracket 1-2 falls from 20.0 to 10.0.
TRace MovingRace() {
  TRace race;
  ClearRace(race, Utf8ToCp932("東京"), 11, kDay);
  race.Header.RunnerCount = 5;
  race.Header.StartTime = EncodeTime(15, 40, 0);
  for (int h = 1; h <= 5; ++h) {
    TSyutuba& s = race.Runner(h);
    s.HorseNo = h;
    s.FrameNo = h;
    s.HorseName = Utf8ToCp932("ハヤテノツキ");
  }
  race.Runner(5).Finish = -1;
  const double odds[2][5] = {{10.0, 3.0, 4.0, 3.5, NoOdds}, {5.0, 3.0, 6.0, 3.0, NoOdds}};
  for (int k = 0; k < 2; ++k) {
    OddsSnapshot s = EmptySnapshot();
    s.WinTime() = EncodeTime(10, 10 * k, 0);
    for (int h = 1; h <= 5; ++h) {
      s.Win(h) = odds[k][h - 1];
      if (odds[k][h - 1] > 0) s.PlaceLow(h) = s.PlaceHigh(h) = odds[k][h - 1] / 2;
    }
    s.PlaceLow(3) = 2.0;  // unchanged: no mark
    s.Bracket(1, 2) = k == 0 ? 20.0 : 10.0;
    s.Bracket(1, 3) = 30.0;
    race.Snapshots.push_back(s);
  }
  return race;
}

class MovementViewsTest : public testing::Test {
 protected:
  void SetUp() override {
    StoreRace(data_.Path(), MovingRace());
    form_ = std::make_unique<TMainForm>(config_.Path());
    Setting.MojiPath = data_.Path();
    form_->OpenDate(kDay);
  }
  void TearDown() override { Setting = TSetting(); }

  // Pixels of colour `c` inside cell (row from 1, col) of a grid as drawn.
  static int Pixels(QTableWidget* g, int row, int col, TColor c) {
    g->resize(g->sizeHint().expandedTo(QSize(800, 400)));
    const QImage img = g->viewport()->grab().toImage();
    const QRect r = g->visualRect(g->model()->index(row - 1, col));
    const QColor want(RedOf(c), GreenOf(c), BlueOf(c));
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const QColor p = img.pixelColor(x, y);
        n += std::abs(p.red() - want.red()) + std::abs(p.green() - want.green()) +
                 std::abs(p.blue() - want.blue()) < 60;
      }
    return n;
  }
  QString Text(QTableWidget* g, int row, int col) { return g->item(row - 1, col)->text(); }

  test::TempDir config_, data_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(MovementViewsTest, CardShowsChangeMarksPopularityAndTooltips) {
  QTableWidget* card = form_->sgSyutuba;
  ASSERT_EQ(form_->FOddsIndex, 1);
  EXPECT_EQ(card->horizontalHeaderItem(kColPopularity)->text(), U("人気"));
  EXPECT_FALSE(card->isColumnHidden(kColPopularity));
  // 3.0 and 3.0 share first place, 5.0 is third, 6.0 fourth; scratched none.
  EXPECT_EQ(Text(card, 1, kColPopularity), U(" 3"));
  EXPECT_EQ(Text(card, 2, kColPopularity), U(" 1"));
  EXPECT_EQ(Text(card, 3, kColPopularity), U(" 4"));
  EXPECT_EQ(Text(card, 4, kColPopularity), U(" 1"));
  EXPECT_EQ(Text(card, 5, kColPopularity), U(""));
  // The odds texts stay as they are; the marks are drawn beside them.
  EXPECT_EQ(Text(card, 1, kColWin), U("   5.0"));
  EXPECT_GT(Pixels(card, 1, kColWin, kClShorter), 4);
  EXPECT_GT(Pixels(card, 1, kColPlace, kClShorter), 4);
  EXPECT_EQ(Pixels(card, 2, kColWin, kClShorter) + Pixels(card, 2, kColWin, kClLonger), 0);
  EXPECT_GT(Pixels(card, 3, kColWin, kClLonger), 4);
  EXPECT_EQ(Pixels(card, 3, kColPlace, kClLonger) + Pixels(card, 3, kColPlace, kClShorter), 0);
  const QString tip = card->item(0, kColWin)->toolTip();
  EXPECT_TRUE(tip.startsWith(U("前回 10.0 (10:00)\n3番人気　支持率 "))) << tip.toStdString();
  EXPECT_TRUE(card->item(1, kColWin)->toolTip().startsWith(U("1番人気"))) << card->item(1, kColWin)->toolTip().toStdString();

  // The reading before has no marks.
  form_->FOddsIndex = 0;
  form_->ShowOdds();
  EXPECT_EQ(Pixels(card, 1, kColWin, kClShorter), 0);
  EXPECT_EQ(Text(card, 1, kColPopularity), U(" 4"));

  // Switched off: no marks, no column.
  Setting.AlertMarks = false;
  Setting.AlertPopularity = false;
  form_->FOddsIndex = 1;
  form_->ShowOdds();
  EXPECT_EQ(Pixels(card, 1, kColWin, kClShorter), 0);
  EXPECT_TRUE(card->isColumnHidden(kColPopularity));
}

TEST_F(MovementViewsTest, FallenMatrixCellIsFramedAndAlertsOpenTheirReading) {
  QTableWidget* bracket = form_->OddsTabs[kPairBracket]->Matrix;
  // Column 2, row 1 and column 1, row 2 hold bracket 1-2; 1-3 did not move.
  EXPECT_GT(Pixels(bracket, 1, 2, kClShorter), 20);
  EXPECT_GT(Pixels(bracket, 2, 1, kClShorter), 20);
  EXPECT_EQ(Pixels(bracket, 1, 3, kClShorter), 0);
  // The sorted list tells each row's popularity.
  EXPECT_EQ(form_->OddsTabs[kPairBracket]->Sorted->item(0, 0)->toolTip(), U("1番人気"));

  EXPECT_GT(Pixels(form_->sgRace, 1, 0, kClShorter), 4);
  EXPECT_TRUE(form_->sgRace->item(0, 0)->toolTip().startsWith(U("アラート 2件")))
      << form_->sgRace->item(0, 0)->toolTip().toStdString();

  // Horse 1: a drop and a share alert at 10:10, newest first.
  form_->actAlerts->trigger();
  ASSERT_NE(form_->AlertForm, nullptr);
  QTableWidget* list = form_->AlertForm->sgAlert;
  ASSERT_EQ(list->rowCount(), 2);
  EXPECT_EQ(Text(list, 1, 0), U("10:10"));
  EXPECT_EQ(Text(list, 1, 1), U("東京11"));
  EXPECT_EQ(Text(list, 2, 3), U("急落"));
  EXPECT_EQ(Text(list, 2, 4), U("10.0→5.0"));
  // A click opens the race at the alert's reading.
  form_->FOddsIndex = 0;
  form_->ShowOdds();
  test::ClickCell(list, 0, 0);
  EXPECT_EQ(form_->FOddsIndex, 1);
  EXPECT_EQ(form_->sgOddsTime->currentRow(), 1);
}

// The same race stored reading by reading as acquisition does, the win
// pool growing from 1,000,000 to 1,200,000 votes: on horse 1 (10.0 to 5.0)
// 8,000,000 yen become 19,200,000.
TEST_F(MovementViewsTest, MoneyAndInflowFromTheHistoryDatabase) {
  test::StoreReadingByReading(data_.Path(), MovingRace(), {1000000, 1200000});
  form_->OpenDate(kDay);
  const QString tip = form_->sgSyutuba->item(0, kColPopularity)->toolTip();
  EXPECT_TRUE(tip.endsWith(U("\n推定投票額 19,200,000円（流入 +11,200,000円）"))) << tip.toStdString();
  form_->actAlerts->trigger();
  QTableWidget* list = form_->AlertForm->sgAlert;
  ASSERT_EQ(list->rowCount(), 3);  // drop, share and now inflow
  EXPECT_EQ(Text(list, 1, 3), U("流入"));
  EXPECT_EQ(Text(list, 1, 6), U("+11,200,000"));
  // The reading before knows its money but no inflow.
  form_->FOddsIndex = 0;
  form_->ShowOdds();
  EXPECT_TRUE(form_->sgSyutuba->item(0, kColPopularity)->toolTip().endsWith(U("\n推定投票額 8,000,000円")));
}

}  // namespace
}  // namespace vorpa

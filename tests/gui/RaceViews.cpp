// The race list, reading times and race card of the main window, on date
// folders written by the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <filesystem>
#include <future>
#include <thread>
#include <QPushButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "history/HistoryDb.h"
#include "history/Sqlite.h"
#include "ipat/RaceHold.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"
#include "ui/SelDateForm.h"
#include "view/RaceCard.h"
#include "view/RaceList.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);

class RaceViewsTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TMainForm>(config_.Path());
    forms_ = CreateAppForms(form_.get());
    Setting.MojiPath = data_.Path();
    Remarks.Items.clear();
  }
  void TearDown() override { Setting = TSetting(); }

  QString Cell(QTableWidget* g, int row, int col) {
    const QTableWidgetItem* item = g->item(row - 1, col);
    return item ? item->text() : QString("<none>");
  }
  // The card as the view layer builds it for the stored race.
  TCardView Expected(const char* venue, int no, int order, int reading) {
    TRace r;
    LoadRace(data_.Path(), Utf8ToCp932(venue), no, r, kDay);
    return BuildCard(r, order, reading);
  }
  void ExpectCard(const TCardView& card) {
    for (size_t k = 0; k < card.Rows.size(); ++k)
      for (int c = 0; c < kCardColumns; ++c)
        ASSERT_EQ(Cell(form_->sgSyutuba, k + 1, c), QString::fromStdString(Cp932ToUtf8(card.Rows[k][c])))
            << "row " << k + 1 << " col " << c;
  }
  void Store(test::RaceRecipe r, int hh, int mm) {
    r.Date = kDay;
    TRace race = test::MakeRace(r);
    race.Header.StartTime = (hh || mm) ? EncodeTime(hh, mm, 0) : 0;
    StoreRace(data_.Path(), race);
  }
  QStringList RaceColumn() {
    QStringList col;
    for (int r = 1; r <= form_->sgRace->rowCount(); ++r) col << Cell(form_->sgRace, r, 0);
    return col;
  }

  test::TempDir config_, data_;
  std::unique_ptr<TMainForm> form_;
  TAppForms forms_;
};

TEST_F(RaceViewsTest, GridsHaveTheirColumnsAndHeaders) {
  TMainForm& f = *form_;
  ASSERT_EQ(f.sgRace->columnCount(), 3);
  EXPECT_EQ(f.sgRace->horizontalHeaderItem(0)->text(), U("レース"));
  EXPECT_EQ(f.sgRace->horizontalHeaderItem(2)->text(), U("決着"));
  EXPECT_EQ(f.sgRace->columnWidth(2), 88);
  EXPECT_EQ(f.sgOddsTime->horizontalHeaderItem(0)->text(), U("取得"));
  EXPECT_EQ(f.sgOddsTime->columnWidth(0), 33);
  ASSERT_EQ(f.sgSyutuba->columnCount(), 17);  // the 16 card columns and 人気
  EXPECT_EQ(f.sgSyutuba->rowCount(), 18);
  EXPECT_EQ(f.sgSyutuba->horizontalHeaderItem(2)->text(), U("馬　名"));
  EXPECT_EQ(f.sgSyutuba->horizontalHeaderItem(13)->text(), U("馬連"));
  EXPECT_EQ(f.sgSyutuba->columnWidth(12), 73);
  // The start orders from the settings are checked.
  EXPECT_TRUE(f.actSortNo->isChecked());
  EXPECT_FALSE(f.actSortTanOdds->isChecked());
  EXPECT_TRUE(f.actSortKaisaiKaisai->isChecked());
  EXPECT_FALSE(f.actSortKaisaiTime->isChecked());
}

TEST_F(RaceViewsTest, OpenDateListsTheDayAndShowsTheFirstRace) {
  test::StoreMeetingDay(data_.Path(), kDay);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  ASSERT_EQ(f.sgRace->rowCount(), 36);
  EXPECT_EQ(Cell(f.sgRace, 1, 0), U("東京01"));
  EXPECT_EQ(Cell(f.sgRace, 12, 0), U("東京12"));
  EXPECT_EQ(Cell(f.sgRace, 13, 0), U("中山01"));
  EXPECT_EQ(Cell(f.sgRace, 36, 0), U("阪神12"));
  EXPECT_EQ(Cell(f.sgRace, 1, 1), "15:40");
  TRace r;
  LoadRace(data_.Path(), Utf8ToCp932("東京"), 1, r, kDay);
  EXPECT_EQ(Cell(f.sgRace, 1, 2), QString::fromStdString(FinishText(r)));
  EXPECT_EQ(Cell(f.sgRace, 1, 2).size(), 14);
  // Row 1 is loaded with its newest reading.
  EXPECT_TRUE(f.FRaceLoaded);
  EXPECT_EQ(f.FOddsIndex, 14);
  ASSERT_EQ(f.sgOddsTime->rowCount(), 15);
  EXPECT_EQ(Cell(f.sgOddsTime, 1, 0), "09:30");
  EXPECT_EQ(Cell(f.sgOddsTime, 15, 0), "14:10");
  EXPECT_EQ(f.sgOddsTime->currentRow(), 14);
  EXPECT_EQ(f.lblRaceInfo->text(), U(" 26/12/06 東京 5回 8日 1R 雪灯ステークス"));
  EXPECT_EQ(f.lblRaceInfo2->text(),
            U(" サラ系３歳以上 オープン（国際）（指定）　定量 18頭 芝・左 2400m 晴 良"));
  ExpectCard(Expected("東京", 1, kOrderNo, 14));
  EXPECT_EQ(Cell(f.sgSyutuba, 1, 0), " 1");
  EXPECT_FALSE(Cell(f.sgSyutuba, 1, kColWin).isEmpty());
}

TEST_F(RaceViewsTest, SelectingRacesAndReadings) {
  test::StoreMeetingDay(data_.Path(), kDay, 4);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(13, 0);  // 中山02
  EXPECT_EQ(f.FRace.Header.RaceNo, 2);
  EXPECT_EQ(f.FOddsIndex, 3);
  ExpectCard(Expected("中山", 2, kOrderNo, 3));
  f.sgOddsTime->setCurrentCell(0, 0);
  EXPECT_EQ(f.FOddsIndex, 0);
  ExpectCard(Expected("中山", 2, kOrderNo, 0));
  // The card orders redraw the selected reading.
  f.actSortTanOdds->trigger();
  EXPECT_EQ(f.FUmaOrder, kOrderWin);
  EXPECT_TRUE(f.actSortTanOdds->isChecked());
  EXPECT_FALSE(f.actSortNo->isChecked());
  // Only the current order's tool button is shown down.
  EXPECT_TRUE(f.findChild<QToolButton*>("tbSortTanOdds")->isChecked());
  for (const char* other : {"tbSortNo", "tbSortFukuOdds", "tbSortRenOdds"})
    EXPECT_FALSE(f.findChild<QToolButton*>(other)->isChecked()) << other;
  ExpectCard(Expected("中山", 2, kOrderWin, 0));
  f.actSortFukuOdds->trigger();
  ExpectCard(Expected("中山", 2, kOrderPlace, 0));
  f.actSortRenOdds->trigger();
  EXPECT_TRUE(f.actSortRenOdds->isChecked());
  ExpectCard(Expected("中山", 2, kOrderRen, 0));
  // A refresh keeps the selected race and the reading chosen.
  f.actRefresh->trigger();
  EXPECT_EQ(f.sgRace->currentRow(), 13);
  EXPECT_EQ(f.FRace.Header.RaceNo, 2);
  EXPECT_EQ(f.FOddsIndex, 0);
  EXPECT_EQ(f.sgOddsTime->currentRow(), 0);
}

TEST_F(RaceViewsTest, TimeOrderPutsRacesWithoutPostTimeFirst) {
  test::RaceRecipe r;
  r.Readings = 1;
  r.VenueUtf8 = "中山";
  r.RaceNo = 1;
  Store(r, 10, 0);
  r.RaceNo = 2;
  Store(r, 10, 30);
  r.VenueUtf8 = "京都";
  r.RaceNo = 1;
  Store(r, 9, 50);
  r.VenueUtf8 = "小倉";
  r.RaceNo = 1;
  Store(r, 10, 0);
  r.VenueUtf8 = "阪神";
  r.RaceNo = 5;
  Store(r, 0, 0);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  EXPECT_EQ(RaceColumn(), (QStringList{U("中山01"), U("中山02"), U("京都01"), U("阪神05"), U("小倉01")}));
  f.actSortKaisaiTime->trigger();
  EXPECT_TRUE(f.actSortKaisaiTime->isChecked());
  EXPECT_FALSE(f.actSortKaisaiKaisai->isChecked());
  EXPECT_EQ(RaceColumn(), (QStringList{U("阪神05"), U("京都01"), U("中山01"), U("小倉01"), U("中山02")}));
  EXPECT_EQ(Cell(f.sgRace, 1, 1), "00:00");
  EXPECT_EQ(f.sgRace->currentRow(), 0);
  EXPECT_EQ(f.FRace.Header.RaceNo, 5);
}

TEST_F(RaceViewsTest, AnEndedThreadRefreshesTheListKeepingTheRace) {
  test::RaceRecipe r;
  r.Readings = 2;
  r.RaceNo = 2;
  Store(r, 10, 30);
  r.RaceNo = 3;
  Store(r, 11, 0);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(1, 0);  // 東京03
  // The acquisition stores race 1 and one more reading of race 3.
  r.RaceNo = 1;
  Store(r, 10, 0);
  r.RaceNo = 3;
  r.Readings = 3;
  Store(r, 11, 0);
  std::thread worker([] {});
  const std::thread::id id = worker.get_id();
  worker.join();
  f.FIPatThread.Register(nullptr, id);
  f.ThreadEnd(id);
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return f.sgRace->rowCount() == 3; }));
  EXPECT_FALSE(f.FIPatThread.IsSet());
  EXPECT_EQ(RaceColumn(), (QStringList{U("東京01"), U("東京02"), U("東京03")}));
  EXPECT_EQ(f.sgRace->currentRow(), 2);
  EXPECT_EQ(f.FRace.Header.RaceNo, 3);
  EXPECT_EQ(f.sgOddsTime->rowCount(), 3);
  EXPECT_EQ(f.FOddsIndex, 2);
}

TEST_F(RaceViewsTest, EmptyDateShowsOneEmptyRow) {
  std::filesystem::create_directories(DateDirPath(data_.Path(), kDay));
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  EXPECT_EQ(f.sgRace->rowCount(), 1);
  EXPECT_EQ(Cell(f.sgRace, 1, 0), "");
  EXPECT_FALSE(f.FRaceLoaded);
  EXPECT_EQ(f.FOddsIndex, -1);
}

TEST_F(RaceViewsTest, ScratchedRunnerAndRaceWithoutReadings) {
  test::RaceRecipe r;
  r.Scratched = 4;
  r.Readings = 0;
  Store(r, 15, 40);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  EXPECT_EQ(Cell(f.sgRace, 1, 2), "  *");  // finished, but no reading
  EXPECT_EQ(f.sgOddsTime->rowCount(), 1);
  EXPECT_EQ(Cell(f.sgOddsTime, 1, 0), "");
  EXPECT_EQ(f.FOddsIndex, -1);
  EXPECT_EQ(Cell(f.sgSyutuba, 4, kColFinish), U("×"));
  EXPECT_EQ(Cell(f.sgSyutuba, 4, kColWin), "");
  EXPECT_EQ(Cell(f.sgSyutuba, 18, kColHorseNo), " 18");
  // Redrawing (as the chart tab's buttons do) keeps number order, no odds.
  f.actSortTanOdds->trigger();
  f.ShowOdds();
  EXPECT_EQ(Cell(f.sgSyutuba, 1, kColHorseNo), "  1");
  EXPECT_EQ(Cell(f.sgSyutuba, 1, kColWin), "");
}

TEST_F(RaceViewsTest, DeletingTheOnlyReading) {
  test::RaceRecipe r;
  r.Readings = 1;
  Store(r, 15, 40);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  ASSERT_EQ(f.FOddsIndex, 0);
  // No keeps everything.
  QString question;
  test::WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    question = box->text();
    box->button(QMessageBox::No)->click();
  });
  f.actDelTimedata->trigger();
  EXPECT_EQ(question, U("09:30のデータを消去しますか?\n一度消去すると復活できません。"));
  EXPECT_EQ(f.FRace.Snapshots.size(), 1u);
  test::WhenModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); });
  f.actDelTimedata->trigger();
  EXPECT_TRUE(f.FRace.Snapshots.empty());
  EXPECT_EQ(f.FOddsIndex, -1);
  EXPECT_EQ(f.sgOddsTime->rowCount(), 1);
  EXPECT_EQ(Cell(f.sgOddsTime, 1, 0), "");
  EXPECT_EQ(Cell(f.sgSyutuba, 1, kColHorseNo), "  1");
  EXPECT_EQ(Cell(f.sgSyutuba, 1, kColWin), "");
  TRace stored;
  LoadRace(data_.Path(), Utf8ToCp932("東京"), 11, stored, kDay);
  EXPECT_TRUE(stored.Snapshots.empty());
  EXPECT_EQ(stored.Header.RunnerCount, 18);
  // The history database follows the stored file.
  TSqlite db;
  ASSERT_TRUE(db.Open(HistoryDbPath(data_.Path()), TSqlite::Mode::ReadOnly, 2000));
  EXPECT_EQ(db.QueryInt("SELECT count(*) FROM runners", -1), 18);
  EXPECT_EQ(db.QueryInt("SELECT count(*) FROM win_readings", -1), 0);
  // Nothing left to delete: no question.
  bool asked = false, looked = false;
  QTimer::singleShot(50, [&] {
    looked = true;
    if (QWidget* w = QApplication::activeModalWidget()) {
      asked = true;
      w->close();
    }
  });
  f.actDelTimedata->trigger();
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return looked; }));
  EXPECT_FALSE(asked);
}

// An acquisition run holds its race from loading the file to storing it.
// A deletion asked for meanwhile takes the chosen time from the file as the
// run left it: the run's new reading stays, the deleted one stays deleted.
TEST_F(RaceViewsTest, DeletingAReadingWhileARunHoldsTheRaceKeepsTheRunsReading) {
  test::RaceRecipe r;
  r.Readings = 3;  // 09:30, 09:50, 10:10
  Store(r, 15, 40);
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  f.sgOddsTime->setCurrentCell(1, 0);
  ASSERT_EQ(f.FOddsIndex, 1);
  const std::string venue = Utf8ToCp932("東京");
  const std::string path = RaceFilePath(data_.Path(), venue, 11, kDay);
  // A run that adds the reading of `hh:mm` to the race as it finds it.
  auto run = [&](int hh, int mm, std::future<void> go) {
    TRaceHold hold;
    hold.Take(path, [] { return false; });
    TRace race;
    LoadRace(data_.Path(), venue, 11, race, kDay);
    go.wait();
    race.Snapshots.push_back(race.Snapshots.back());
    race.Snapshots.back().WinTime() = EncodeTime(hh, mm, 0);
    ASSERT_TRUE(StoreRace(data_.Path(), race));
  };
  auto stored = [&] {
    TRace race;
    LoadRace(data_.Path(), venue, 11, race, kDay);
    return ReadingTimeTexts(race);
  };
  std::promise<void> go;
  std::thread first(run, 10, 30, go.get_future());
  // The run has the race once its hold is taken: another Take would wait.
  ASSERT_TRUE(test::ProcessEventsUntil([&] {
    TRaceHold probe;
    return !probe.Take(path, [] { return true; });
  }));
  test::WhenModal([&](QWidget* w) {
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
    go.set_value();  // the run stores while the window deletes
  });
  f.actDelTimedata->trigger();
  first.join();
  EXPECT_EQ(stored(), (std::vector<std::string>{"09:30", "10:10", "10:30"}));
  EXPECT_EQ(f.sgOddsTime->rowCount(), 3);
  EXPECT_EQ(Cell(f.sgOddsTime, 3, 0), "10:30");
  EXPECT_EQ(f.FOddsIndex, 2) << "the newest reading is shown";
  // The history database follows the file as stored.
  TSqlite db;
  ASSERT_TRUE(db.Open(HistoryDbPath(data_.Path()), TSqlite::Mode::ReadOnly, 2000));
  EXPECT_EQ(db.QueryInt("SELECT count(DISTINCT taken_at) FROM win_readings", -1), 3);
  EXPECT_EQ(db.QueryInt("SELECT count(*) FROM win_readings WHERE taken_at = '09:50:00'", -1), 0);
  // The next run finds the reading deleted.
  std::promise<void> now;
  now.set_value();
  std::thread(run, 10, 50, now.get_future()).join();
  EXPECT_EQ(stored(), (std::vector<std::string>{"09:30", "10:10", "10:30", "10:50"}));
}

TEST_F(RaceViewsTest, ClicksRightClickAndCopy) {
  test::RaceRecipe r;
  r.Readings = 2;
  Store(r, 15, 40);
  TMainForm& f = *form_;
  f.show();
  f.OpenDate(kDay);
  std::vector<TCalcRow> bets;
  QObject::connect(&f, &TMainForm::CardBetClicked, [&](const TCalcRow& b) { bets.push_back(b); });
  auto click = [&](int row, int col, Qt::MouseButton button) {
    test::ClickCell(f.sgSyutuba, row - 1, col, button);
  };
  click(3, kColWin, Qt::LeftButton);
  click(3, kColPlace, Qt::LeftButton);
  click(3, kColRen, Qt::LeftButton);
  ASSERT_EQ(bets.size(), 2u);
  EXPECT_EQ(U(Cp932ToUtf8(bets[0].Kind).c_str()), U("単"));
  EXPECT_EQ(bets[0].Combination, "  3");
  EXPECT_EQ(QString::fromStdString(bets[0].Odds), Cell(f.sgSyutuba, 3, kColWin));
  EXPECT_EQ(U(Cp932ToUtf8(bets[1].Kind).c_str()), U("複"));
  EXPECT_EQ(QString::fromStdString(bets[1].Odds), Cell(f.sgSyutuba, 3, kColPlace).section('-', 0, 0));
  // A right click makes the cell current (and adds no bet); copy takes it.
  click(5, kColJockey, Qt::RightButton);
  QApplication::processEvents();
  EXPECT_EQ(f.sgSyutuba->currentRow(), 4);
  EXPECT_EQ(f.sgSyutuba->currentColumn(), kColJockey);
  EXPECT_EQ(bets.size(), 2u);
  ASSERT_TRUE(f.actCopy->isEnabled());
  f.actCopy->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), Cell(f.sgSyutuba, 5, kColJockey));
  // An empty cell (the tenth has no margin shown) disables copying.
  f.sgSyutuba->setCurrentCell(9, kColMargin);
  EXPECT_FALSE(f.actCopy->isEnabled());
}

TEST_F(RaceViewsTest, SelDateWithoutDataDirectorySaysSo) {
  Setting.MojiPath.clear();
  QString text;
  test::WhenModal([&](QWidget* w) {
    text = qobject_cast<QMessageBox*>(w)->text();
    w->close();
  });
  form_->actSelDate->trigger();
  EXPECT_EQ(text, U("データフォルダが設定されていません。"));
  EXPECT_EQ(form_->FDate, 0);
}

TEST_F(RaceViewsTest, SelDateOpensTheChosenDate) {
  test::StoreMeetingDay(data_.Path(), kDay, 1);
  TPinnedClock clock(kDay);
  forms_.SelDate->SetClock(&clock);
  test::WhenModal([](QWidget* w) {
    auto* dialog = qobject_cast<TSelDateForm*>(w);
    ASSERT_TRUE(dialog);
    dialog->sgMonth->setCurrentCell(0, 11);  // December: the 6th
    dialog->btnOK->click();
  });
  form_->actSelDate->trigger();
  EXPECT_EQ(form_->FDate, kDay);
  EXPECT_EQ(form_->sgRace->rowCount(), 36);
  EXPECT_TRUE(form_->FRaceLoaded);
}

}  // namespace
}  // namespace vorpa

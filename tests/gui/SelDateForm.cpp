// The meeting-date dialog on date folders made by the test.
#include "ui/SelDateForm.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::U;

class SelDateFormTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* d : {"2003/1012", "2004/0103", "2004/0104", "2004/0110", "2004/0201", "tmp"})
      std::filesystem::create_directories(data_.File(d));
    Setting.MojiPath = data_.Path();
    form_.SetClock(&clock_);
  }
  void TearDown() override { Setting = TSetting(); }

  // Opens the dialog, lets `act` work on it, and returns the exec result.
  int Run(const std::function<void(TSelDateForm&)>& act) {
    test::WhenModal([&](QWidget*) { act(form_); });
    return form_.exec();
  }
  QString Cell(QTableWidget* g, int row, int col) {
    const QTableWidgetItem* item = g->item(row - 1, col);
    return item ? item->text() : QString("<none>");
  }

  test::TempDir data_;
  TPinnedClock clock_{EncodeDate(2004, 6, 1)};
  TSelDateForm form_;
};

TEST_F(SelDateFormTest, CaptionHeadingsAndButtons) {
  EXPECT_EQ(form_.windowTitle(), U("開催日選択"));
  EXPECT_EQ(form_.sgYear->horizontalHeaderItem(0)->text(), U("  年"));
  ASSERT_EQ(form_.sgMonth->columnCount(), 12);
  EXPECT_EQ(form_.sgMonth->horizontalHeaderItem(0)->text(), U(" 1月"));
  EXPECT_EQ(form_.sgMonth->horizontalHeaderItem(11)->text(), U("12月"));
  EXPECT_EQ(form_.btnOK->text(), U("選択"));
  EXPECT_TRUE(form_.btnOK->isDefault());
  EXPECT_EQ(form_.btnCancel->text(), U("キャンセル"));
}

TEST_F(SelDateFormTest, YearsAndTheMonthTableOfTheCurrentYear) {
  Run([this](TSelDateForm& f) {
    ASSERT_EQ(f.sgYear->rowCount(), 2);
    EXPECT_EQ(Cell(f.sgYear, 1, 0), "2003");
    EXPECT_EQ(Cell(f.sgYear, 2, 0), "2004");
    EXPECT_EQ(f.sgYear->currentRow(), 1);
    ASSERT_EQ(f.sgMonth->rowCount(), 3);
    EXPECT_EQ(Cell(f.sgMonth, 1, 0), "  3");
    EXPECT_EQ(Cell(f.sgMonth, 2, 0), "  4");
    EXPECT_EQ(Cell(f.sgMonth, 3, 0), " 10");
    EXPECT_EQ(Cell(f.sgMonth, 1, 1), "  1");
    EXPECT_EQ(Cell(f.sgMonth, 2, 1), "");
    // Clicking the other year shows its dates.
    f.sgYear->setCurrentCell(0, 0);
    EXPECT_EQ(f.sgMonth->rowCount(), 1);
    EXPECT_EQ(Cell(f.sgMonth, 1, 9), " 12");
    EXPECT_EQ(Cell(f.sgMonth, 1, 0), "");
    f.reject();
  });
}

TEST_F(SelDateFormTest, AYearNotPresentSelectsTheLast) {
  clock_.Set(EncodeDate(2005, 1, 1));
  Run([this](TSelDateForm& f) {
    EXPECT_EQ(f.sgYear->currentRow(), 1);
    EXPECT_EQ(Cell(f.sgMonth, 3, 0), " 10");
    f.btnCancel->click();
  });
  clock_.Set(EncodeDate(2003, 1, 1));
  Run([this](TSelDateForm& f) {
    EXPECT_EQ(f.sgYear->currentRow(), 0);
    f.btnCancel->click();
  });
}

TEST_F(SelDateFormTest, ChoosingADate) {
  int result = Run([](TSelDateForm& f) {
    f.sgMonth->setCurrentCell(2, 0);
    f.btnOK->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(form_.Date(), EncodeDate(2004, 1, 10));
}

TEST_F(SelDateFormTest, AnEmptyCellAsksForADate) {
  QString error;
  int result = Run([&](TSelDateForm& f) {
    f.sgMonth->setCurrentCell(1, 1);  // below February's only date
    test::WhenModal([&](QWidget* box) {
      error = qobject_cast<QMessageBox*>(box)->text();
      box->close();
    });
    f.btnOK->click();
    // The dialog stays open after the error.
    EXPECT_TRUE(f.isVisible());
    f.reject();
  });
  EXPECT_EQ(error, U("日付を選択してください。"));
  EXPECT_EQ(result, QDialog::Rejected);
}

// The dialog opens on the newest date that holds race files (not the
// newest folder), and a double click on a date chooses it.
TEST_F(SelDateFormTest, OpensOnTheNewestRaceDateAndTakesADoubleClick) {
  test::WriteFileBytes(data_.File("2003/1012/") + "東京01.MJO", "VORPADAT 2.1\r\n");
  test::WriteFileBytes(data_.File("2004/0104/") + "中山11.MJO", "VORPADAT 2.1\r\n");
  int result = Run([this](TSelDateForm& f) {
    EXPECT_EQ(f.sgYear->currentRow(), 1);
    EXPECT_EQ(f.sgMonth->currentRow(), 1);
    EXPECT_EQ(f.sgMonth->currentColumn(), 0);
    EXPECT_EQ(f.sgMonth->currentItem()->text(), "  4");
    // A double click on 1月3日.
    test::ClickCell(f.sgMonth, 0, 0);
    QWidget* vp = f.sgMonth->viewport();
    const QPoint at = f.sgMonth->visualItemRect(f.sgMonth->item(0, 0)).center();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, vp->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &dbl);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(form_.Date(), EncodeDate(2004, 1, 3));
  std::filesystem::remove(data_.File("2004/0104/") + "中山11.MJO");
  result = Run([this](TSelDateForm& f) {
    EXPECT_EQ(f.sgYear->currentRow(), 0);  // 2003 holds the only race file
    EXPECT_EQ(f.sgMonth->currentColumn(), 9);
    f.reject();
  });
}

TEST_F(SelDateFormTest, EmptyDataDirectoryFillsNothing) {
  Setting.MojiPath.clear();
  Run([this](TSelDateForm& f) {
    EXPECT_EQ(Cell(f.sgYear, 1, 0), "");
    f.reject();
  });
}

}  // namespace
}  // namespace vorpa

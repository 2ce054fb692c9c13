// Acquisition from the main window against a real vorpa-ipatd: the start
// routine's warnings, a run filling the log list and the race list, and
// the automatic exit after a completed day.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "support/GuiHelpers.h"
#include "support/IpatdServer.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"

namespace vorpa {
namespace {

using test::U;

double At(const char* text) {
  double v = 0;
  EXPECT_TRUE(TryTextToDateTime(text, &v));
  return v;
}

void WriteIni(const test::TempDir& dir, const std::string& lines) {
  test::WriteFileBytes(dir.File("Vorpa.Ini"), "[vorpa]\r\n" + lines);
}

TEST(MainFrmIPat, StartRoutineWarnsOfEachMissingSettingAndStaysChecked) {
  struct Case {
    std::string Ini;
    const char* Warning;
  };
  test::TempDir data;
  const Case cases[] = {
      {"", "INET ID とデータ保存ディレクトリを設定してください。"},
      {"MojiPath=" + data.Path() + "\r\n", "INET IDを設定してください。"},
      {"INetID=ABCD1234\r\n", "データ保存ディレクトリを設定してください。"},
  };
  for (const Case& c : cases) {
    test::TempDir config;
    WriteIni(config, c.Ini);
    TPinnedClock clock(At("2026-12-06 10:00:00"));
    TMainForm form(config.Path(), &clock);
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    test::WhenModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      text = box->text();
      icon = box->icon();
      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
      box->button(QMessageBox::Ok)->click();
    });
    form.actIPat->trigger();
    EXPECT_EQ(text, U(c.Warning));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(form.actIPat->isChecked());
    EXPECT_FALSE(form.FIPatThread.IsSet());
  }
}

class MainFrmRun : public testing::Test {
 protected:
  void Start(const char* now, const std::string& extraIni = "") {
    server_ = std::make_unique<test::IpatdServer>(std::vector<std::string>{"--seed", "7", "--now", now});
    WriteIni(config_, "INetID=GUI00001\r\nMojiPath=" + data_.Path() + "\r\nIPatHost=" +
                          server_->Host() + "\r\n" + extraIni);
    clock_ = std::make_unique<TPinnedClock>(At(now));
    form_ = std::make_unique<TMainForm>(config_.Path(), clock_.get());
    form_->show();
    form_->StartAcquisition();
  }

  QStringList LogItems() const {
    QStringList items;
    for (int i = 0; i < form_->lstLog->count(); ++i) items << form_->lstLog->item(i)->text();
    return items;
  }

  test::TempDir config_, data_;
  std::unique_ptr<test::IpatdServer> server_;
  std::unique_ptr<TPinnedClock> clock_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(MainFrmRun, ARunFillsTheLogListAndOpensItsDate) {
  Start("2026-12-06 14:30:00");
  ASSERT_TRUE(form_->FIPatThread.IsSet());
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return !form_->FIPatThread.IsSet(); }));
  const QStringList log = LogItems();
  ASSERT_EQ(log.size(), 4);
  EXPECT_EQ(log[3], U("14:30:00 情報取得終了"));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(log[i].endsWith(U("R 取得"))) << log[i].toStdString();
  // The run's date was opened and the race list shows its races.
  EXPECT_EQ(form_->FDate, At("2026-12-06 00:00:00"));
  EXPECT_GE(form_->sgRace->rowCount(), 20);
  // Switching acquisition off stops nothing that has ended.
  form_->actIPat->trigger();
  EXPECT_FALSE(form_->actIPat->isChecked());
}

TEST_F(MainFrmRun, ACompletedDayWithAutoExitClosesWithoutAQuestion) {
  bool asked = false;
  Start("2026-12-06 18:00:00", "AutoExit=1\r\n");
  // A question would run its own event loop: a timer answers it.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      asked = true;
      modal->close();
    }
  });
  watch.start(10);
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return !form_->isVisible(); }));
  EXPECT_FALSE(asked);
  EXPECT_TRUE(form_->FAutoExiting);
  EXPECT_EQ(form_->FIPat.IPatState, TIPat::AllDone);
  EXPECT_EQ(LogItems().last(), U("18:00:00 全情報取得完了"));
}

// AutoIPat on a Sunday and --acquire both ask for the start: it runs once.
TEST(MainFrmIPat, AcquireOnARaceDayWithAutoIPatStartsOnce) {
  test::IpatdServer server({"--seed", "7", "--now", "2026-12-06 14:30:00"});
  test::TempDir config, data;
  WriteIni(config, "INetID=GUI00003\r\nAutoIPat=1\r\nMojiPath=" + data.Path() + "\r\nIPatHost=" +
                       server.Host() + "\r\n");
  TPinnedClock clock(At("2026-12-06 14:30:00"));
  TMainForm form(config.Path(), &clock);
  form.StartAcquisitionSoon();  // what --acquire does
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return form.FIPat.ActionCount > 0 && !form.FIPatThread.IsSet(); }));
  QApplication::processEvents();
  EXPECT_EQ(form.FIPat.ActionCount, 1);
  for (int i = 0; i < form.lstLog->count(); ++i) EXPECT_NE(form.lstLog->item(i)->text(), U("スレッドエラー"));
  Setting = TSetting();
}

// The window's own timer on a clock 1200 times as fast carries a finished
// Sunday over the pause window into Monday's login.
TEST(MainFrmIPat, TheTimerCarriesTheSessionThroughTheDaySwitch) {
  test::IpatdServer server({"--seed", "7", "--clock-start", "2026-12-06 18:55:00", "--clock-rate", "1200"});
  test::TempDir config, data;
  WriteIni(config, "INetID=GUI00004\r\nIPatChkCycle=1\r\nMojiPath=" + data.Path() + "\r\nIPatHost=" +
                       server.Host() + "\r\n");
  TPinnedClock clock(At("2026-12-06 18:55:00"), true, 1200);
  TMainForm form(config.Path(), &clock);
  EXPECT_EQ(form.tmIPAT->interval(), 50);  // one minute of the clock
  form.show();
  form.StartAcquisition();
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return form.FIPat.ActionCount > 0 && !form.FIPatThread.IsSet(); }));
  EXPECT_EQ(form.FIPat.MeetingDate, At("2026-12-06 00:00:00"));
  bool paused = false;
  ASSERT_TRUE(test::ProcessEventsUntil([&] {
    const double t = TimeOf(clock.Now());
    paused = paused || (t > EncodeTime(19, 1, 0) && t < EncodeTime(19, 59, 0) && !form.FIPatThread.IsSet() &&
                        form.FIPat.MeetingDate == At("2026-12-06 00:00:00"));
    return form.FIPat.MeetingDate == At("2026-12-07 00:00:00") && !form.FIPatThread.IsSet();
  }));
  EXPECT_TRUE(paused);
  EXPECT_GT(TimeOf(clock.Now()), EncodeTime(20, 0, 0));
  EXPECT_GE(form.FIPat.ActionCount, 2);
  Setting = TSetting();
}

}  // namespace
}  // namespace vorpa

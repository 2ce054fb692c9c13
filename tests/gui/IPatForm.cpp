// The acquisition status window: labels from a session, the log kept only
// while the window is visible, closing by button, Enter and Escape.
#include "ipat/IPatForm.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <atomic>
#include <thread>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "support/GuiHelpers.h"
#include "support/IPatPageBuilder.h"
#include "support/TempDir.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"

namespace vorpa {
namespace {

using test::U;

class IPatFormTest : public testing::Test {
 protected:
  IPatFormTest() : clock_(EncodeDate(2026, 12, 6) + 0.5), ipat_(setting_, clock_) {
    ipat_.Init();
    ipat_.MeetingDate = EncodeDate(2026, 12, 6);
    ipat_.SessionKey = "KEY";
    ipat_.MeetingCode[1].Code = "50323";
    ipat_.CurVenue = 1;
    ipat_.CurRace = 11;
    ipat_.Status[1][11] = {};
    ipat_.Status[1][11].Listed = true;
    ipat_.Status[1][11].FinalMark = true;   // listed "(最終)"
    ipat_.Status[1][11].ResultMark = true;  // marked "(全馬)"
  }
  QString Log() const { return form_.memInfo->toPlainText(); }
  QStringList Labels() const {
    QStringList texts;
    for (QLabel* l : {form_.lblIPatState, form_.lblKaisaichi, form_.lblRaceNo, form_.lblActionCount,
                      form_.lblAccessCount, form_.lblErrRetryCount, form_.lblErrWaitCount})
      texts << l->text();
    return texts;
  }
  // One run's worth of calls, as the thread makes them.
  void Run() {
    for (uint8_t st : {TIPat::Login, TIPat::MeetingInfo, TIPat::LoadData, TIPat::RaceCard}) {
      ipat_.IPatState = st;
      form_.IPatStateToForm(ipat_);
      form_.ShowRaceInfo(ipat_);
    }
  }

  TSetting setting_;
  TPinnedClock clock_;
  TIPat ipat_;
  TIPatForm form_;
};

TEST_F(IPatFormTest, CaptionControlsAndFixedFont) {
  EXPECT_EQ(form_.windowTitle(), U("IPATデータ取得状況"));
  EXPECT_EQ(form_.btnCancel->text(), U("閉じる"));
  EXPECT_TRUE(form_.btnCancel->isDefault());
  EXPECT_TRUE(form_.memInfo->isReadOnly());
  // Fixed pitch: narrow and wide letters take the same width.
  const QFontMetrics fm(form_.memInfo->font());
  EXPECT_EQ(fm.horizontalAdvance("iiii"), fm.horizontalAdvance("WWWW"));
  for (const char* caption : {"状態", "競馬場", "実行", "アクセス", "リトライ", "待ち"}) {
    bool found = false;
    for (QLabel* l : form_.findChildren<QLabel*>()) found |= l->text() == U(caption);
    EXPECT_TRUE(found) << caption;
  }
}

TEST_F(IPatFormTest, AHiddenWindowUpdatesItsLabelsButLogsNothing) {
  ipat_.ActionCount = 2;
  ipat_.AccessCount = 17;
  Run();
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(Labels(), (QStringList{U("出馬情報取得"), U("東京"), "11R", "2", "17", "0", "0"}));
  // Showing starts with empty labels and an empty log.
  form_.show();
  EXPECT_EQ(Labels(), QStringList(7, ""));
  EXPECT_EQ(Log(), "");
}

TEST_F(IPatFormTest, StatesSetVenueAndRaceLabels) {
  form_.show();
  ipat_.IPatState = TIPat::WaitStart;
  form_.IPatStateToForm(ipat_);
  EXPECT_EQ(Labels().mid(0, 3), (QStringList{U("開始待ち"), "", ""}));
  ipat_.IPatState = TIPat::MeetingInfo;
  form_.IPatStateToForm(ipat_);
  EXPECT_EQ(Labels().mid(0, 3), (QStringList{U("開催情報取得"), U("東京"), ""}));
  ipat_.IPatState = 16;  // no name: the state label stays
  ipat_.ErrWaitCount = 42;
  form_.IPatStateToForm(ipat_);
  EXPECT_EQ(Labels(), (QStringList{U("開催情報取得"), "", "", "0", "0", "0", "42"}));
}

TEST_F(IPatFormTest, AVisibleWindowLogsEachDecodedPage) {
  form_.show();
  ipat_.IPatState = TIPat::MeetingInfo;
  form_.ShowRaceInfo(ipat_);
  EXPECT_EQ(Log(), U("[開催地]\n26/12/06\nKEY\n1\n50323\n11 O S"));
  ipat_.IPatState = TIPat::LoadData;  // no page: no lines
  form_.ShowRaceInfo(ipat_);
  EXPECT_EQ(Log().count('\n'), 5);
  form_.AddLog(test::Sj("通信エラー"));
  EXPECT_TRUE(Log().endsWith(U("\n通信エラー")));
}

TEST_F(IPatFormTest, ButtonEnterAndEscapeHide) {
  form_.show();
  form_.btnCancel->click();
  EXPECT_FALSE(form_.isVisible());
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    form_.show();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(form_.memInfo, &press);
    EXPECT_FALSE(form_.isVisible()) << key;
  }
}

// The main window hands an acquisition thread's notifications to the one
// status window, on the main thread.
TEST_F(IPatFormTest, TheMainWindowForwardsAThreadsCallsToTheStatusWindow) {
  test::TempDir config;
  TMainForm main(config.Path());
  TIPatForm* status = CreateAppForms(&main).IPat;
  status->show();
  std::atomic<bool> done{false};
  std::thread thread([&] {
    ipat_.IPatState = TIPat::MeetingInfo;
    main.StatusUpdate(ipat_);
    main.RaceInfo(ipat_);
    done = true;
  });
  EXPECT_TRUE(test::ProcessEventsUntil([&] { return done.load(); }));
  thread.join();
  EXPECT_EQ(status->lblIPatState->text(), U("開催情報取得"));
  EXPECT_TRUE(status->memInfo->toPlainText().endsWith("11 O S"));
}

}  // namespace
}  // namespace vorpa

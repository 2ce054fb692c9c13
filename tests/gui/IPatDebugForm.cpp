// The debug window stepping a session by hand: a saved card page decoded
// in state 4 prints its block in the status window; a missing file gives
// an empty page and the decoder's error code.
#include "ipat/IPatDebugForm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <future>
#include <thread>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/FileLock.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "history/HistoryDb.h"
#include "history/Sqlite.h"
#include "ipat/IPat.h"
#include "ipat/IPatForm.h"
#include "ipat/RaceHold.h"
#include "support/RaceFactory.h"
#include "support/GuiHelpers.h"
#include "support/SavedPages.h"
#include "support/TempDir.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"
#include "ui/RadioGroup.h"

namespace vorpa {
namespace {

using test::U;

class IPatDebugFormTest : public testing::Test {
 protected:
  IPatDebugFormTest() : clock_(test::PagesDate() + EncodeTime(17, 30, 0)), ipat_(setting_, clock_) {
    setting_.MojiPath = data_.Path();
    ipat_.Init();
    ipat_.MeetingDate = test::PagesDate();
    ipat_.MeetingCode[2].Code = test::kPagesCode;
    form_.SetSession(&ipat_, nullptr, &status_);
    status_.show();
  }
  // State, slot and race set through the radio groups and "SetState".
  void SetState(int state, int slot, int race) {
    form_.rgState->SetItemIndex(state);
    form_.rgKaisai->SetItemIndex(slot - 1);
    form_.rgRaceNo->SetItemIndex(race - 1);
    form_.btnSetState->click();
  }
  void Load(const std::string& file) {
    form_.edtFileName->setText(QString::fromStdString(file));
    form_.btnLoadHtml->click();
  }

  test::TempDir data_;
  TSetting setting_;
  TPinnedClock clock_;
  TIPat ipat_;
  TIPatForm status_;
  TIPatDebugForm form_;
};

TEST_F(IPatDebugFormTest, CaptionGroupsAndButtons) {
  EXPECT_EQ(form_.windowTitle(), U("IPATデータ取得デバッグ用"));
  form_.show();
  const auto items = form_.rgState->findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), 16);
  EXPECT_EQ(items[0]->text(), U("開始待ち"));
  EXPECT_EQ(items[15]->text(), U("完全終了"));
  // Two columns: the ninth item starts the second.
  EXPECT_GT(items[8]->x(), items[7]->x());
  EXPECT_EQ(form_.rgKaisai->findChildren<QRadioButton*>().size(), 3);
  EXPECT_EQ(form_.rgRaceNo->findChildren<QRadioButton*>().size(), 12);
  QStringList captions;
  for (QPushButton* b : form_.findChildren<QPushButton*>()) captions << b->text();
  EXPECT_EQ(captions, (QStringList{"Select...", "LoadHtml", "SetState", "Next", "GetURL", "Decode",
                                   "LoadRace", "WriteRace", U("閉じる")}));
}

TEST_F(IPatDebugFormTest, ADumpDecodedAsRaceCardPrintsItsBlock) {
  test::TempDir dumps;
  ASSERT_TRUE(LockedWriteFile(dumps.File("recv_0012.html"), test::SavedPage("card18.html")));
  Load(dumps.File("recv_0012.html"));
  EXPECT_EQ(form_.PageText, test::SavedPage("card18.html"));
  SetState(TIPat::LoadData, 2, test::kPagesRace);
  form_.btnLoad->click();  // no stored race yet: a cleared record of the race
  form_.rgState->SetItemIndex(TIPat::RaceCard);
  form_.btnSetState->click();
  EXPECT_EQ(ipat_.IPatState, TIPat::RaceCard);
  EXPECT_EQ(ipat_.CurVenue, 2);
  EXPECT_EQ(ipat_.CurRace, 11);
  form_.btnDecode->click();
  EXPECT_EQ(form_.DecodeResult, 0);
  const QStringList log = status_.memInfo->toPlainText().split('\n');
  ASSERT_EQ(log.size(), 3 + 18);
  EXPECT_EQ(log[0], U("[出馬]小倉11"));
  EXPECT_TRUE(log[1].startsWith(U("[石榴坂ステークス]")));
  // Stored, the race is there to load again.
  form_.btnWrite->click();
  ipat_.Race = TRace();
  form_.btnLoad->click();
  EXPECT_EQ(ipat_.Race.Header.RunnerCount, 18);
  // Next moves on and shows the state.
  form_.btnNext->click();
  EXPECT_EQ(status_.lblIPatState->text(), U("データ書き込み"));
}

TEST_F(IPatDebugFormTest, AMissingFileGivesAnEmptyPageAndTheDecodersCode) {
  form_.PageText = "old";
  Load(data_.File("recv_9999.html"));
  EXPECT_EQ(form_.PageText, "");
  SetState(TIPat::RaceCard, 1, 1);
  form_.btnDecode->click();
  TIPat fresh(setting_, clock_);
  fresh.IPatState = TIPat::RaceCard;
  EXPECT_NE(form_.DecodeResult, 0);
  EXPECT_EQ(form_.DecodeResult, fresh.Decode(std::string()));
  EXPECT_EQ(status_.memInfo->toPlainText(), "");
}

// "WriteRace" writes over the file as it is now, under the race's hold: the
// race card decoded here goes in, and the reading another run stored since
// "LoadRace" stays.
TEST_F(IPatDebugFormTest, WriteRaceKeepsAReadingAnotherRunStoredMeanwhile) {
  test::RaceRecipe r;
  r.VenueUtf8 = "小倉";
  r.RaceNo = test::kPagesRace;
  r.Date = test::PagesDate();
  r.Readings = 2;
  ASSERT_TRUE(StoreRace(data_.Path(), test::MakeRace(r)));
  SetState(TIPat::LoadData, 2, test::kPagesRace);
  form_.btnLoad->click();
  ASSERT_EQ(ipat_.Race.Snapshots.size(), 2u);
  form_.PageText = test::SavedPage("card18.html");
  SetState(TIPat::RaceCard, 2, test::kPagesRace);
  form_.btnDecode->click();
  ASSERT_EQ(form_.DecodeResult, 0);
  const TRace decoded = ipat_.Race;

  // A run (the direct one, say) holds the race and stores a third reading
  // once the window has asked to write.
  const std::string venue = Utf8ToCp932("小倉");
  const std::string path = RaceFilePath(data_.Path(), venue, test::kPagesRace, test::PagesDate());
  std::promise<void> go;
  std::thread run([&, started = go.get_future()] {
    TRaceHold hold;
    hold.Take(path, [] { return false; });
    TRace race;
    LoadRace(data_.Path(), venue, test::kPagesRace, race, test::PagesDate());
    started.wait();
    race.Snapshots.push_back(race.Snapshots.back());
    race.Snapshots.back().WinTime() += EncodeTime(0, 20, 0);
    StoreRace(data_.Path(), race);
  });
  ASSERT_TRUE(test::ProcessEventsUntil([&] {
    TRaceHold probe;
    return !probe.Take(path, [] { return true; });
  }));
  bool asked = false;
  QTimer::singleShot(0, [&] {  // handled while the window waits for the hold
    asked = true;
    go.set_value();
  });
  form_.btnWrite->click();
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return asked; }));
  run.join();
  TRace stored;
  LoadRace(data_.Path(), venue, test::kPagesRace, stored, test::PagesDate());
  EXPECT_EQ(stored.Snapshots.size(), 3u);
  EXPECT_EQ(stored.Header.RaceName, decoded.Header.RaceName);
  EXPECT_EQ(stored.Header.RunnerCount, 18);
  EXPECT_EQ(stored.Runner(18).HorseName, decoded.Runner(18).HorseName);
  EXPECT_EQ(ipat_.Race.Snapshots.size(), 3u) << "the session holds what it stored";
  // The history database follows the file.
  TSqlite db;
  ASSERT_TRUE(db.Open(HistoryDbPath(data_.Path()), TSqlite::Mode::ReadOnly, 2000));
  EXPECT_EQ(db.QueryInt("SELECT count(DISTINCT taken_at) FROM win_readings", -1), 3);
}

// A double click on the receive lamp hands the scheduled session over; the
// window leaves it alone while its thread is registered.
TEST_F(IPatDebugFormTest, TheLampHandsOverTheScheduledSession) {
  test::TempDir config;
  TMainForm main(config.Path());
  TIPatDebugForm* debug = CreateAppForms(&main).IPatDebug;
  main.show();
  QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(main.pnlRecv, &click);
  ASSERT_TRUE(debug->isVisible());
  debug->rgState->SetItemIndex(TIPat::OddsWide);
  debug->rgKaisai->SetItemIndex(2);
  debug->btnSetState->click();
  EXPECT_EQ(main.FIPat.IPatState, TIPat::OddsWide);
  EXPECT_EQ(main.FIPat.CurVenue, 3);
  main.FIPatThread.Register(nullptr, std::this_thread::get_id());
  debug->btnNext->click();
  EXPECT_EQ(main.FIPat.IPatState, TIPat::OddsWide);
  main.FIPatThread = TThreadSlot();
  debug->btnNext->click();
  EXPECT_NE(main.FIPat.IPatState, TIPat::OddsWide);
}

}  // namespace
}  // namespace vorpa

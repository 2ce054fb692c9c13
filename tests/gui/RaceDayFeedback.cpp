// What the main window tells the user about acquisition, against a real
// vorpa-ipatd: timed log lines in the log list, the log window and the
// day's log file; errors that name what to fix; desktop notifications
// (errors, end of day, new odds alerts) received by a notification server
// of the test's own on a private session bus; the status bar on a pinned
// clock; the reading the user chose kept across runs.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDBusArgument>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <cstdlib>
#include <set>

#include "analysis/OddsAlerts.h"
#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/GuiNotificationServer.h"
#include "support/IpatdServer.h"
#include "support/SessionBus.h"
#include "support/TempDir.h"
#include "ui/DesktopNotifier.h"
#include "ui/LogForm.h"
#include "ui/MainFrm.h"
#include "view/Zoom.h"
#include "ui/ViewOptions.h"
#include "view/MovementView.h"

namespace vorpa {
namespace {

using test::U;

double At(const std::string& text) {
  double v = 0;
  EXPECT_TRUE(TryTextToDateTime(text, &v)) << text;
  return v;
}

using test::NotificationServer;

// A loopback port that nothing listens on.
int ClosedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  close(fd);
  return ntohs(a.sin_port);
}

class RaceDayFeedback : public testing::Test {
 protected:
  RaceDayFeedback() {
    setenv("XDG_STATE_HOME", state_.Path().c_str(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", bus_.Address().c_str(), 1);
  }
  ~RaceDayFeedback() override { chmod(data_.Path().c_str(), 0755); }

  void Open(const std::string& now, const std::vector<std::string>& serverFlags, const std::string& id,
            const std::string& moreSettings = "") {
    std::vector<std::string> flags = {"--seed", "7", "--now", now};
    flags.insert(flags.end(), serverFlags.begin(), serverFlags.end());
    server_ = std::make_unique<test::IpatdServer>(flags);
    test::WriteFileBytes(config_.File("Vorpa.Ini"), "[vorpa]\r\nINetID=" + id + "\r\nMojiPath=" +
                                                        data_.Path() + "\r\nIPatHost=" + server_->Host() +
                                                        "\r\n" + moreSettings);
    clock_ = std::make_unique<TPinnedClock>(At(now));
    form_ = std::make_unique<TMainForm>(config_.Path(), clock_.get());
    form_->show();
  }
  // One run at `now` (program and server clock); the acquisition
  // toggle's texts seen in the status bar meanwhile.
  std::set<QString> Run(const std::string& now) {
    clock_->Set(At(now));
    EXPECT_TRUE(server_->SetNow(now));
    form_->StartAcquisition();
    std::set<QString> seen;
    QElapsedTimer waited;
    waited.start();
    while (form_->FIPatThread.IsSet() && waited.elapsed() < 30000) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
      seen.insert(form_->lblStatusIPat->text());
    }
    EXPECT_FALSE(form_->FIPatThread.IsSet());
    return seen;
  }
  QStringList DayLog() const {
    QStringList lines;
    for (int i = 0; i < form_->LogForm->lstDayLog->count(); ++i) lines << form_->LogForm->lstDayLog->item(i)->text();
    return lines;
  }
  bool IsRed(const QString& line) const {
    const auto items = form_->LogForm->lstDayLog->findItems(line, Qt::MatchExactly);
    return !items.isEmpty() && items.front()->foreground().color() == LogErrorColor();
  }
  // The races of the day whose newest reading was taken at `time`, with
  // the alerts between it and the reading before.
  std::vector<std::pair<TRace, std::vector<TAlert>>> NewestAlerts(const std::string& time) const {
    std::vector<std::pair<TRace, std::vector<TAlert>>> out;
    const double day = At("2026-12-06 00:00:00");
    for (const TRaceFileEntry& f : ListRaceFiles(data_.Path(), day)) {
      TRace race;
      LoadRaceFile(f.Path, f.VenueName, f.RaceNo, race, day);
      const int last = static_cast<int>(race.Snapshots.size()) - 1;
      if (last < 1 || TimeToText(race.Snapshots[last].WinTime()) != time) continue;
      std::vector<TAlert> alerts = ReadingAlerts(race, last, AlertThresholdsOf(Setting));
      out.emplace_back(std::move(race), std::move(alerts));
    }
    return out;
  }
  void AwaitNotes(size_t n) {
    test::ProcessEventsUntil([&] { return notes_.Notes.size() >= n; });
  }

  test::TempDir config_, data_, state_;
  test::SessionBus bus_;
  NotificationServer notes_{bus_.Address()};
  std::unique_ptr<test::IpatdServer> server_;
  std::unique_ptr<TPinnedClock> clock_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(RaceDayFeedback, ErrorsNameWhatToFixInLogWindowFileStatusBarAndNotifications) {
  ASSERT_TRUE(notes_.Registered);
  Open("2026-12-06 10:00:00", {"--inet-id", "GOOD0001"}, "WRONG001");
  form_->IPatControl->Retry = TIPatRetry::WithWait(3);

  // A refused INET ID: both attempts logged in red, the wait counted down
  // in the status bar, one notification.
  const std::set<QString> seen = Run("2026-12-06 10:00:00");
  const QString refused = U("認証エラー: INET ID WRONG001 は受け付けられませんでした。「初期設定」の INET ID を確かめてください");
  EXPECT_EQ(DayLog().count("10:00:00 " + refused), 2) << DayLog().join("\n").toStdString();
  EXPECT_TRUE(IsRed("10:00:00 " + refused));
  EXPECT_TRUE(seen.count(U("取得: 再試行待ち (あと 2 秒)")));
  EXPECT_TRUE(seen.count(U("取得: 再試行待ち (あと 1 秒)")));
  EXPECT_EQ(form_->lblStatusError->text(), refused);
  AwaitNotes(1);
  ASSERT_EQ(notes_.Notes.size(), 1u);
  const NotificationServer::Note& n = notes_.Notes[0];
  EXPECT_EQ(n.App, "Vorpa");
  EXPECT_EQ(n.Icon, "vorpa");
  EXPECT_EQ(n.Summary, U("認証エラー"));
  EXPECT_EQ(n.Body, refused);
  EXPECT_EQ(n.Hints.value("desktop-entry").toString(), "vorpa");
  // The program's icon travels as a 64 x 64 RGBA picture.
  const QDBusArgument image = n.Hints.value("image-data").value<QDBusArgument>();
  int width = 0, height = 0, stride = 0, bits = 0, channels = 0;
  bool alpha = false;
  QByteArray pixels;
  image.beginStructure();
  image >> width >> height >> stride >> alpha >> bits >> channels >> pixels;
  image.endStructure();
  EXPECT_EQ(width, 64);
  EXPECT_EQ(height, 64);
  EXPECT_EQ(pixels.size(), 64 * stride);
  EXPECT_TRUE(alpha);

  // An unreachable port: host, port and reason.
  form_->IPatControl->Retry = TIPatRetry::WithWait(0);
  const int port = ClosedPort();
  Setting.IPatHost = "127.0.0.1:" + std::to_string(port);
  Run("2026-12-06 10:01:00");
  const QString unreachable = U("通信エラー 127.0.0.1:") + QString::number(port) +
                              U(": 接続を拒否されました (サーバーが動いていません)。接続先 (IPatHost) を確かめてください");
  EXPECT_EQ(DayLog().count("10:01:00 " + unreachable), 2);
  EXPECT_TRUE(IsRed("10:01:00 " + unreachable));
  AwaitNotes(2);
  ASSERT_EQ(notes_.Notes.size(), 2u);
  EXPECT_EQ(notes_.Notes[1].Summary, U("通信エラー"));

  // A data folder that cannot be written: the file and the system's reason.
  Setting.IPatHost = server_->Host();
  Setting.INetID = "GOOD0001";
  chmod(data_.Path().c_str(), 0555);
  std::string reason = "Permission denied";
  if (access(data_.Path().c_str(), W_OK) == 0) {  // root writes anyway: a file blocks the year
    test::WriteFileBytes(data_.File("2026"), "");
    reason = "Not a directory";
  }
  Run("2026-12-06 10:02:00");
  const QStringList failed = DayLog().filter(U("保存エラー"));
  ASSERT_EQ(failed.size(), 1) << DayLog().join("\n").toStdString();
  EXPECT_TRUE(failed[0].startsWith(U("10:02:00 12/06 ")));
  EXPECT_TRUE(failed[0].contains(U("R 保存エラー: ") + QString::fromStdString(data_.Path()) + "2026/1206/"))
      << failed[0].toStdString();
  EXPECT_TRUE(failed[0].endsWith(U(".MJO: ") + QString::fromStdString(reason) +
                                 U("。「初期設定」のデータ保存先を確かめてください")))
      << failed[0].toStdString();
  EXPECT_TRUE(IsRed(failed[0]));
  AwaitNotes(3);
  ASSERT_EQ(notes_.Notes.size(), 3u);
  EXPECT_EQ(notes_.Notes[2].Summary, U("保存エラー"));

  // The same day later, all written: the end of the day is notified and
  // the error leaves the status bar.
  chmod(data_.Path().c_str(), 0755);
  std::remove(data_.File("2026").c_str());
  Run("2026-12-06 18:00:00");
  EXPECT_EQ(DayLog().last(), U("18:00:00 全情報取得完了"));
  EXPECT_EQ(form_->lblStatusError->text(), "");
  AwaitNotes(4);
  ASSERT_EQ(notes_.Notes.size(), 4u);
  EXPECT_EQ(notes_.Notes[3].Summary, U("全情報取得完了"));
  EXPECT_EQ(notes_.Notes[3].Body, U("2026/12/06 の全レースの情報を取得しました。"));

  // The log window holds the day as the day's file does, and copies it.
  const std::string file = test::ReadFileBytes(state_.File("vorpa/log/2026-12-06.log"));
  EXPECT_EQ(form_->LogForm->CopyText(), QString::fromStdString(file));
  EXPECT_EQ(QString::fromStdString(file).split('\n', Qt::SkipEmptyParts), DayLog());
  form_->LogForm->lstDayLog->item(1)->setSelected(true);
  EXPECT_EQ(form_->LogForm->CopyText(), DayLog()[1] + "\n");
  // The log list shows the last four lines with their times.
  EXPECT_EQ(form_->lstLog->item(3)->text(), DayLog().last());

  // The README and help picture of the log window.
  if (const char* dir = std::getenv("VORPA_README_SCREENSHOTS")) {
    form_->LogForm->lstDayLog->clearSelection();
    form_->LogForm->resize(1000, 420);
    form_->LogForm->show();
    QApplication::processEvents();
    form_->LogForm->lstDayLog->scrollToTop();  // the errors of the morning
    EXPECT_TRUE(SaveWidgetPicture(*form_->LogForm, std::string(dir) + "/log-window.png"));
  }
}

// The automatic PAT output into a folder that cannot be made: every race's
// line and the outline's name the file and why, in red; no "PAT出力".
TEST_F(RaceDayFeedback, AnAutomaticPatOutputThatFailsNamesTheFileItCouldNotWrite) {
  const std::string blocked = state_.File("pat");  // a file where the folder should be
  test::WriteFileBytes(blocked, "");
  Open("2026-12-06 18:00:00", {"--inet-id", "GOOD0001"}, "GOOD0001",
       "AutoPat=1\r\nJRAV50Path=" + blocked + "\r\n");
  Run("2026-12-06 18:00:00");
  ASSERT_GE(DayLog().size(), 2);
  EXPECT_EQ(DayLog()[DayLog().size() - 2], U("18:00:00 全情報取得完了")) << "the outline follows the run";
  const QString why = QString::fromStdString(": " + blocked + ": Not a directory") +
                      U("。「初期設定」の「PAT出力」の出力先を確かめてください");
  const QStringList failed = DayLog().filter(U("PAT出力エラー"));
  ASSERT_GE(failed.size(), 13) << DayLog().join("\n").toStdString();
  EXPECT_EQ(DayLog().filter(U("R 取得")).size(), failed.size() - 1) << "one per stored race, and the outline";
  EXPECT_TRUE(failed[0].contains(U("R PAT出力エラー: ") + QString::fromStdString(blocked) + "/DE-"))
      << failed[0].toStdString();
  for (const QString& line : failed) {
    EXPECT_TRUE(line.endsWith(".JRA" + why)) << line.toStdString();
    EXPECT_TRUE(IsRed(line)) << line.toStdString();
  }
  const QString outline = U("PAT出力エラー: ") + QString::fromStdString(blocked) + "/UY-A.JRA" + why;
  EXPECT_EQ(failed.last(), "18:00:00 " + outline);
  EXPECT_EQ(form_->lblStatusError->text(), outline);
  for (const QString& line : DayLog()) EXPECT_FALSE(line.endsWith(U("PAT出力"))) << line.toStdString();
}

TEST_F(RaceDayFeedback, NotificationsCanBeTurnedOffAndWithoutABusNothingHappens) {
  test::WriteFileBytes(config_.File("Vorpa.Ini"), "[vorpa]\r\nDesktopNotify=0\r\n");
  TMainForm off(config_.Path());
  EXPECT_TRUE(off.Notifier->Connected());
  EXPECT_FALSE(off.Notifier->Notify("x", "y"));
  off.Notifier->SetEnabled(true);
  EXPECT_TRUE(off.Notifier->Notify("x", "y"));
  AwaitNotes(1);
  EXPECT_EQ(notes_.Notes.size(), 1u);
  // No bus named and none in the runtime folder.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string keep = runtime ? runtime : "";
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  setenv("XDG_RUNTIME_DIR", state_.Path().c_str(), 1);
  TDesktopNotifier none;
  EXPECT_FALSE(none.Connected());
  EXPECT_FALSE(none.Notify("x", "y"));
  if (runtime) setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
  else unsetenv("XDG_RUNTIME_DIR");
}

// Two runs 20 minutes apart around the planted late bet on 小倉5R horse 12
// (11:31, post 11:50): one notification per new alert of the second
// readings of the races whose post is within AlertNotifyWithin = 20 minutes
// (小倉5R only), none for the others, none with AlertNotify off.
TEST_F(RaceDayFeedback, EveryNewAlertOfARaceCloseToItsPostIsNotified) {
  ASSERT_TRUE(notes_.Registered);
  Open("2026-12-06 11:13:00", {}, "GUI00001");
  Setting.AlertNotify = true;
  Setting.AlertNotifyWithin = 20;
  Setting.IPatGetCycle = 10;  // every race read again by the second run
  Run("2026-12-06 11:13:00");
  Run("2026-12-06 11:33:00");
  // Marks the end of what the runs sent (the bus keeps the order).
  form_->Notifier->Notify("marker", "");
  test::ProcessEventsUntil([&] { return !notes_.Notes.empty() && notes_.Notes.back().Summary == "marker"; });
  ASSERT_EQ(notes_.Notes.back().Summary, "marker");
  std::multiset<QString> got;
  for (size_t k = 0; k + 1 < notes_.Notes.size(); ++k) got.insert(notes_.Notes[k].Summary + "|" + notes_.Notes[k].Body);

  // What the second readings tell, from the stored files.
  std::multiset<QString> close;
  int farAlerts = 0;
  for (const auto& [race, alerts] : NewestAlerts("11:33:00")) {
    const bool within = race.Header.StartTime - At("2026-12-06 11:33:00") + race.Header.RaceDate <= 20 / 1440.0;
    EXPECT_EQ(within, race.Header.VenueName == Utf8ToCp932("小倉") && race.Header.RaceNo == 5)
        << Cp932ToUtf8(race.Header.VenueName) << race.Header.RaceNo;
    for (const TAlert& a : alerts) {
      const auto [summary, body] = AlertNotification(a);
      if (within) close.insert(QString::fromStdString(summary) + "|" + QString::fromStdString(body));
      else ++farAlerts;
    }
  }
  EXPECT_EQ(got, close);
  EXPECT_GT(farAlerts, 0);  // alerts there were, but their races are later
  bool planted = false;
  for (const QString& n : got) planted |= n.startsWith(U("小倉5R 12番 急落|単勝 "));
  EXPECT_TRUE(planted) << QStringList(got.begin(), got.end()).join("\n").toStdString();

  // AlertNotify off, for every race: the next run's alerts go unnotified.
  Setting.AlertNotify = false;
  Setting.AlertNotifyWithin = 0;
  const size_t before = notes_.Notes.size();
  Run("2026-12-06 11:43:00");
  form_->Notifier->Notify("marker 2", "");
  AwaitNotes(before + 1);
  EXPECT_EQ(notes_.Notes.size(), before + 1);
  EXPECT_EQ(notes_.Notes.back().Summary, "marker 2");
  size_t later = 0;
  for (const auto& newest : NewestAlerts("11:43:00")) later += newest.second.size();
  EXPECT_GT(later, 0u);
}

TEST_F(RaceDayFeedback, StatusBarThroughARunOnAPinnedClock) {
  Open("2026-12-06 14:30:00", {}, "GUI00001");
  form_->UpdateStatusBar();
  EXPECT_EQ(form_->lblStatusClock->text(), U("2026/12/06(日) 14:30:00"));
  EXPECT_EQ(form_->lblStatusIPat->text(), U("取得: オフ"));
  EXPECT_EQ(form_->lblStatusRecv->text(), U("最終受信 --:--:--"));
  EXPECT_EQ(form_->lblStatusStore->text(), U("最終保存 --:--:--"));
  EXPECT_EQ(form_->lblStatusNextRace->text(), U("次のレース なし"));
  EXPECT_FALSE(form_->lblStatusDemo->isVisible());

  const std::set<QString> seen = Run("2026-12-06 14:30:00");
  EXPECT_TRUE(seen.count(U("取得中: ログイン")) || seen.count(U("取得中: 開催情報取得")));
  EXPECT_TRUE(seen.count(U("取得中: 単複枠オッズ取得")));
  EXPECT_EQ(form_->lblStatusIPat->text(), U("取得: 待機中 (次の確認 14:33:00)"));
  EXPECT_EQ(form_->lblStatusRecv->text(), U("最終受信 14:30:00"));
  EXPECT_TRUE(form_->lblStatusStore->text().startsWith(U("最終保存 14:30:00 ")));
  EXPECT_TRUE(form_->lblStatusStore->text().endsWith("R"));

  // The next race is the earliest post time after the clock in the list.
  QString first, post;
  for (int r = 0; r < form_->sgRace->rowCount(); ++r) {
    const QString p = form_->sgRace->item(r, 1)->text();
    if (p > "14:30" && (post.isEmpty() || p < post)) {
      post = p;
      first = form_->sgRace->item(r, 0)->text() + "R " + p;
    }
  }
  ASSERT_FALSE(first.isEmpty());
  const int left = (post.left(2).toInt() * 60 + post.mid(3).toInt()) * 60 - (14 * 60 + 30) * 60;
  const auto countdown = [](int s) { return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0')); };
  EXPECT_EQ(form_->lblStatusNextRace->text(), U("次のレース ") + first + U(" (あと ") + countdown(left) + ")");
  clock_->Set(At("2026-12-06 14:31:01"));
  form_->UpdateStatusBar();
  EXPECT_EQ(form_->lblStatusClock->text(), U("2026/12/06(日) 14:31:01"));
  EXPECT_EQ(form_->lblStatusNextRace->text(), U("次のレース ") + first + U(" (あと ") + countdown(left - 61) + ")");
  // The README and help picture of the main window with its status bar.
  if (const char* dir = std::getenv("VORPA_README_SCREENSHOTS")) {
    form_->resize(1600, 1000);
    form_->SetZoom(kZoomFit);
    form_->sgRace->setCurrentCell(3, 0);
    form_->PageControl1->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_TRUE(SaveWidgetPicture(*form_, std::string(dir) + "/raceday-status.png"));
  }
  form_->actIPat->trigger();
  form_->UpdateStatusBar();
  EXPECT_EQ(form_->lblStatusIPat->text(), U("取得: オフ"));
}

TEST_F(RaceDayFeedback, TheChosenReadingStaysAcrossARunAndTheNewestFollowsTheNewest) {
  Open("2026-12-06 14:30:00", {}, "GUI00001");
  Run("2026-12-06 14:30:00");
  Run("2026-12-06 14:40:00");
  // A race still on sale after 15:00 with its two readings.
  int row = -1;
  for (int r = 0; r < form_->sgRace->rowCount() && row < 0; ++r)
    if (form_->sgRace->item(r, 1)->text() > "15:10") row = r;
  ASSERT_GE(row, 0);
  form_->sgRace->setCurrentCell(row, 0);
  const QString race = form_->sgRace->item(row, 0)->text();
  ASSERT_EQ(form_->FRace.Snapshots.size(), 2u);
  form_->sgOddsTime->setCurrentCell(0, 0);
  ASSERT_EQ(form_->FOddsIndex, 0);
  const QString chosen = form_->sgOddsTime->item(0, 0)->text();

  Run("2026-12-06 14:50:00");
  EXPECT_EQ(form_->sgRace->item(form_->sgRace->currentRow(), 0)->text(), race);
  EXPECT_EQ(form_->FRace.Snapshots.size(), 3u);
  EXPECT_EQ(form_->FOddsIndex, 0);
  EXPECT_EQ(form_->sgOddsTime->currentRow(), 0);
  EXPECT_EQ(form_->sgOddsTime->item(0, 0)->text(), chosen);

  // With the newest shown, the view follows the newest.
  form_->sgOddsTime->setCurrentCell(2, 0);
  Run("2026-12-06 15:00:00");
  EXPECT_EQ(form_->FRace.Snapshots.size(), 4u);
  EXPECT_EQ(form_->FOddsIndex, 3);
  EXPECT_EQ(form_->sgOddsTime->currentRow(), 3);
}

}  // namespace
}  // namespace vorpa

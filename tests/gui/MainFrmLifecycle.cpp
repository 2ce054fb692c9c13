// The main window's life: the close question, the placement kept in
// Vorpa.Ini, the log list, the receive lamp and the acquisition threads'
// notifications.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFrame>
#include <QListWidget>
#include <QMessageBox>
#include <atomic>
#include <cstdlib>
#include <thread>

#include "core/AppDirs.h"
#include "core/Cp932.h"
#include "core/IniFile.h"
#include "support/GuiHelpers.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"

namespace vorpa {
namespace {

using test::U;

QStringList LogItems(const TMainForm& f) {
  QStringList items;
  for (int i = 0; i < f.lstLog->count(); ++i) items << f.lstLog->item(i)->text();
  return items;
}

QColor Lamp(const TMainForm& f) { return f.pnlRecv->palette().color(QPalette::Window); }

// Answers the next close question with `button` and records its text.
void AnswerCloseQuestion(QMessageBox::StandardButton button, QString* text,
                         QMessageBox::Icon* icon) {
  test::WhenModal([=](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    *text = box->text();
    *icon = box->icon();
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    box->button(button)->click();
  });
}

TEST(MainFrmClose, CancelKeepsTheWindowOpenOkClosesIt) {
  test::TempDir dir;
  TMainForm form(dir.Path());
  form.show();
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  AnswerCloseQuestion(QMessageBox::Cancel, &text, &icon);
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(text, U("終了します。"));
  EXPECT_EQ(icon, QMessageBox::Information);

  AnswerCloseQuestion(QMessageBox::Ok, &text, &icon);
  form.actEnd->trigger();
  EXPECT_FALSE(form.isVisible());
}

TEST(MainFrmClose, EscapeOnTheQuestionRefusesTheClose) {
  test::TempDir dir;
  TMainForm form(dir.Path());
  form.show();
  test::WhenModal([](QWidget* modal) { modal->close(); });
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
}

TEST(MainFrmClose, AnAutomaticExitAsksNothing) {
  test::TempDir dir;
  TMainForm form(dir.Path());
  form.show();
  form.FAutoExiting = true;
  EXPECT_TRUE(form.close());
}

class MainFrmPlacement : public testing::Test {
 protected:
  std::string Ini() { return test::ReadFileBytes(dir_.File("Vorpa.Ini")); }
  int Key(const char* key) {
    return TIniFile::Load(dir_.File("Vorpa.Ini")).GetInt("WindowInfo", key, -999);
  }
  test::TempDir dir_;
};

// At the first start the window manager places the window (the program
// does not move it).
TEST_F(MainFrmPlacement, FirstStartAtDesignSizeThenTheStoredPlacement) {
  test::WriteFileBytes(dir_.File("Vorpa.Ini"), "[vorpa]\r\nINetID=ZZ99\r\n");
  {
    TMainForm form(dir_.Path());
    EXPECT_EQ(form.size(), QSize(995, 709));
    EXPECT_FALSE(form.testAttribute(Qt::WA_Moved));
    EXPECT_EQ(form.windowState(), Qt::WindowNoState);
    form.show();
    form.setGeometry(40, 50, 1100, 760);
  }
  EXPECT_EQ(Key("WinWidth"), 1100);
  EXPECT_EQ(Key("WinHeight"), 760);
  EXPECT_EQ(Key("WinLeft"), 40);
  EXPECT_EQ(Key("WinTop"), 50);
  EXPECT_EQ(Key("WinState"), 0);
  EXPECT_EQ(TIniFile::Load(dir_.File("Vorpa.Ini")).GetString("vorpa", "INetID", ""), "ZZ99");

  TMainForm again(dir_.Path());
  EXPECT_EQ(again.geometry(), QRect(40, 50, 1100, 760));
}

TEST_F(MainFrmPlacement, AMinimisedWindowComesBackMinimised) {
  {
    TMainForm form(dir_.Path());
    form.show();
    form.setGeometry(30, 30, 1000, 720);
    form.showMinimized();
  }
  EXPECT_EQ(Key("WinState"), 1);
  EXPECT_EQ(Key("WinWidth"), 1000);
  TMainForm again(dir_.Path());
  again.show();
  EXPECT_TRUE(again.isMinimized());
  EXPECT_EQ(again.normalGeometry().size(), QSize(1000, 720));
}

TEST_F(MainFrmPlacement, AMaximisedWindowKeepsItsNormalRectangle) {
  {
    TMainForm form(dir_.Path());
    form.show();
    form.setGeometry(30, 40, 1024, 768);
    form.showMaximized();
  }
  EXPECT_EQ(Key("WinState"), 2);
  EXPECT_EQ(Key("WinWidth"), 1024);
  EXPECT_EQ(Key("WinHeight"), 768);
  TMainForm again(dir_.Path());
  again.show();
  EXPECT_TRUE(again.isMaximized());
  EXPECT_EQ(again.normalGeometry(), QRect(30, 40, 1024, 768));
}

// A window at the screen's left edge keeps its place; a zero width, or a
// place on no screen (the offscreen screen is 800 x 600 at 0, 0), is
// ignored.
TEST_F(MainFrmPlacement, AWindowAtTheScreenEdgeKeepsItsPlace) {
  {
    TMainForm form(dir_.Path());
    form.show();
    form.setGeometry(0, 0, 1000, 720);
  }
  EXPECT_EQ(Key("WinLeft"), 0);
  EXPECT_EQ(Key("WinTop"), 0);
  {
    TMainForm again(dir_.Path());
    EXPECT_EQ(again.geometry(), QRect(0, 0, 1000, 720));
  }
  for (const char* placement : {"WinWidth=0\r\nWinHeight=720\r\nWinLeft=0\r\nWinTop=30\r\n",
                                "WinWidth=1000\r\nWinHeight=720\r\nWinLeft=5000\r\nWinTop=30\r\n"}) {
    test::WriteFileBytes(dir_.File("Vorpa.Ini"),
                         std::string("[WindowInfo]\r\n") + placement + "WinState=2\r\n");
    TMainForm form(dir_.Path());
    EXPECT_EQ(form.size(), QSize(995, 709)) << placement;
    EXPECT_FALSE(form.testAttribute(Qt::WA_Moved)) << placement;
    EXPECT_EQ(form.windowState(), Qt::WindowNoState) << placement;
  }
}

// Without a browser (no program on PATH to open one) the help command
// names the help page.
TEST(MainFrmHelp, WithoutABrowserTheHelpPageIsNamedInAMessageBox) {
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", "", 1);
  test::TempDir dir;
  TMainForm form(dir.Path());
  QString text, name;
  test::WhenModal([&](QWidget* modal) {
    name = modal->objectName();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
    modal->close();
  });
  form.actManual->trigger();
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(name, "HelpPageMessage");
  EXPECT_TRUE(text.contains(QString::fromStdString(HelpPagePath(ProgramDir())))) << text.toStdString();
}

TEST(MainFrmLog, KeepsTheLastFourLinesOldestFirst) {
  test::TempDir dir;
  TMainForm form(dir.Path());
  EXPECT_EQ(LogItems(form), QStringList({"", "", "", ""}));
  form.AddLog(Utf8ToCp932("東京 1R 取得"));
  EXPECT_EQ(test::Untimed(LogItems(form)[3]), U("東京 1R 取得"));
  for (const char* s : {"2", "3", "4", "5"}) form.AddLog(s);
  QStringList untimed;
  for (const QString& line : LogItems(form)) untimed << test::Untimed(line);
  EXPECT_EQ(untimed, QStringList({"2", "3", "4", "5"}));
}

TEST(MainFrmLamp, LimeWhileReceivingGreenOtherwise) {
  test::TempDir dir;
  TMainForm form(dir.Path());
  EXPECT_EQ(Lamp(form), QColor(0x00, 0x80, 0x00));
  form.SetRecvLamp(true);
  EXPECT_EQ(Lamp(form), QColor(0x00, 0xFF, 0x00));
  form.SetRecvLamp(false);
  EXPECT_EQ(Lamp(form), QColor(0x00, 0x80, 0x00));
}

// A thread that reports through the window's sink, as an acquisition
// thread does, and ends.
class MainFrmSink : public testing::Test {
 protected:
  // `onMain` runs on the main thread while it waits for the thread.
  void RunThread(const std::function<void(TIPatSink&)>& body, TThreadSlot* slot,
                 const std::function<void()>& onMain = [] {}) {
    std::atomic<bool> done{false};
    std::thread t([&] {
      body(form_);
      done = true;
    });
    if (slot) slot->Register(nullptr, t.get_id());
    std::thread::id id = t.get_id();
    ASSERT_TRUE(test::ProcessEventsUntil([&] {
      onMain();
      return done.load();
    }));
    t.join();
    form_.ThreadEnd(id);
  }
  test::TempDir dir_;
  TMainForm form_{dir_.Path()};
};

TEST_F(MainFrmSink, CallsFromTheThreadRunOnTheMainThreadBeforeTheyReturn) {
  // The thread waits after its first call until the main thread has looked
  // at the lamp, so the lamp is seen as the call left it.
  std::atomic<int> phase{0};
  bool lampSeenOn = false;
  RunThread(
      [&](TIPatSink& sink) {
        sink.RecvLamp(true);
        phase = 1;
        while (phase != 2) std::this_thread::yield();
        sink.Log(Utf8ToCp932("取得開始"));
        sink.RecvLamp(false);
      },
      &form_.FIPatThread,
      [&] {
        if (phase != 1) return;
        lampSeenOn = Lamp(form_) == QColor(0x00, 0xFF, 0x00);
        phase = 2;
      });
  EXPECT_TRUE(lampSeenOn);
  EXPECT_EQ(test::Untimed(LogItems(form_).last()), U("取得開始"));
  EXPECT_EQ(Lamp(form_), QColor(0x00, 0x80, 0x00));
}

TEST_F(MainFrmSink, ThreadEndClearsOnlyTheSlotOfThatThread) {
  TThreadSlot other;
  other.Register(nullptr, std::this_thread::get_id());
  form_.FIPatDirectThread = other;
  RunThread([](TIPatSink&) {}, &form_.FIPatThread);
  EXPECT_TRUE(form_.FIPatThread.IsSet()) << "the end notification is posted, not run at once";
  QApplication::processEvents();
  EXPECT_FALSE(form_.FIPatThread.IsSet());
  EXPECT_TRUE(form_.FIPatDirectThread.IsSet());

  RunThread([](TIPatSink&) {}, &form_.FIPatDirectThread);
  QApplication::processEvents();
  EXPECT_FALSE(form_.FIPatDirectThread.IsSet());
}

TEST_F(MainFrmSink, AnEndOfAnUnknownThreadIsIgnored) {
  form_.FIPatThread.Register(nullptr, std::this_thread::get_id());
  RunThread([](TIPatSink&) {}, nullptr);
  QApplication::processEvents();
  EXPECT_TRUE(form_.FIPatThread.IsSet());
}

TEST_F(MainFrmSink, AHandedOverDateIsOpenedOnlyWhenNoneIsOpen) {
  RunThread([](TIPatSink& sink) { sink.HandOverDate(46000); }, nullptr);
  EXPECT_EQ(form_.FDate, 46000);
  RunThread([](TIPatSink& sink) { sink.HandOverDate(46001); }, nullptr);
  EXPECT_EQ(form_.FDate, 46000);
}

}  // namespace
}  // namespace vorpa

// The main window as a frame: menus, actions, tool bar and controls.
#include "ui/MainFrm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QMouseEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "core/Remark.h"
#include "core/Setting.h"
#include "ipat/IPatDebugForm.h"
#include "ipat/IPatForm.h"
#include "support/GuiHelpers.h"
#include "support/TempDir.h"
#include "ui/AboutBox.h"
#include "ui/FrameLayout.h"
#include "ui/SettingForm.h"

namespace vorpa {
namespace {

using test::U;

class MainFrmTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TMainForm>(dir_.Path());
    forms_ = CreateAppForms(form_.get());
  }
  test::TempDir dir_;
  std::unique_ptr<TMainForm> form_;
  TAppForms forms_;
};

// Menu texts in order, "-" for a separator.
QStringList Items(QMenu* menu) {
  QStringList items;
  for (QAction* a : menu->actions()) items << (a->isSeparator() ? QString("-") : a->text());
  return items;
}

TEST_F(MainFrmTest, CaptionFontsAndDesignSize) {
  EXPECT_EQ(form_->windowTitle(), "Vorpa");
  EXPECT_EQ(form_->size(), QSize(995, 709));
  EXPECT_EQ(form_->font().family(), "IPAPGothic");
  EXPECT_EQ(form_->font().pixelSize(), 12);
  for (QTableWidget* g : {form_->sgRace, form_->sgOddsTime, form_->sgSyutuba}) {
    EXPECT_EQ(QFontInfo(g->font()).family(), "Noto Sans Mono CJK JP") << "the font is installed";
    EXPECT_EQ(g->font().pixelSize(), 12);
    g->setRowCount(2);
    EXPECT_EQ(g->rowHeight(1), 14);
  }
}

// Pixels of `text` drawn black on white in `font` with its baseline at
// (x, 16): their darkness (255 - grey) in a 24 x 24 picture.
std::vector<std::vector<int>> Ink(const QFont& font, const QString& text, qreal x) {
  QImage img(24, 24, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QPointF(x, 16), text);
  p.end();
  std::vector<std::vector<int>> ink(24, std::vector<int>(24));
  for (int y = 0; y < 24; ++y)
    for (int c = 0; c < 24; ++c) ink[y][c] = 255 - qGray(img.pixel(c, y));
  return ink;
}

// The box around the ink (darkness above 48) of an Ink picture.
struct TInkBox {
  int Top = 24, Bottom = -1, Left = 24, Right = -1, Darkest = 0;
};
TInkBox InkBox(const std::vector<std::vector<int>>& ink) {
  TInkBox b;
  for (int y = 0; y < 24; ++y)
    for (int c = 0; c < 24; ++c)
      if (ink[y][c] > 48) {
        b.Top = std::min(b.Top, y), b.Bottom = std::max(b.Bottom, y);
        b.Left = std::min(b.Left, c), b.Right = std::max(b.Right, c);
        b.Darkest = std::max(b.Darkest, ink[y][c]);
      }
  return b;
}

// The grids' glyphs are smoothed (dense kanji get grey edges instead of
// blotches) while a decimal point, wherever it falls, is one small dot
// that ends where the digits end: no tail below them, so it never reads
// as a comma.
TEST_F(MainFrmTest, GridGlyphsSmoothedWithADecimalPointThatStaysAPoint) {
  const QFont font = form_->sgSyutuba->font();
  int grey = 0;
  for (const auto& row : Ink(font, U("騸"), 4))
    for (int v : row) grey += v > 40 && v < 215;
  EXPECT_GE(grey, 8) << "smoothed";
  for (qreal x : {5.0, 5.3, 5.5, 5.8}) {
    const TInkBox digit = InkBox(Ink(font, "0", x));
    const TInkBox point = InkBox(Ink(font, ".", x));
    ASSERT_GE(point.Bottom, 0) << x;
    EXPECT_LE(point.Bottom - point.Top, 1) << "no taller than two pixels at " << x;
    EXPECT_LE(point.Right - point.Left, 1) << "no wider than two pixels at " << x;
    EXPECT_LE(point.Bottom, digit.Bottom) << "nothing below the digits at " << x;
    EXPECT_GE(point.Darkest, 100) << "dark enough to see at " << x;
  }
}

TEST_F(MainFrmTest, MenusInOrder) {
  QMenuBar* mm = form_->menuBar();
  EXPECT_EQ(mm->objectName(), "mmOddsForm");
  QStringList titles;
  for (QAction* a : mm->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{U("ファイル(&F)"), U("取得(&G)"), U("出力(O)"), U("表示(&V)"),
                                 U("設定(&S)"), U("ヘルプ(&H)")}));
  const std::vector<QStringList> items = {
      {U("開催日選択...(&K)"), "-", U("終了(&X)")},
      {U("IPATデータ取得(&J)"), U("IPAT指定データ取得...(&T)"), "-", U("最新状態更新(&R)"),
       U("取得状況...(&Q)"), "-", U("時刻データ削除(&D)")},
      {U("PAT風データ出力...(&P)")},
      {U("開催地順(&A)"), U("開催時刻順(&K)"), "-", U("馬番順(&N)"), U("単勝オッズ順(&T)"),
       U("複勝オッズ順(&F)"), U("馬連オッズ順(&U)"), "-", U("歪み表示(&H)"), "-", U("拡大"), U("縮小"),
       U("標準"), U("ウィンドウに合わせる"), "-", U("ログ...(&L)"), "-", U("アラート...(&R)")},
      {U("初期設定,,,(&I)")},
      {U("Vorpaヘルプ(&M)"), "-", U("バージョン情報...(&A)")},
  };
  ASSERT_EQ(mm->actions().size(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Items(mm->actions()[i]->menu()), items[i]) << i;
  // The history entry shows only on a name cell of the card.
  EXPECT_EQ(Items(form_->PopupMenu1), (QStringList{U("コピー(&Y)"), U("この馬の履歴")}));
  EXPECT_FALSE(form_->actHistory->isVisible());
}

TEST_F(MainFrmTest, ActionsCaptionsHintsAndShortcuts) {
  struct Expected {
    QAction* Action;
    const char* Name;
    const char* Caption;
    const char* Hint;  // "" for none
  };
  TMainForm& f = *form_;
  const Expected all[] = {
      {f.actEnd, "actEnd", "終了(&X)", "終了 | プログラムを終了します。"},
      {f.actSelDate, "actSelDate", "開催日選択...(&K)", "開催日選択 | 開催日を選択します。"},
      {f.actOutPatData, "actOutPatData", "PAT風データ出力...(&P)",
       "PAT風データ出力 | JRA風データを出力します。"},
      {f.actIPat, "actIPat", "IPATデータ取得...(&J)", "IPATデータ取得 | IPATデータを取得します.。"},
      {f.actIPatDirect, "actIPatDirect", "IPAT指定データ取得...(&T)",
       "IPAT指定データ取得 | IPATの指定のレースデータを取得します.。"},
      {f.actMojipanel, "actMojipanel", "文字放送データ取得...(&M)",
       "文字放送データ取得 | 文字放送データ取得パネルを表示します。"},
      {f.actRefresh, "actRefresh", "最新状態更新(&R)", "最新状態更新 | 取得データで最新状態に更新します。"},
      {f.actDelTimedata, "actDelTimedata", "時刻データ削除(&D)",
       "オッズ時刻データ削除 | 指定した時刻のオッズデータを削除します。"},
      {f.actSortKaisaiTime, "actSortKaisaiTime", "開催時刻順(&K)", "開催時刻順 | 開催時刻順で表示します。"},
      {f.actSortKaisaiKaisai, "actSortKaisaiKaisai", "開催地順(&A)", "開催地順 | 開催地順で表示します。"},
      {f.actSortTanOdds, "actSortTanOdds", "単勝オッズ順(&T)", "単勝オッズ順 | 単勝オッズ順に並び替えます。"},
      {f.actSortFukuOdds, "actSortFukuOdds", "複勝オッズ順(&F)", "複勝オッズ順 | 複勝オッズ順に並び替えます。"},
      {f.actSortRenOdds, "actSortRenOdds", "馬連オッズ順(&U)", "馬連オッズ順 | 馬連オッズ順に並び替えます。"},
      {f.actSortNo, "actSortNo", "馬番順(&N)", "馬番順 | 馬番順に並び替えます。"},
      {f.actSetting, "actSetting", "初期設定,,,(&I)", "初期設定 | 初期設定ウィンドウを表示します。"},
      {f.actManual, "actManual", "Vorpaヘルプ(&M)", ""},
      {f.actShowAbout, "actShowAbout", "バージョン情報...(&A)", "バージョン情報 | バージョン情報を表示します。"},
      {f.actCopy, "actCopy", "コピー(&Y)", ""},
  };
  for (const Expected& e : all) {
    SCOPED_TRACE(e.Name);
    EXPECT_EQ(e.Action->objectName(), e.Name);
    EXPECT_EQ(e.Action->text(), U(e.Caption));
    if (*e.Hint) {
      EXPECT_EQ(e.Action->toolTip() + " | " + e.Action->statusTip(), U(e.Hint));
    } else {
      EXPECT_TRUE(e.Action->statusTip().isEmpty());
    }
    if (e.Action == f.actCopy) {
      EXPECT_EQ(e.Action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    } else {
      EXPECT_TRUE(e.Action->shortcut().isEmpty());
    }
  }
}

TEST_F(MainFrmTest, MenuEntryWithItsOwnTextDrivesTheAction) {
  QMenu* get = form_->menuBar()->actions()[1]->menu();
  QAction* entry = get->actions()[0];
  EXPECT_TRUE(entry->isCheckable());
  EXPECT_FALSE(form_->actIPat->isChecked());
  // Without an INET ID the start routine warns; the toggle stays on.
  test::WhenModal([](QWidget* box) { static_cast<QDialog*>(box)->accept(); });
  entry->trigger();
  EXPECT_TRUE(form_->actIPat->isChecked());
  EXPECT_TRUE(entry->isChecked());
  form_->actIPat->setChecked(false);
  EXPECT_FALSE(entry->isChecked());
  form_->actIPat->setEnabled(false);
  EXPECT_FALSE(entry->isEnabled());
}

TEST_F(MainFrmTest, ToolBarButtonsInOrderWithPictures) {
  form_->show();
  QApplication::processEvents();
  QToolBar* tb = form_->ToolBar1;
  EXPECT_EQ(tb->parentWidget(), form_->Panel1);
  EXPECT_EQ(tb->geometry(), QRect(0, 0, 331, 34));
  EXPECT_EQ(tb->iconSize(), QSize(24, 24));
  QStringList order;
  for (QAction* a : tb->actions()) {
    if (a->isSeparator()) {
      order << "-";
      continue;
    }
    auto* b = qobject_cast<QToolButton*>(tb->widgetForAction(a));
    ASSERT_NE(b, nullptr);
    order << b->objectName() + ":" + a->objectName();
    EXPECT_EQ(b->size(), QSize(32, 30));
    EXPECT_TRUE(b->autoRaise());
    EXPECT_FALSE(a->icon().pixmap(24, 24).isNull());
    EXPECT_FALSE(b->toolTip().isEmpty());
    EXPECT_TRUE(b->isVisible()) << "not pushed into the overflow menu";
    EXPECT_LE(b->geometry().right(), tb->width());
  }
  EXPECT_EQ(order, (QStringList{"tbSelDate:actSelDate", "-", "tbMojiPanel:actIPat",
                                "tbRefresh:actIPatDirect", "-", "tbOutJRA:actOutPatData", "-",
                                "tbSortNo:actSortNo", "tbSortTanOdds:actSortTanOdds",
                                "tbSortFukuOdds:actSortFukuOdds", "tbSortRenOdds:actSortRenOdds", "-",
                                "tbDelTimeData:actDelTimedata", "-"}));
  // Nine pictures, no two alike.
  std::vector<QImage> images;
  for (QAction* a : tb->actions()) {
    if (!a->isSeparator()) images.push_back(a->icon().pixmap(24, 24).toImage());
  }
  ASSERT_EQ(images.size(), 9u);
  for (size_t i = 0; i < images.size(); ++i)
    for (size_t j = i + 1; j < images.size(); ++j) EXPECT_NE(images[i], images[j]) << i << " " << j;
}

// At the design size every control has its given place; a larger window
// gives its extra width to the card and the tabs and its extra height to
// the lists, the card (a third) and the tabs, whose pages' controls grow
// with them; the design size is the smallest.
TEST_F(MainFrmTest, ControlsAtTheirPositionsAndGrowingWithTheWindow) {
  TMainForm& f = *form_;
  // A tab page's content placed by its design rectangle (on a page of
  // its own, taken away again below).
  auto* page = new QWidget;
  auto* frame = new TFrameLayout(page, f.PageControl1, QSize(745, 327));
  auto* content = new QWidget;
  frame->AddControl(content, {"content", {4, 6, 300, 200}, {0, 0, 1, 1}});
  f.PageControl1->setCurrentIndex(f.PageControl1->addTab(page, "x"));
  f.sgRace->setRowCount(80);
  f.show();
  QApplication::processEvents();
  ASSERT_EQ(f.size(), QSize(995, 709));
  EXPECT_EQ(f.Panel1->geometry(), QRect(0, 0, 995, 34));
  EXPECT_EQ(f.lblRaceInfo->pos(), QPoint(336, 4));
  EXPECT_EQ(f.lblRaceInfo2->pos(), QPoint(336, 18));
  EXPECT_EQ(f.sgRace->geometry(), QRect(3, 36, 168, 559));
  EXPECT_EQ(f.sgOddsTime->geometry(), QRect(175, 36, 56, 559));
  EXPECT_EQ(f.sgSyutuba->geometry(), QRect(236, 36, 741, 289));
  EXPECT_EQ(f.PageControl1->geometry(), QRect(236, 330, 745, 327));
  EXPECT_EQ(f.lstLog->geometry(), QRect(3, 601, 205, 55));
  EXPECT_EQ(f.pnlRecv->geometry(), QRect(214, 601, 14, 14));
  EXPECT_EQ(content->geometry(), QRect(4, 6, 300, 200));
  EXPECT_EQ(f.sgSyutuba->rowHeight(0), 14);
  const int rowsShown = f.sgRace->rowAt(f.sgRace->viewport()->height() - 1);

  f.resize(1600, 1000);  // 605 wider, 291 higher
  QApplication::processEvents();
  EXPECT_EQ(f.Panel1->geometry(), QRect(0, 0, 1600, 34));
  EXPECT_EQ(f.ToolBar1->geometry(), QRect(0, 0, 331, 34));
  EXPECT_EQ(f.sgRace->geometry(), QRect(3, 36, 168, 559 + 291));
  EXPECT_EQ(f.sgOddsTime->geometry(), QRect(175, 36, 56, 559 + 291));
  EXPECT_EQ(f.sgSyutuba->geometry(), QRect(236, 36, 741 + 605, 289 + 97));
  EXPECT_EQ(f.PageControl1->geometry(), QRect(236, 330 + 97, 745 + 605, 327 + 194));
  EXPECT_EQ(f.lstLog->geometry(), QRect(3, 601 + 291, 205, 55));
  EXPECT_EQ(f.pnlRecv->geometry(), QRect(214, 601 + 291, 14, 14));
  EXPECT_EQ(content->geometry(), QRect(4, 6, 300 + 605, 200 + 194));
  // Columns keep their widths; the lists show more rows, the card's rows
  // grow with it.
  EXPECT_EQ(f.sgSyutuba->columnWidth(2), 124);
  EXPECT_GT(f.sgRace->rowAt(f.sgRace->viewport()->height() - 1), rowsShown + 15);
  EXPECT_EQ(f.sgSyutuba->rowHeight(0), 14 * 386 / 289);
  EXPECT_LE(f.sgSyutuba->rowViewportPosition(17) + f.sgSyutuba->rowHeight(17),
            f.sgSyutuba->viewport()->height()) << "all 18 rows in sight";

  f.resize(800, 600);
  QApplication::processEvents();
  EXPECT_EQ(f.size(), QSize(995, 709)) << "the design size is the smallest";
  EXPECT_EQ(f.sgSyutuba->geometry(), QRect(236, 36, 741, 289));
  delete page;
  f.PageControl1->setCurrentIndex(0);
  EXPECT_EQ(f.pnlRecv->lineWidth(), 2);
  EXPECT_EQ(f.pnlRecv->frameShadow(), QFrame::Sunken);
  QStringList tabs;
  for (int i = 0; i < f.PageControl1->count(); ++i) tabs << f.PageControl1->tabText(i);
  EXPECT_EQ(tabs, (QStringList{U("枠連"), U("馬連"), U("馬単"), U("ワイド"), U("グラフ"), U("グラフ2"),
                               U("結果"), U("(簡易計算)"), U("推定")}));
  EXPECT_EQ(f.PageControl1->currentIndex(), 0);
  EXPECT_EQ(f.lstLog->count(), 4);
  EXPECT_EQ(f.lstLog->palette().color(QPalette::Base), f.lstLog->palette().color(QPalette::Button));
}

TEST_F(MainFrmTest, StartStateAndTimerFromTheSettings) {
  EXPECT_EQ(form_->FDate, 0);
  EXPECT_FALSE(form_->FRaceLoaded);
  EXPECT_EQ(form_->FOddsIndex, -1);
  EXPECT_EQ(form_->tmIPAT->interval(), 3 * 60000);
  EXPECT_FALSE(form_->FIPatThread.IsSet());
  EXPECT_FALSE(form_->FIPatDirectThread.IsSet());
}

TEST(MainFrmSettings, AnEnormousCheckCycleGivesTheLongestTimerInterval) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("Vorpa.Ini"), "[vorpa]\r\nIPatChkCycle=100000\r\n");
  TMainForm form(dir.Path());
  EXPECT_EQ(form.tmIPAT->interval(), 2147483647);
  Setting = TSetting();
}

TEST(MainFrmSettings, SettingsAndRemarksAreReadFromTheConfigDirectory) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("Vorpa.Ini"),
                       "[vorpa]\r\nIPatChkCycle=7\r\nDispUmaOrder=2\r\nDispKaisaiOrder=1\r\n");
  test::WriteFileBytes(dir.File("VorpaRemark.txt"), "ABC,FF0000,00FF00\r\n");
  TMainForm form(dir.Path());
  EXPECT_EQ(form.tmIPAT->interval(), 7 * 60000);
  EXPECT_EQ(form.FUmaOrder, 2);
  EXPECT_EQ(form.FKaisaiOrder, 1);
  EXPECT_EQ(Setting.IPatChkCycle, 7);
  ASSERT_NE(Remarks.Find("ABCD"), nullptr);
  EXPECT_EQ(Remarks.Find("ABCD")->TextColor, 0xFF0000u);
  Setting = TSetting();
  Remarks.Items.clear();
}

TEST_F(MainFrmTest, TheWindowsAreCreatedInOrderWithTheirCaptions) {
  const QObjectList& kids = form_->children();
  QStringList order;
  for (QObject* o : kids) {
    if (auto* w = qobject_cast<QDialog*>(o)) {
      order << w->objectName() + ":" + w->windowTitle();
    }
  }
  // The log window belongs to the main window and comes with it.
  EXPECT_EQ(order, (QStringList{U("LogForm:ログ"), U("IPatDebugForm:IPATデータ取得デバッグ用"), U("SelDateForm:開催日選択"),
                                U("IPatDirectForm:IPAT指定データ取得"), U("AboutBox:バージョン情報"),
                                U("PatOutForm:PAT風データ出力"), U("IPatForm:IPATデータ取得状況"),
                                U("SettingForm:初期設定")}));
}

TEST_F(MainFrmTest, AboutBoxIsShownModally) {
  bool seen = false;
  test::WhenModal([&](QWidget* modal) {
    seen = modal == static_cast<QWidget*>(forms_.About);
    modal->close();
  });
  form_->actShowAbout->trigger();
  EXPECT_TRUE(seen);
}

TEST_F(MainFrmTest, SettingsDialogOkSetsTheTimerCancelKeepsIt) {
  EXPECT_EQ(form_->tmIPAT->interval(), 3 * 60000);
  Setting.IPatChkCycle = 7;  // what the dialog would have saved
  bool seen = false;
  test::WhenModal([&](QWidget* modal) {
    seen = modal == static_cast<QWidget*>(forms_.Setting);
    qobject_cast<QDialog*>(modal)->reject();
  });
  form_->actSetting->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(form_->tmIPAT->interval(), 3 * 60000);
  test::WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  form_->actSetting->trigger();
  EXPECT_EQ(form_->tmIPAT->interval(), 7 * 60000);
  Setting = TSetting();
}

TEST_F(MainFrmTest, TheStatusMenuEntryShowsTheStatusWindowNotModal) {
  form_->show();
  QWidget* status = static_cast<QWidget*>(forms_.IPat);
  EXPECT_FALSE(status->isVisible());
  QMenu* get = form_->menuBar()->actions()[1]->menu();
  get->actions()[4]->trigger();  // 取得状況...(&Q)
  EXPECT_TRUE(status->isVisible());
  EXPECT_FALSE(status->isModal());
}

TEST_F(MainFrmTest, DoubleClickOnTheLampShowsTheDebugWindow) {
  form_->show();
  QWidget* debug = forms_.IPatDebug;
  EXPECT_FALSE(debug->isVisible());
  QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_->pnlRecv, &click);
  EXPECT_TRUE(debug->isVisible());
  EXPECT_FALSE(debug->isModal());
}

}  // namespace
}  // namespace vorpa

#include "ui/MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QMessageBox>
#include <QResizeEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWheelEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "core/AppDirs.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/IniFile.h"
#include "core/MeetingClock.h"
#include "patout/PatOut.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "history/HistorySyncThread.h"
#include "ipat/IPatDebugForm.h"
#include "ipat/IPatForm.h"
#include "ui/AboutBox.h"
#include "ui/CalcTab.h"
#include "ui/DesktopNotifier.h"
#include "ui/LogForm.h"
#include "ui/FrameLayout.h"
#include "ui/GridText.h"
#include "ui/OddsTab.h"
#include "ui/SettingForm.h"
#include "ui/ToolBarImages.h"
#include "ui/ViewToQt.h"
#include "view/StartMessages.h"
#include "view/SettingEdit.h"
#include "view/Zoom.h"

namespace vorpa {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }


QFont PixelFont(const char* family) {
  QFont f(family);
  f.setPixelSize(12);
  return f;
}

// A menu entry for `action` with its own text, following the action's
// checked and enabled state.
QAction* MenuAlias(QAction* action, const char* text, QObject* parent) {
  auto* alias = new QAction(action->icon(), U(text), parent);
  alias->setCheckable(action->isCheckable());
  alias->setChecked(action->isChecked());
  alias->setEnabled(action->isEnabled());
  alias->setStatusTip(action->statusTip());
  QObject::connect(action, &QAction::changed, alias, [action, alias] {
    alias->setChecked(action->isChecked());
    alias->setEnabled(action->isEnabled());
  });
  QObject::connect(alias, &QAction::triggered, action, [action, alias] {
    alias->setChecked(action->isChecked());
    action->trigger();
  });
  return alias;
}

}  // namespace

const TSystemClock kLocalClock;

TMainForm::TMainForm(const std::string& configDir, const TClock* clock, QWidget* parent)
    : QMainWindow(parent),
      Clock(clock ? *clock : kLocalClock),
      IPatControl(std::make_unique<TIPatControl>(Setting, Clock, *this)),
      FIPat(IPatControl->FIPat),
      FIPatDirect(IPatControl->FIPatDirect),
      FIPatThread(IPatControl->FIPatThread),
      FIPatDirectThread(IPatControl->FIPatDirectThread),
      configDir_(configDir),
      dayLog_(std::make_unique<TDayLog>(Clock, LogDir())) {
  setObjectName("MainForm");
  setWindowTitle("Vorpa");
  setFont(PixelFont("IPAPGothic"));
  resize(kDesignWidth, kDesignHeight);
  setMinimumSize(kDesignWidth, kDesignHeight);
  CreateActions();
  CreateControls();
  CreateToolBar();
  CreateMenus();
  CreateStatusBar();
  FormCreate();
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::AttachForms(const TAppForms& forms) {
  Forms = forms;
  StatusView = forms.IPat;
}

QAction* TMainForm::NewAction(const char* name, const char* caption, const char* hint, int image) {
  auto* a = new QAction(U(caption), this);
  a->setObjectName(name);
  if (*hint) {
    THintParts parts = SplitHint(hint);
    a->setToolTip(U(parts.Short.c_str()));
    a->setStatusTip(U(parts.Long.c_str()));
  }
  if (image >= 0) a->setIcon(ToolBarImage(static_cast<TToolBarImage>(image)));
  return a;
}

void TMainForm::CreateActions() {
  actEnd = NewAction("actEnd", "終了(&X)", "終了 | プログラムを終了します。");
  actSelDate = NewAction("actSelDate", "開催日選択...(&K)", "開催日選択 | 開催日を選択します。",
                         kImgSelDate);
  actOutPatData = NewAction("actOutPatData", "PAT風データ出力...(&P)",
                            "PAT風データ出力 | JRA風データを出力します。", kImgOutPat);
  actIPat = NewAction("actIPat", "IPATデータ取得...(&J)",
                      "IPATデータ取得 | IPATデータを取得します.。", kImgIPat);
  actIPat->setCheckable(true);
  actIPatDirect = NewAction("actIPatDirect", "IPAT指定データ取得...(&T)",
                            "IPAT指定データ取得 | IPATの指定のレースデータを取得します.。",
                            kImgIPatDirect);
  actMojipanel = NewAction("actMojipanel", "文字放送データ取得...(&M)",
                           "文字放送データ取得 | 文字放送データ取得パネルを表示します。");
  actRefresh = NewAction("actRefresh", "最新状態更新(&R)",
                         "最新状態更新 | 取得データで最新状態に更新します。");
  actDelTimedata = NewAction("actDelTimedata", "時刻データ削除(&D)",
                             "オッズ時刻データ削除 | 指定した時刻のオッズデータを削除します。",
                             kImgDelTimeData);
  actSortKaisaiTime = NewAction("actSortKaisaiTime", "開催時刻順(&K)",
                                "開催時刻順 | 開催時刻順で表示します。");
  actSortKaisaiKaisai = NewAction("actSortKaisaiKaisai", "開催地順(&A)",
                                  "開催地順 | 開催地順で表示します。");
  actSortTanOdds = NewAction("actSortTanOdds", "単勝オッズ順(&T)",
                             "単勝オッズ順 | 単勝オッズ順に並び替えます。", kImgSortTanOdds);
  actSortFukuOdds = NewAction("actSortFukuOdds", "複勝オッズ順(&F)",
                              "複勝オッズ順 | 複勝オッズ順に並び替えます。", kImgSortFukuOdds);
  actSortRenOdds = NewAction("actSortRenOdds", "馬連オッズ順(&U)",
                             "馬連オッズ順 | 馬連オッズ順に並び替えます。", kImgSortRenOdds);
  actSortNo = NewAction("actSortNo", "馬番順(&N)", "馬番順 | 馬番順に並び替えます。", kImgSortNo);
  actSetting = NewAction("actSetting", "初期設定,,,(&I)",
                         "初期設定 | 初期設定ウィンドウを表示します。");
  actManual = NewAction("actManual", "Vorpaヘルプ(&M)", "");
  actShowAbout = NewAction("actShowAbout", "バージョン情報...(&A)",
                           "バージョン情報 | バージョン情報を表示します。");
  actDistortion = NewAction("actDistortion", "歪み表示(&H)",
                            "歪み表示 | 枠連・馬連・馬単・ワイドのオッズを、単勝オッズから計算した"
                            "理論オッズとの比で色分けします。");
  actDistortion->setCheckable(true);
  actShowLog = NewAction("actShowLog", "ログ...(&L)", "ログ | 今日の取得の記録を表示します。");
  actCopy = NewAction("actCopy", "コピー(&Y)", "");
  actCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  addAction(actCopy);
  actZoomIn = NewAction("actZoomIn", "拡大", "拡大 | 表・一覧・結果の文字を大きくします。");
  actZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  actZoomOut = NewAction("actZoomOut", "縮小", "縮小 | 表・一覧・結果の文字を小さくします。");
  actZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  actZoomReset = NewAction("actZoomReset", "標準", "標準 | 表・一覧・結果を標準の大きさにします。");
  actZoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  actZoomFit = NewAction("actZoomFit", "ウィンドウに合わせる",
                         "ウィンドウに合わせる | 出馬表とオッズ表がウィンドウに収まる最大の大きさにします。");
  actZoomFit->setCheckable(true);

  connect(actEnd, &QAction::triggered, this, &QWidget::close);
  connect(actManual, &QAction::triggered, this, &TMainForm::actManualExecute);
  connect(actShowAbout, &QAction::triggered, this, &TMainForm::actShowAboutExecute);
  connect(actSetting, &QAction::triggered, this, &TMainForm::actSettingExecute);
  connect(actMojipanel, &QAction::triggered, this, &TMainForm::actMojipanelExecute);
  connect(actShowLog, &QAction::triggered, this, [this] {
    LogForm->show();
    LogForm->raise();
  });
  connect(actOutPatData, &QAction::triggered, this, &TMainForm::actOutPatDataExecute);
  connect(actIPat, &QAction::triggered, this, &TMainForm::actIPatExecute);
  connect(actIPatDirect, &QAction::triggered, this, &TMainForm::actIPatDirectExecute);
  connect(actDistortion, &QAction::triggered, this, &TMainForm::actDistortionExecute);
}

void TMainForm::CreateMenus() {
  QMenuBar* mm = menuBar();
  mm->setObjectName("mmOddsForm");
  QMenu* file = mm->addMenu(U("ファイル(&F)"));
  file->addAction(actSelDate);
  file->addSeparator();
  file->addAction(actEnd);
  QMenu* get = mm->addMenu(U("取得(&G)"));
  get->addAction(MenuAlias(actIPat, "IPATデータ取得(&J)", get));
  get->addAction(actIPatDirect);
  get->addSeparator();
  get->addAction(actRefresh);
  get->addAction(MenuAlias(actMojipanel, "取得状況...(&Q)", get));
  get->addSeparator();
  get->addAction(actDelTimedata);
  QMenu* out = mm->addMenu(U("出力(O)"));
  out->addAction(actOutPatData);
  QMenu* view = mm->addMenu(U("表示(&V)"));
  view->addAction(actSortKaisaiKaisai);
  view->addAction(actSortKaisaiTime);
  view->addSeparator();
  view->addAction(actSortNo);
  view->addAction(actSortTanOdds);
  view->addAction(actSortFukuOdds);
  view->addAction(actSortRenOdds);
  view->addSeparator();
  view->addAction(actDistortion);
  view->addSeparator();
  view->addAction(actZoomIn);
  view->addAction(actZoomOut);
  view->addAction(actZoomReset);
  view->addAction(actZoomFit);
  view->addSeparator();
  view->addAction(actShowLog);
  QMenu* set = mm->addMenu(U("設定(&S)"));
  set->addAction(actSetting);
  QMenu* help = mm->addMenu(U("ヘルプ(&H)"));
  help->addAction(actManual);
  help->addSeparator();
  help->addAction(actShowAbout);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  PopupMenu1->addAction(actCopy);
}

void TMainForm::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  setCentralWidget(client);

  Panel1 = new QWidget(client);
  Panel1->setObjectName("Panel1");
  lblRaceInfo = new QLabel(Panel1);
  lblRaceInfo->setObjectName("lblRaceInfo");
  lblRaceInfo->move(336, 4);
  lblRaceInfo2 = new QLabel(Panel1);
  lblRaceInfo2->setObjectName("lblRaceInfo2");
  lblRaceInfo2->move(336, 18);

  sgRace = NewViewGrid(client, "sgRace");
  sgOddsTime = NewViewGrid(client, "sgOddsTime");
  sgSyutuba = NewViewGrid(client, "sgSyutuba");
  // The card's rows grow with the height it gets in a larger window.
  sgSyutuba->installEventFilter(this);
  sgSyutuba->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(sgSyutuba, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    PopupMenu1->popup(sgSyutuba->viewport()->mapToGlobal(pos));
  });

  PageControl1 = new QTabWidget(client);
  PageControl1->setObjectName("PageControl1");
  const char* tabs[] = {"枠連", "馬連", "馬単", "ワイド", "グラフ", "グラフ2", "結果", "(簡易計算)", "推定"};
  int n = 0;
  for (const char* tab : tabs) {
    auto* page = new QWidget;
    page->setObjectName(QString("TabSheet%1").arg(++n));
    PageControl1->addTab(page, U(tab));
  }

  lstLog = new QListWidget(client);
  lstLog->setObjectName("lstLog");
  QPalette pal = lstLog->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  lstLog->setPalette(pal);
  lstLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstLog->setToolTip(U("ダブルクリックでログウィンドウを開きます"));
  for (const std::string& line : log_.Lines()) lstLog->addItem(FromCp932(line));
  connect(lstLog, &QListWidget::itemDoubleClicked, actShowLog, &QAction::trigger);
  LogForm = new TLogForm(this);
  Notifier = new TDesktopNotifier(this);
  Notify = [this](const std::string& summary, const std::string& body) {
    Notifier->Notify(QString::fromStdString(summary), QString::fromStdString(body));
  };

  pnlRecv = new QFrame(client);
  pnlRecv->setObjectName("pnlRecv");
  pnlRecv->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnlRecv->setLineWidth(2);
  pnlRecv->setAutoFillBackground(true);
  pnlRecv->installEventFilter(this);
  SetRecvLamp(false);

  tmIPAT = new QTimer(this);
  tmIPAT->setObjectName("tmIPAT");
  connect(tmIPAT, &QTimer::timeout, this, &TMainForm::tmIPATTimer);

  // Every control at its design place, growing with the window and
  // moving with the zoom.
  frame_ = new TFrameLayout(client, this, QSize(kDesignWidth, kDesignHeight));
  for (const TFrameControl& c : MainFrameControls())
    frame_->AddControl(client->findChild<QWidget*>(c.Name, Qt::FindDirectChildrenOnly), c);
  frame_->SetPlacer([this](const TFrameControl& c, QSize extra) {
    return ZoomedMainRect(c, extra.width(), extra.height(), zoom_);
  });
}

void TMainForm::CreateToolBar() {
  ToolBar1 = new QToolBar(Panel1);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setGeometry(0, 0, 331, MainFrameControl("Panel1").Design.Height);
  ToolBar1->setIconSize(QSize(24, 24));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  // Nine 32-pixel buttons and five narrow separators fill the 331 pixels.
  ToolBar1->setStyleSheet(
      "QToolBar { spacing: 0px; padding: 0px; border: 0px; } QToolBar::separator { width: 6px; }");
  auto button = [this](const char* name, QAction* action) {
    ToolBar1->addAction(action);
    QWidget* b = ToolBar1->widgetForAction(action);
    b->setObjectName(name);
    b->setFixedSize(32, 30);
  };
  button("tbSelDate", actSelDate);
  ToolBar1->addSeparator();
  button("tbMojiPanel", actIPat);
  button("tbRefresh", actIPatDirect);
  ToolBar1->addSeparator();
  button("tbOutJRA", actOutPatData);
  ToolBar1->addSeparator();
  button("tbSortNo", actSortNo);
  button("tbSortTanOdds", actSortTanOdds);
  button("tbSortFukuOdds", actSortFukuOdds);
  button("tbSortRenOdds", actSortRenOdds);
  ToolBar1->addSeparator();
  button("tbDelTimeData", actDelTimedata);
  ToolBar1->addSeparator();
}

void TMainForm::FormCreate() {
  LoadWindowInfo();
  ApplyWindowInfo();
  LoadSettingFiles();
  AttachPatOut(*IPatControl, Setting);
  Notifier->SetEnabled(Setting.DesktopNotify);
  ShowDemoMark();
  tmIPAT->setInterval(TimerInterval(Setting.IPatChkCycle, Clock.Rate()));
  tmIPAT->start();
  lastTickAt_ = Clock.Now();
  FDate = 0;
  FRaceLoaded = false;
  FOddsIndex = -1;
  FUmaOrder = Setting.DispUmaOrder;
  FKaisaiOrder = Setting.DispKaisaiOrder;
  SetUpRaceList();
  SetUpRaceCard();
  SetUpAnalysisTabs();
  SetUpMovement();
  SetUpZoom();
  // On race days acquisition starts by itself, once the window is up.
  const int day = DayOfWeek(Clock.Now());
  if (Setting.AutoIPat && (day == 1 || day == 7))
    StartAcquisitionSoon();
  PageControl1->setCurrentIndex(0);
  UpdateStatusBar();
  // Races stored while the program was not running (or whose database
  // update failed) enter the history database.
  if (!Setting.MojiPath.empty())
    historySync_ = std::make_unique<THistorySyncThread>(Setting.MojiPath, [this](const std::string& note) {
      if (!note.empty()) QMetaObject::invokeMethod(this, [this, note] { AddLog(note); }, Qt::QueuedConnection);
    });
}

bool TMainForm::FormCloseQuery() {
  if (!FAutoExiting) {
    QMessageBox box(QMessageBox::Information, "Vorpa", U("終了します。"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName("CloseQuery");
    if (box.exec() != QMessageBox::Ok) return false;
  }
  StopThreads();
  return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->ignore();  // a close asked for while the threads are awaited
    return;
  }
  closing_ = true;
  const bool close = FormCloseQuery();
  closing_ = false;
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TMainForm::FormDestroy() {
  closing_ = true;
  historySync_.reset();
  StopThreads();
  ReadWindowPlacement();
  if (settingsWritable_) SaveWindowInfo();
}

void TMainForm::LoadWindowInfo() {
  WindowInfo = vorpa::LoadWindowInfo(TIniFile::Load(configDir_ + kSettingFileName), width(),
                                     height());
}

void TMainForm::ApplyWindowInfo() {
  std::vector<TFrameRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    screens.push_back({g.left(), g.top(), g.width(), g.height()});
  }
  if (!PlacementApplies(WindowInfo, screens)) return;
  setGeometry(WindowInfo.WinLeft, WindowInfo.WinTop, WindowInfo.WinWidth, WindowInfo.WinHeight);
  switch (StateToApply(WindowInfo)) {
    case kWinMinimized: setWindowState(Qt::WindowMinimized); break;
    case kWinMaximized: setWindowState(Qt::WindowMaximized); break;
    case kWinNormal: setWindowState(Qt::WindowNoState); break;
  }
}

void TMainForm::ReadWindowPlacement() {
  QRect r = normalGeometry();
  if (r.isEmpty()) r = geometry();
  WindowInfo.WinWidth = r.width();
  WindowInfo.WinHeight = r.height();
  WindowInfo.WinLeft = r.left();
  WindowInfo.WinTop = r.top();
  WindowInfo.WinState = isMinimized() ? kWinMinimized : isMaximized() ? kWinMaximized : kWinNormal;
}

void TMainForm::SaveWindowInfo() {
  vorpa::SaveWindowInfo(configDir_ + kSettingFileName, WindowInfo);
}

void TMainForm::AddLog(const std::string& line, bool error) {
  const TLogEntry entry = dayLog_->Add(line, error);
  const std::string timed = TimedLogLine(entry);
  log_.Add(timed);
  delete lstLog->takeItem(0);
  auto* item = new QListWidgetItem(FromCp932(timed), lstLog);
  item->setToolTip(item->text());
  if (error) item->setForeground(LogErrorColor());
  LogForm->Append(entry);
  const std::string failure = dayLog_->TakeWriteFailure();
  if (!failure.empty()) AddLog(Utf8ToCp932("ログファイルに書き込めません: " + failure), true);
}

void TMainForm::SetRecvLamp(bool on) {
  QPalette pal = pnlRecv->palette();
  pal.setColor(QPalette::Window, ToQColor(RecvLampColor(on), pal));
  pnlRecv->setPalette(pal);
}

void TMainForm::RunOnMainThread(const std::function<void()>& fn) {
  if (QThread::currentThread() == thread()) {
    fn();
  } else {
    QMetaObject::invokeMethod(this, fn, Qt::BlockingQueuedConnection);
  }
}

void TMainForm::Log(const std::string& line) {
  RunOnMainThread([&] { AddLog(line); });
}

void TMainForm::Error(TIPatError kind, const std::string& line) {
  const std::thread::id thread = std::this_thread::get_id();
  RunOnMainThread([&] { ShowError(kind, line, thread); });
}

void TMainForm::RaceStored(const TRace& race) {
  RunOnMainThread([&] {
    lastStoreAt_ = Clock.Now();
    lastStoreRace_ = race.Header.VenueName + std::to_string(race.Header.RaceNo) + "R";
    UpdateStatusBar();
    RaceStoredByThread(race);
  });
}

void TMainForm::RecvLamp(bool on) {
  RunOnMainThread([&] { SetRecvLamp(on); });
}

void TMainForm::StatusUpdate(const TIPat& session) {
  RunOnMainThread([&] {
    IPatControl->NoteStatus(session);
    NoteRunStatus(session);
    if (StatusView) StatusView->IPatStateToForm(session);
  });
}

void TMainForm::RaceInfo(const TIPat& session) {
  RunOnMainThread([&] {
    lastPageAt_ = Clock.Now();
    if (StatusView) StatusView->ShowRaceInfo(session);
  });
}

void TMainForm::HandOverDate(double meetingDate) {
  RunOnMainThread([&] {
    if (FDate == 0) OpenDate(meetingDate);
  });
}

void TMainForm::ThreadEnd(std::thread::id id) {
  QMetaObject::invokeMethod(this, [this, id] { OnThreadEnd(id); }, Qt::QueuedConnection);
}


bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pnlRecv && event->type() == QEvent::MouseButtonDblClick) {
    pnlRecvDblClick();
    return true;
  }
  if (watched == sgSyutuba && event->type() == QEvent::Resize)
    GrowRows(sgSyutuba, MainFrameControl("sgSyutuba").Design.Height);
  if (event->type() == QEvent::Wheel && watched->property("zoomsByWheel").toBool() &&
      (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier)) {
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta != 0) ChangeZoom(StepZoom(zoom_, delta));
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::pnlRecvDblClick() {
  if (!Forms.IPatDebug) return;
  Forms.IPatDebug->SetSession(&FIPat, &FIPatThread, StatusView);
  Forms.IPatDebug->show();
}

void TMainForm::actManualExecute() {
  const QString page = QString::fromStdString(HelpPagePath(ProgramDir()));
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(page))) return;
  // No browser to open it: say where the page is.
  QMessageBox box(QMessageBox::Information, "Vorpa",
                  U("ヘルプを表示するブラウザーを開けませんでした。\nヘルプのページ：\n") + page,
                  QMessageBox::Ok, this);
  box.setObjectName("HelpPageMessage");
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.exec();
}

void TMainForm::actShowAboutExecute() {
  if (Forms.About) Forms.About->exec();
}

void TMainForm::actSettingExecute() {
  if (!Forms.Setting || Forms.Setting->exec() != QDialog::Accepted) return;
  tmIPAT->setInterval(TimerInterval(Setting.IPatChkCycle, Clock.Rate()));  // restarts it
  lastTickAt_ = Clock.Now();
  Notifier->SetEnabled(Setting.DesktopNotify);
  ShowDemoMark();
  CalcTab->SetBuyTotal(Setting.BuyTotal);
  // Changed colour settings show at once.
  sgSyutuba->viewport()->update();
  for (TOddsTab* tab : OddsTabs) tab->Repaint();
  // Changed alert settings too.
  UpdateDayAlerts();
  if (FOddsIndex >= 0) ShowOdds();
}

void TMainForm::FirstStartCheck() {
  if (!settingsWritable_) {
    QMessageBox::warning(this, "Vorpa", FromCp932(SettingNotReadableMessage().Log));
    return;
  }
  if (!NeedsFirstSettings(Setting)) return;
  QMessageBox box(QMessageBox::Information, U("Vorpa へようこそ"),
                  QString::fromStdString(WelcomeText()), QMessageBox::NoButton, this);
  box.setObjectName("WelcomeDialog");
  QPushButton* open = box.addButton(U(kWelcomeOpenSettings), QMessageBox::AcceptRole);
  open->setObjectName("btnOpenSettings");
  box.addButton(U("あとで"), QMessageBox::RejectRole)->setObjectName("btnLater");
  box.setDefaultButton(open);
  box.exec();
  if (box.clickedButton() == open) actSetting->trigger();
}

void TMainForm::actMojipanelExecute() {
  if (!Forms.IPat) return;
  Forms.IPat->show();
  // An open status window hidden behind others comes to the front.
  Forms.IPat->raise();
  Forms.IPat->activateWindow();
}

}  // namespace vorpa

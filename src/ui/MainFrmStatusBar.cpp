// The main window's status bar: the last error, the demo mark, the program
// clock, what acquisition is doing, the last page and race, the next race;
// and the desktop notifications of errors.
#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ui/DesktopNotifier.h"
#include "ui/LogForm.h"
#include "ui/MainFrm.h"
#include "ui/ViewToQt.h"
#include "view/StartMessages.h"

namespace vorpa {
namespace {

constexpr double kMsPerDay = 86400000.0;

QLabel* StatusLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setContentsMargins(4, 0, 4, 0);
  return l;
}

// The title of an error's notification.
const char* ErrorTitle(TIPatError kind) {
  switch (kind) {
    case TIPatError::Login: return "認証エラー";
    case TIPatError::Communication: return "通信エラー";
    case TIPatError::Store: return "保存エラー";
    case TIPatError::PatOutput: return "PAT出力エラー";
    default: return "取得エラー";
  }
}

}  // namespace

void TMainForm::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  lblStatusError = StatusLabel(bar, "lblStatusError");
  QPalette pal = lblStatusError->palette();
  pal.setColor(QPalette::WindowText, LogErrorColor());
  lblStatusError->setPalette(pal);
  lblStatusError->setMinimumWidth(0);
  lblStatusError->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  lblStatusDemo = StatusLabel(bar, "lblStatusDemo");
  lblStatusDemo->setText(QString::fromUtf8("デモ"));
  lblStatusDemo->setStyleSheet("QLabel { background: #FFD060; color: black; font-weight: bold; }");
  lblStatusDemo->setToolTip(QString::fromUtf8("付属の模擬サーバーのデモ設定です。実際のデータではありません。"));
  lblStatusDemo->hide();
  bar->addWidget(lblStatusError, 1);
  bar->addPermanentWidget(lblStatusDemo);
  lblStatusClock = StatusLabel(bar, "lblStatusClock");
  lblStatusIPat = StatusLabel(bar, "lblStatusIPat");
  lblStatusRecv = StatusLabel(bar, "lblStatusRecv");
  lblStatusStore = StatusLabel(bar, "lblStatusStore");
  lblStatusNextRace = StatusLabel(bar, "lblStatusNextRace");
  for (QLabel* l : {lblStatusClock, lblStatusIPat, lblStatusRecv, lblStatusStore, lblStatusNextRace})
    bar->addPermanentWidget(l);
  tmStatus = new QTimer(this);
  tmStatus->setObjectName("tmStatus");
  tmStatus->setInterval(1000);
  connect(tmStatus, &QTimer::timeout, this, &TMainForm::UpdateStatusBar);
  tmStatus->start();
}

void TMainForm::ShowDemoMark() {
  setWindowTitle(QString::fromStdString(MainCaption(FDate, Setting.Demo)));
  lblStatusDemo->setVisible(Setting.Demo);
}

void TMainForm::UpdateStatusBar() {
  const double now = Clock.Now();
  TAcquisitionNow a;
  a.On = actIPat->isChecked();
  const TRunStatus* run = FIPatThread.IsSet()         ? &scheduledStatus_
                          : FIPatDirectThread.IsSet() ? &directStatus_
                                                      : nullptr;
  if (run) {
    a.Running = true;
    a.StateName = IPatStateLabel(run->State);
    a.WaitLeft = run->WaitLeft;
  }
  if (lastTickAt_ != 0) a.NextTick = lastTickAt_ + tmIPAT->interval() / kMsPerDay;
  lblStatusClock->setText(FromCp932(ClockText(now)));
  lblStatusIPat->setText(FromCp932(AcquisitionText(a)));
  lblStatusRecv->setText(FromCp932(LastPageText(lastPageAt_)));
  lblStatusStore->setText(FromCp932(LastStoreText(lastStoreAt_, lastStoreRace_)));
  lblStatusNextRace->setText(FromCp932(NextRaceText(now, FDate, postedRaces_)));
}

void TMainForm::NoteRunStatus(const TIPat& session) {
  TRunStatus& st = &session == &FIPat ? scheduledStatus_ : directStatus_;
  st.State = session.IPatState;
  const int wait = session.IPatState == TIPat::Login ? IPatControl->Retry.LoginWaitSeconds
                                                     : IPatControl->Retry.PageWaitSeconds;
  st.WaitLeft = session.ErrRetryCount > 0 && session.ErrWaitCount > 0 ? wait - session.ErrWaitCount : 0;
  UpdateStatusBar();
}

void TMainForm::ShowError(TIPatError kind, const std::string& line, std::thread::id thread) {
  AddLog(line, true);
  const QString text = FromCp932(line);
  lblStatusError->setText(text);
  lblStatusError->setToolTip(text);
  if (kind != TIPatError::Page && notified_.insert({thread, kind}).second)
    Notifier->Notify(QString::fromUtf8(ErrorTitle(kind)), text, TDesktopNotifier::kNormal);
}

}  // namespace vorpa

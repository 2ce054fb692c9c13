// The main window's side of acquisition: the toggle, the schedule timer,
// the direct run and the end of a thread.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPatDirectForm.h"
#include "ipat/IPatErrorText.h"
#include "patout/PatOut.h"
#include "ui/DesktopNotifier.h"
#include "ui/MainFrm.h"
#include "ui/ViewToQt.h"

namespace vorpa {

void TMainForm::StartAcquisition() {
  actIPat->setChecked(true);
  actIPatExecute();
}

void TMainForm::StartAcquisitionSoon() {
  if (startPending_) return;
  startPending_ = true;
  QTimer::singleShot(0, this, [this] {
    startPending_ = false;
    StartAcquisition();
  });
}

void TMainForm::actIPatExecute() {
  const std::string warning = StartWarning(IPatControl->StartRoutine(actIPat->isChecked()));
  if (warning.empty()) return;
  QMessageBox box(QMessageBox::Warning, "Vorpa", FromCp932(warning), QMessageBox::Ok, this);
  box.setObjectName("StartWarning");
  box.exec();
}

void TMainForm::tmIPATTimer() {
  lastTickAt_ = Clock.Now();
  IPatControl->TimerTick(actIPat->isChecked());
  UpdateStatusBar();
}

void TMainForm::actIPatDirectExecute() {
  if (!IPatControl->PrepareDirect(FRaceLoaded, actIPat->isChecked(), FDate) || !Forms.IPatDirect) return;
  // The direct session is a fresh copy of the scheduled one: same meetings
  // and listed races, and safe to read while the scheduled thread runs.
  TIPatDirectForm& dialog = *Forms.IPatDirect;
  dialog.Prepare(FIPatDirect, FRace.Header.VenueName, FRace.Header.RaceNo);
  if (dialog.exec() != QDialog::Accepted) return;
  dialog.ReadBack(FIPatDirect);
  IPatControl->StartDirect();
}

void TMainForm::OnThreadEnd(std::thread::id id) {
  const TThreadEndResult r = IPatControl->ThreadEnded(id);
  for (auto it = notified_.begin(); it != notified_.end();)
    it = it->first == id ? notified_.erase(it) : std::next(it);
  if (r.Scheduled) {
    if (r.State == TIPat::RunEnd || r.State == TIPat::AllDone) {
      lblStatusError->clear();
      lblStatusError->setToolTip(QString());
    }
    if (r.State == TIPat::AllDone)
      Notifier->Notify(FromCp932(RunStateText(TIPat::AllDone)),
                       QString::fromUtf8((DateToLongText(FIPat.MeetingDate) +
                                          " の全レースの情報を取得しました。").c_str()));
    RefreshRaceList();
    std::string patFailure;
    if (OutPatRunEnd(FIPat, &patFailure)) AddLog(Utf8ToCp932("PAT開催要項出力"));
    if (!patFailure.empty()) ShowError(TIPatError::PatOutput, PatOutErrorText("", patFailure), id);
    if (r.State == TIPat::AllDone && Setting.AutoExit && !closing_) {
      FAutoExiting = true;
      close();
    } else {
      FAutoExiting = false;
    }
  }
  if (r.Direct) RefreshRaceList();
  UpdateStatusBar();
}

void TMainForm::StopThreads() {
  tmIPAT->stop();
  // The threads' synchronous calls to this window run while it waits.
  const auto pump = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  // Both are asked first, so their running fetches end together: one
  // receive time-out at most, not two in a row.
  TIPatControl::Stop(FIPatThread, false);
  TIPatControl::Stop(FIPatDirectThread, false);
  TIPatControl::Stop(FIPatThread, true, pump);
  TIPatControl::Stop(FIPatDirectThread, true, pump);
}

}  // namespace vorpa

// The main window's side of acquisition: the toggle, the schedule timer,
// the direct run and the end of a thread.
#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include "core/Cp932.h"
#include "core/Setting.h"
#include "ui/MainFrm.h"
#include "ui/ViewToQt.h"

namespace vorpa {

void TMainForm::StartAcquisition() {
  actIPat->setChecked(true);
  actIPatExecute();
}

void TMainForm::actIPatExecute() {
  const std::string warning = StartWarning(IPatControl->StartRoutine(actIPat->isChecked()));
  if (warning.empty()) return;
  QMessageBox box(QMessageBox::Warning, "Vorpa", FromCp932(warning), QMessageBox::Ok, this);
  box.setObjectName("StartWarning");
  box.exec();
}

void TMainForm::tmIPATTimer() { IPatControl->TimerTick(actIPat->isChecked()); }

void TMainForm::actIPatDirectExecute() {
  if (!IPatControl->PrepareDirect(FRaceLoaded, actIPat->isChecked(), FDate)) return;
  // The race shown is the one to read.
  for (int v = 1; v <= kStatusSlots; ++v) {
    if (FIPatDirect.VenueNameOfSlot(v) != FRace.Header.VenueName) continue;
    const int r = FRace.Header.RaceNo;
    if (r >= 1 && r <= kStatusRaces && FIPatDirect.Status[v][r].Listed)
      FIPatDirect.Status[v][r].Selected = true;
  }
  IPatControl->StartDirect();
}

void TMainForm::OnThreadEnd(std::thread::id id) {
  const TThreadEndResult r = IPatControl->ThreadEnded(id);
  if (r.Scheduled) {
    RefreshRaceList();
    if (r.State == TIPat::AllDone && Setting.AutoExit && !closing_) {
      FAutoExiting = true;
      close();
    } else {
      FAutoExiting = false;
    }
  }
  if (r.Direct) RefreshRaceList();
}

void TMainForm::StopThreads() {
  tmIPAT->stop();
  // The threads' synchronous calls to this window run while it waits.
  const auto pump = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  TIPatControl::Stop(FIPatThread, true, pump);
  TIPatControl::Stop(FIPatDirectThread, true, pump);
}

}  // namespace vorpa

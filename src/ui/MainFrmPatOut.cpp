// The main window's PAT output action: the dialog over the selected race,
// then the manual run or the switch to automatic output.
#include <QApplication>
#include <QMessageBox>

#include "core/Cp932.h"
#include "core/Setting.h"
#include "patout/PatOut.h"
#include "patout/PatOutForm.h"
#include "ui/MainFrm.h"

namespace vorpa {

void TMainForm::actOutPatDataExecute() {
  if (!FRaceLoaded || !Forms.PatOut) return;
  TPatOutForm& form = *Forms.PatOut;
  form.Info.Date = FDate;
  form.Info.VenueName = FRace.Header.VenueName;
  form.Info.RaceNo = FRace.Header.RaceNo;
  if (form.exec() != QDialog::Accepted) return;
  // The automatic output follows the confirmed request (or stops).
  FIPat.SetPatOut(form.Info);
  if (form.Info.AutoOut) {
    QMessageBox::information(this, "Vorpa", QString::fromUtf8("自動出力します。"));
    return;
  }
  TPatOutEnv env;
  env.Setting = &Setting;
  env.DataDir = Setting.MojiPath;
  env.Clock = &Clock;
  std::string failed;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    OutPatData(form.Info, env);
  } catch (const TPatFileError& e) {
    failed = e.Path();
  }
  QApplication::restoreOverrideCursor();
  if (!failed.empty())
    QMessageBox::critical(this, "Vorpa", QString::fromUtf8("ファイルに書き込めません。\n") + QString::fromStdString(failed));
  else
    QMessageBox::information(this, "Vorpa", QString::fromUtf8("出力しました。"));
}

}  // namespace vorpa

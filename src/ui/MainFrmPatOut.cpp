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
  // Without an output folder nothing would be written, in either mode.
  if (!AnyPatDir(Setting)) {
    QMessageBox box(QMessageBox::Warning, "Vorpa",
                    QString::fromUtf8("PAT風データの出力先フォルダが設定されていません。\n"
                                      "「初期設定」の「PAT出力」で出力先を設定してください。"),
                    QMessageBox::Ok, this);
    box.setObjectName("PatOutNoFolder");
    box.exec();
    return;
  }
  if (form.Info.AutoOut) {
    QMessageBox::information(this, "Vorpa", QString::fromUtf8("自動出力します。"));
    return;
  }
  TPatOutEnv env;
  env.Setting = &Setting;
  env.DataDir = Setting.MojiPath;
  env.Clock = &Clock;
  QString failed;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    OutPatData(form.Info, env);
  } catch (const TPatFileError& e) {
    failed = QString::fromStdString(e.Path()) + "\n" + QString::fromStdString(e.Reason());
  }
  QApplication::restoreOverrideCursor();
  if (!failed.isEmpty()) {
    QMessageBox box(QMessageBox::Critical, "Vorpa",
                    QString::fromUtf8("PAT風データのファイルに書き込めませんでした。\n") + failed +
                        QString::fromUtf8("\nこれより後のファイルは出力していません。"),
                    QMessageBox::Ok, this);
    box.setObjectName("PatOutFailed");
    box.exec();
  } else {
    QMessageBox::information(this, "Vorpa", QString::fromUtf8("出力しました。"));
  }
}

}  // namespace vorpa

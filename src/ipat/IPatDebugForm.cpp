#include "ipat/IPatDebugForm.h"

namespace vorpa {

TIPatDebugForm::TIPatDebugForm(QWidget* parent) : QDialog(parent) {
  setObjectName("IPatDebugForm");
  setWindowTitle(QString::fromUtf8("IPATデータ取得デバッグ用"));
}

}  // namespace vorpa

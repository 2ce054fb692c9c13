#include "ipat/IPatForm.h"

namespace vorpa {

TIPatForm::TIPatForm(QWidget* parent) : QDialog(parent) {
  setObjectName("IPatForm");
  setWindowTitle(QString::fromUtf8("IPATデータ取得状況"));
}

}  // namespace vorpa

#include "ipat/IPatDirectForm.h"

namespace vorpa {

TIPatDirectForm::TIPatDirectForm(QWidget* parent) : QDialog(parent) {
  setObjectName("IPatDirectForm");
  setWindowTitle(QString::fromUtf8("IPAT指定データ取得"));
}

}  // namespace vorpa

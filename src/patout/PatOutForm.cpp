#include "patout/PatOutForm.h"

namespace vorpa {

TPatOutForm::TPatOutForm(QWidget* parent) : QDialog(parent) {
  setObjectName("PatOutForm");
  setWindowTitle(QString::fromUtf8("PAT風データ出力"));
}

}  // namespace vorpa

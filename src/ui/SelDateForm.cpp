#include "ui/SelDateForm.h"

namespace vorpa {

TSelDateForm::TSelDateForm(QWidget* parent) : QDialog(parent) {
  setObjectName("SelDateForm");
  setWindowTitle(QString::fromUtf8("開催日選択"));
}

}  // namespace vorpa

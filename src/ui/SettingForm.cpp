#include "ui/SettingForm.h"

namespace vorpa {

TSettingForm::TSettingForm(QWidget* parent) : QDialog(parent) {
  setObjectName("SettingForm");
  setWindowTitle(QString::fromUtf8("初期設定"));
}

}  // namespace vorpa

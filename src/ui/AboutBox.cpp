#include "ui/AboutBox.h"

namespace vorpa {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(QString::fromUtf8("バージョン情報"));
}

}  // namespace vorpa

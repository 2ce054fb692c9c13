#include "ui/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "VorpaVersion.h"
#include "ui/ProgramIcon.h"
#include "view/AboutText.h"

namespace vorpa {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), fileVersion_(VORPA_VERSION) {
  setObjectName("AboutBox");
  setWindowTitle(QString::fromUtf8("バージョン情報"));
  ProgramIcon = new QLabel(this);
  ProgramIcon->setObjectName("ProgramIcon");
  ProgramIcon->setPixmap(vorpa::VorpaIcon().pixmap(32, 32));
  ProductName = new QLabel("Vorpa", this);
  ProductName->setObjectName("ProductName");
  Version = new QLabel(this);
  Version->setObjectName("Version");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(ProductName);
  texts->addWidget(Version);
  auto* top = new QHBoxLayout;
  top->addWidget(ProgramIcon);
  top->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  // Wide enough for the window manager to show the caption whole beside its
  // buttons.
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

void TAboutBox::showEvent(QShowEvent* event) {
  Version->setText(QString::fromStdString(VersionLabelText(fileVersion_)));
  QDialog::showEvent(event);
}

}  // namespace vorpa

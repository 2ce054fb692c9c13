#include "ipat/IPatDirectForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/ViewToQt.h"

namespace vorpa {

TIPatDirectForm::TIPatDirectForm(QWidget* parent) : QDialog(parent) {
  setObjectName("IPatDirectForm");
  setWindowTitle(QString::fromUtf8("IPAT指定データ取得"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  lblKaisaichi[0] = nullptr;
  for (int v = 1; v <= kStatusSlots; ++v) {
    lblKaisaichi[v] = new QLabel(this);
    lblKaisaichi[v]->setObjectName(QString("lblKaisaichi%1").arg(v));
    lblKaisaichi[v]->setMinimumWidth(48);
    lblKaisaichi[v]->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblKaisaichi[v], 0, v);
  }
  for (int r = 1; r <= kStatusRaces; ++r) {
    grid->addWidget(new QLabel(QString("%1R").arg(r), this), r, 0, Qt::AlignRight);
    for (int v = 1; v <= kStatusSlots; ++v) {
      QCheckBox* box = new QCheckBox(this);
      box->setObjectName(QString::fromStdString(DirectBoxName(v, r)));
      boxes_[v - 1][r - 1] = box;
      grid->addWidget(box, r, v, Qt::AlignCenter);
    }
  }

  btnSet = new QPushButton(QString::fromUtf8("全件セット"), this);
  btnSet->setObjectName("btnSet");
  btnReset = new QPushButton(QString::fromUtf8("全件リセット"), this);
  btnReset->setObjectName("btnReset");
  btnOK = new QPushButton("OK", this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
  btnCancel->setObjectName("btnCancel");
  auto* setReset = new QHBoxLayout;
  setReset->addWidget(btnSet);
  setReset->addWidget(btnReset);
  auto* okCancel = new QHBoxLayout;
  okCancel->addWidget(btnOK);
  okCancel->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(setReset);
  layout->addLayout(okCancel);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(btnSet, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(btnReset, &QPushButton::clicked, this, [this] { SetAll(false); });
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TIPatDirectForm::showEvent(QShowEvent* event) {
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

TDirectTicks TIPatDirectForm::Ticks() const {
  TDirectTicks ticks;
  for (int v = 1; v <= kStatusSlots; ++v)
    for (int r = 1; r <= kStatusRaces; ++r) ticks.At(v, r) = Box(v, r)->isChecked();
  return ticks;
}

void TIPatDirectForm::SetTicks(const TDirectTicks& ticks) {
  for (int v = 1; v <= kStatusSlots; ++v)
    for (int r = 1; r <= kStatusRaces; ++r) Box(v, r)->setChecked(ticks.At(v, r));
}

void TIPatDirectForm::SetAll(bool on) {
  TDirectTicks ticks;
  ticks.SetAll(on);
  SetTicks(ticks);
}

void TIPatDirectForm::Prepare(const TIPat& scheduled, const std::string& venueName, int raceNo) {
  TDirectTicks ticks = Ticks();
  const TDirectHeadings headings = DirectPrepare(scheduled, venueName, raceNo, ticks);
  for (int v = 1; v <= kStatusSlots; ++v) {
    lblKaisaichi[v]->setText(FromCp932(headings[v]));
    // A slot without a meeting is not read back: its boxes cannot be used.
    for (QCheckBox* box : boxes_[v - 1]) box->setEnabled(!headings[v].empty());
  }
  SetTicks(ticks);
}

void TIPatDirectForm::ReadBack(TIPat& direct) const { DirectReadBack(Ticks(), direct); }

}  // namespace vorpa

#include "ipat/IPatForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ipat/IPatLog.h"
#include "ui/GridText.h"
#include "ui/ViewToQt.h"

namespace vorpa {

namespace {

QLabel* ValueLabel(const char* name, int width, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setFixedWidth(width);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return l;
}

}  // namespace

TIPatForm::TIPatForm(QWidget* parent) : QDialog(parent) {
  setObjectName("IPatForm");
  setWindowTitle(QString::fromUtf8("IPATデータ取得状況"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);

  memInfo = new QPlainTextEdit(this);
  memInfo->setObjectName("memInfo");
  memInfo->setReadOnly(true);
  memInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The grids' font: fixed pitch, with whole decimal points.
  memInfo->setFont(GridFont());

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 2, 4, 2);
  auto caption = [&](const char* text) { row->addWidget(new QLabel(QString::fromUtf8(text), panel)); };
  caption("状態");
  row->addWidget(lblIPatState = ValueLabel("lblIPatState", 116, panel));
  caption("競馬場");
  row->addWidget(lblKaisaichi = ValueLabel("lblKaisaichi", 36, panel));
  row->addWidget(lblRaceNo = ValueLabel("lblRaceNo", 28, panel));
  caption("実行");
  row->addWidget(lblActionCount = ValueLabel("lblActionCount", 32, panel));
  caption("アクセス");
  row->addWidget(lblAccessCount = ValueLabel("lblAccessCount", 40, panel));
  caption("リトライ");
  row->addWidget(lblErrRetryCount = ValueLabel("lblErrRetryCount", 20, panel));
  caption("待ち");
  row->addWidget(lblErrWaitCount = ValueLabel("lblErrWaitCount", 28, panel));
  row->addStretch();

  btnCancel = new QPushButton(QString::fromUtf8("閉じる"), this);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memInfo, 1);
  layout->addWidget(panel);
  layout->addLayout(buttons);
  setFixedSize(620, 420);

  // Escape rejects the dialog, which hides it like the button.
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
}

void TIPatForm::showEvent(QShowEvent* event) {
  // A window restored from the task bar is not shown anew.
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TIPatForm::FormShow() {
  for (QLabel* l : {lblIPatState, lblKaisaichi, lblRaceNo, lblActionCount, lblAccessCount,
                    lblErrRetryCount, lblErrWaitCount})
    l->clear();
  memInfo->clear();
}

void TIPatForm::AddLog(const std::string& line) {
  if (isVisible()) memInfo->appendPlainText(FromCp932(line));
}

void TIPatForm::IPatStateToForm(const TIPat& session) {
  const TIPatStatusTexts t = IPatStatusTexts(session);
  lblActionCount->setText(FromCp932(t.ActionCount));
  lblAccessCount->setText(FromCp932(t.AccessCount));
  if (!t.State.empty()) lblIPatState->setText(FromCp932(t.State));
  lblKaisaichi->setText(FromCp932(t.Venue));
  lblRaceNo->setText(FromCp932(t.Race));
  lblErrRetryCount->setText(FromCp932(t.ErrRetryCount));
  lblErrWaitCount->setText(FromCp932(t.ErrWaitCount));
}

void TIPatForm::ShowRaceInfo(const TIPat& session) {
  if (!isVisible()) return;
  for (const std::string& line : IPatLogBlock(session)) AddLog(line);
}

}  // namespace vorpa

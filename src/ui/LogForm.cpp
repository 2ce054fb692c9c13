#include "ui/LogForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DayCount.h"
#include "ui/ViewToQt.h"

namespace vorpa {

QColor LogErrorColor() { return QColor(0xD0, 0x00, 0x00); }

TLogForm::TLogForm(QWidget* parent) : QDialog(parent) {
  setObjectName("LogForm");
  setWindowTitle(QString::fromUtf8("ログ"));
  setWindowFlags(Qt::Window);
  resize(720, 420);

  lstDayLog = new QListWidget(this);
  lstDayLog->setObjectName("lstDayLog");
  lstDayLog->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstDayLog->setUniformItemSizes(true);
  auto* copy = new QAction(lstDayLog);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  lstDayLog->addAction(copy);
  connect(copy, &QAction::triggered, this, &TLogForm::CopyToClipboard);

  btnCopy = new QPushButton(QString::fromUtf8("コピー"), this);
  btnCopy->setObjectName("btnCopy");
  btnClose = new QPushButton(QString::fromUtf8("閉じる"), this);
  btnClose->setObjectName("btnClose");
  btnClose->setDefault(true);
  connect(btnCopy, &QPushButton::clicked, this, &TLogForm::CopyToClipboard);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnCopy);
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstDayLog);
  layout->addLayout(buttons);
}

void TLogForm::Append(const TLogEntry& entry) {
  if (DateOf(entry.At) != day_) {
    day_ = DateOf(entry.At);
    lstDayLog->clear();
  }
  auto* item = new QListWidgetItem(FromCp932(TimedLogLine(entry)), lstDayLog);
  if (entry.Error) item->setForeground(LogErrorColor());
  // The newest line stays in sight unless the user has scrolled back.
  if (lstDayLog->count() < 2 || lstDayLog->visualItemRect(lstDayLog->item(lstDayLog->count() - 2))
                                        .intersects(lstDayLog->viewport()->rect()))
    lstDayLog->scrollToBottom();
}

QString TLogForm::CopyText() const {
  QString text;
  const bool all = lstDayLog->selectedItems().isEmpty();
  for (int i = 0; i < lstDayLog->count(); ++i) {
    const QListWidgetItem* item = lstDayLog->item(i);
    if (all || item->isSelected()) text += item->text() + '\n';
  }
  return text;
}

void TLogForm::CopyToClipboard() { QApplication::clipboard()->setText(CopyText()); }

}  // namespace vorpa

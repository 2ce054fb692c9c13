#pragma once
// The log window: every line logged today, with its time, errors in red;
// lines can be selected and copied. Closing only hides it.
#include <QDialog>
#include <vector>

#include "core/DayLog.h"

class QListWidget;
class QPushButton;

namespace vorpa {

class TLogForm : public QDialog {
  Q_OBJECT
 public:
  explicit TLogForm(QWidget* parent = nullptr);

  // Appends an entry; the first entry of a new day starts the list afresh.
  void Append(const TLogEntry& entry);
  // The selected lines, or every line when none is selected, each ended
  // by a line feed.
  QString CopyText() const;

  QListWidget* lstDayLog;
  QPushButton* btnCopy;
  QPushButton* btnClose;

 private:
  void CopyToClipboard();
  double day_ = 0;
};

// The colour of error lines in the log list and the log window.
QColor LogErrorColor();

}  // namespace vorpa

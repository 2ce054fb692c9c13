#pragma once
// The meeting-date selection dialog.
#include <QDialog>

namespace vorpa {

class TSelDateForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSelDateForm(QWidget* parent = nullptr);
};

}  // namespace vorpa

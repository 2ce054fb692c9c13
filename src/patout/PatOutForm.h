#pragma once
// The PAT-style output dialog.
#include <QDialog>

namespace vorpa {

class TPatOutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPatOutForm(QWidget* parent = nullptr);
};

}  // namespace vorpa

#pragma once
// The acquisition status window.
#include <QDialog>

namespace vorpa {

class TIPatForm : public QDialog {
  Q_OBJECT
 public:
  explicit TIPatForm(QWidget* parent = nullptr);
};

}  // namespace vorpa

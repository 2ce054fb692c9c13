#pragma once
// The direct acquisition dialog: races to fetch at once.
#include <QDialog>

namespace vorpa {

class TIPatDirectForm : public QDialog {
  Q_OBJECT
 public:
  explicit TIPatDirectForm(QWidget* parent = nullptr);
};

}  // namespace vorpa

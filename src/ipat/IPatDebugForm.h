#pragma once
// The debug window that steps an IPAT session by hand.
#include <QDialog>

namespace vorpa {

class TIPatDebugForm : public QDialog {
  Q_OBJECT
 public:
  explicit TIPatDebugForm(QWidget* parent = nullptr);
};

}  // namespace vorpa

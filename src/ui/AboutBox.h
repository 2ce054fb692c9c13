#pragma once
// The about box: product name and version.
#include <QDialog>

namespace vorpa {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace vorpa

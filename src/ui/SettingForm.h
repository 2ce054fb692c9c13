#pragma once
// The settings dialog: the settings record and the remark list.
#include <QDialog>

namespace vorpa {

class TSettingForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSettingForm(QWidget* parent = nullptr);
};

}  // namespace vorpa

#pragma once
// The page "アラート" of the settings dialog: the change marks and the
// popularity column on or off, the alert thresholds and the notifications.
#include <QWidget>
#include <string>

#include "core/Setting.h"

class QCheckBox;
class QLineEdit;

namespace vorpa {

class TAlertSettingPage : public QWidget {
  Q_OBJECT
 public:
  explicit TAlertSettingPage(QWidget* parent = nullptr);

  void Load(const TSetting& s);
  // The error box text (CP932) of a value out of range, "" when all are fine.
  std::string Error() const;
  void Store(TSetting& s) const;

  QCheckBox* chkAlertMarks;
  QCheckBox* chkAlertPopularity;
  QLineEdit* edtAlertDropPercent;
  QLineEdit* edtAlertDropOddsLimit;
  QLineEdit* edtAlertSharePoints;
  QLineEdit* edtAlertInflowYen;
  QCheckBox* chkAlertNotify;
  QLineEdit* edtAlertNotifyWithin;
};

}  // namespace vorpa

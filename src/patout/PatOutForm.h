#pragma once
// The PAT-style output dialog: which files, which races, which odds
// reading; it keeps its control states between openings.
#include <QDialog>

#include "core/PatOutInfo.h"
#include "patout/PatOutChoice.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace vorpa {

class TClock;

class TPatOutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPatOutForm(QWidget* parent = nullptr);

  // The clock of "現在時刻" (the system clock unless set).
  void SetClock(const TClock* clock) { clock_ = clock; }
  // The control states, read from and put on the controls.
  TPatOutChoice Choice() const;
  void SetChoice(const TPatOutChoice& choice);

  // The dialog's request: date and race set by the caller before opening,
  // completed from the controls on "出力".
  TPatOutInfo Info;

  QCheckBox* cbOutYoukou;
  QCheckBox* cbOutSyutuba;
  QCheckBox* cbOutWeight;
  QCheckBox* cbOutOdds;
  QCheckBox* cbOutResult;
  QGroupBox* rgRace;
  QButtonGroup* rgRaceItems;
  QGroupBox* rgOddsTimeRatest;
  QButtonGroup* rgOddsTimeRatestItems;
  QTimeEdit* dtpOddsTime;
  QPushButton* btnNow;
  QLabel* lblSelDate;
  QLabel* lblSelRace;
  QPushButton* btnSetStart;
  QPushButton* btnSetAllOdds;
  QPushButton* btnSetRace;
  QPushButton* btnSetAuto;
  QPushButton* btnSetEnd;
  QPushButton* btnOut;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void btnNowClick();
  void btnOutClick();
  void Preset(TPatPreset preset);

  const TClock* clock_;
};

}  // namespace vorpa

#pragma once
// The direct acquisition dialog: one box per venue slot and race, for the
// races to fetch at once. It only shows the tick table; what is ticked on
// opening and what is read back come from ipat/IPatDirect.
#include <QDialog>

#include "ipat/IPatDirect.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vorpa {

class TIPatDirectForm : public QDialog {
  Q_OBJECT
 public:
  explicit TIPatDirectForm(QWidget* parent = nullptr);

  // Headings and boxes from the scheduled session and the race shown.
  void Prepare(const TIPat& scheduled, const std::string& venueName, int raceNo);
  // The ticks into the direct session's Selected flags (after OK).
  void ReadBack(TIPat& direct) const;

  // The box of slot v (1..3), race r (1..12).
  QCheckBox* Box(int v, int r) const { return boxes_[v - 1][r - 1]; }
  TDirectTicks Ticks() const;
  void SetTicks(const TDirectTicks& ticks);

  QLabel* lblKaisaichi[kStatusSlots + 1];  // [1..3]; [0] unused
  QPushButton* btnSet;
  QPushButton* btnReset;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetAll(bool on);

  QCheckBox* boxes_[kStatusSlots][kStatusRaces];
};

}  // namespace vorpa

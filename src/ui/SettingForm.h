#pragma once
// The settings dialog "初期設定": every setting of the settings record on
// four pages, and the remark list with its colours. Every opening reloads
// the controls; "OK" checks them, stores them and saves both files.
#include <QDialog>
#include <string>

#include "core/Setting.h"
#include "view/RemarkGrid.h"
#include "view/SettingEdit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QTableWidget;
class QTimeEdit;
class QToolButton;

namespace vorpa {

class TAlertSettingPage;
class TRadioGroup;

class TSettingForm : public QDialog {
  Q_OBJECT
 public:
  // `configDir` (with a trailing "/") receives Vorpa.Ini and VorpaRemark.txt.
  explicit TSettingForm(const std::string& configDir, QWidget* parent = nullptr);

  QTabWidget* PageControl1;
  // "IPAT取得"
  QLineEdit* edtINetID;
  QLineEdit* edtIPatHost;  // "IPATサーバー："
  QLineEdit* edtMojiPath;
  QPushButton* btnSelMojiPath;
  QLineEdit* edtMaxOddsCnt;
  QCheckBox* chkAutoIPAT;
  QCheckBox* chkAutoExit;
  QSlider* trkbPriority;
  QLabel* lblPriority;
  // "IPAT取得タイミング"
  QLineEdit* edtIPatChkCycle;
  QTimeEdit* dtpIpatStartTime;
  QLineEdit* edtIPatGetCycle;
  QCheckBox* chkIpatGetTimeBefore[kGetTimeRaces][kGetTimeSlots];
  QTimeEdit* dtpIpatGetTime[kGetTimeRaces][kGetTimeSlots];
  QPushButton* btnClearGetTime;
  // "PAT出力"
  QLineEdit* edtJRA95Path;
  QPushButton* btnSelJRA95Path;
  QLineEdit* edtJRA98Path;
  QPushButton* btnSelJRA98Path;
  QLineEdit* edtJRAV50Path;
  QPushButton* btnSelJRAV50Path;
  QLineEdit* edtOddsOutLastTime;
  QCheckBox* chkAutoPat;
  // "その他"
  TRadioGroup* rgDispKaisaiOrder;
  TRadioGroup* rgDispUmaOrder;
  QCheckBox* chkGridStriped;
  QCheckBox* chkOddsColored;
  QCheckBox* chkDesktopNotify;
  QLineEdit* edtBuyTotal;
  TRadioGroup* rgBuyCalc;
  QTableWidget* sgRemarkable;
  QLineEdit* edtRemarkName;
  QLineEdit* edtRemarkColor;
  QLineEdit* edtRemarkBGColor;
  QToolButton* btnRemarkColor;
  QToolButton* btnRemarkBGColor;
  QPushButton* btnAddRemark;
  QPushButton* btnDelRemark;
  QToolButton* btnUp;
  QToolButton* btnDown;
  QPushButton* btnColor;
  TAlertSettingPage* tsAlert;  // "アラート"
  QPushButton* btnOK;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* CreateIPatPage();
  QWidget* CreateTimingPage();
  QWidget* CreatePatPage();
  QWidget* CreateOtherPage();
  QWidget* CreateRemarkEditor();

  void FormShow();
  TSettingControls ReadControls() const;
  void WriteControls(const TSettingControls& c);
  void ShowRemarkGrid();
  void ErrorBox(const std::string& cp932);

  void SelectDirectory(QLineEdit* edit);
  void btnClearGetTimeClick();
  void btnOKClick();
  void btnAddRemarkClick();
  void sgRemarkableClick(int row);
  void ChooseColor(QLineEdit* edit);
  void btnColorClick();

  std::string configDir_;
  TRemarkGrid remarks_;
};

}  // namespace vorpa

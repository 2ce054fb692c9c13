// The settings dialog, opened from the main window's settings action and
// driven by object name: every page, the checks, the remark editor, the
// colour and directory choosers, and the two files it writes.
#include "ui/SettingForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/TempDir.h"
#include "ui/CalcTab.h"
#include "ui/MainFrm.h"
#include "ui/RadioGroup.h"

namespace vorpa {
namespace {

using test::U;

template <class T>
T* Find(QWidget* dialog, const QString& name) {
  T* w = dialog->findChild<T*>(name);
  EXPECT_TRUE(w) << name.toStdString();
  return w;
}

QString RaceName(const char* word, int r, int k) { return QString::asprintf("%s%.2d%d", word, r, k); }

class SettingFormTest : public testing::Test {
 protected:
  void SetUp() override {
    Setting = TSetting();
    Remarks.Items.clear();
    form_ = std::make_unique<TMainForm>(config_.Path());
    CreateAppForms(form_.get());
  }
  void TearDown() override {
    Setting = TSetting();
    Remarks.Items.clear();
  }

  // Opens the dialog through the settings action; `act` works on it while
  // it is up (and must close it).
  void Open(const std::function<void(QWidget*)>& act) {
    bool ran = false;
    test::WhenModal([&](QWidget* w) {
      ASSERT_EQ(w->objectName(), "SettingForm");
      ran = true;
      act(w);
    });
    form_->actSetting->trigger();
    EXPECT_TRUE(ran);
  }
  // Clicks `button` and returns the text of the error box it raises (closed
  // with OK); "" when no box comes up.
  static QString ErrorOf(QAbstractButton* button) {
    QString text;
    QTimer watch;  // stops with this call, whether a box came or not
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->button(QMessageBox::Ok)->click();
      }
    });
    watch.start();
    button->click();
    return text;
  }
  std::string Ini() { return test::ReadFileBytes(config_.File("Vorpa.Ini")); }
  std::string RemarkFile() { return test::ReadFileBytes(config_.File("VorpaRemark.txt")); }

  test::TempDir config_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(SettingFormTest, EveryPageLoadedEditedAndSavedOnOK) {
  Setting.MojiPath = "/srv/vorpa/data";
  Setting.IPatGetBefore[1][0] = true;
  Setting.IPatGetTime[1][0] = EncodeTime(0, 15, 0);
  Remarks.Items.push_back({Utf8ToCp932("山田太郎"), 0xFFFFFF, 0x800000});
  Open([&](QWidget* d) {
    auto* pages = Find<QTabWidget>(d, "PageControl1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(0), U("IPAT取得"));
    EXPECT_EQ(pages->tabText(1), U("IPAT取得タイミング"));
    EXPECT_EQ(pages->tabText(2), U("PAT出力"));
    EXPECT_EQ(pages->tabText(3), U("その他"));
    EXPECT_EQ(pages->tabText(4), U("アラート"));
    EXPECT_EQ(d->windowTitle(), U("初期設定"));
    // Loaded from the settings.
    EXPECT_EQ(Find<QLineEdit>(d, "edtMojiPath")->text(), "/srv/vorpa/data");
    EXPECT_EQ(Find<QLineEdit>(d, "edtIPatHost")->text(), kDefaultIPatHost);
    EXPECT_EQ(Find<QLineEdit>(d, "edtMaxOddsCnt")->text(), "15");
    EXPECT_EQ(Find<QLabel>(d, "lblPriority")->text(), "Normal");
    EXPECT_EQ(Find<QTimeEdit>(d, "dtpIpatStartTime")->text(), "09:18");
    EXPECT_TRUE(Find<QCheckBox>(d, "chkIpatGetTimeBefore021")->isChecked());
    EXPECT_EQ(Find<QTimeEdit>(d, "dtpIpatGetTime021")->text(), "00:15");
    EXPECT_EQ(Find<QTimeEdit>(d, "dtpIpatGetTime123")->displayFormat(), "HH:mm");
    EXPECT_TRUE(Find<QCheckBox>(d, "chkGridStriped")->isChecked());
    EXPECT_EQ(Find<TRadioGroup>(d, "rgDispUmaOrder")->ItemIndex(), 0);
    auto* grid = Find<QTableWidget>(d, "sgRemarkable");
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), U("文字色"));
    EXPECT_EQ(grid->item(0, 2)->text(), "800000");

    // "IPAT取得"
    Find<QLineEdit>(d, "edtINetID")->setText("ZX81AB77");
    Find<QLineEdit>(d, "edtIPatHost")->setText(" ipat.example.test:8080 ");
    Find<QLineEdit>(d, "edtMojiPath")->setText(U("/srv/vorpa/レース"));
    Find<QLineEdit>(d, "edtMaxOddsCnt")->setText("40");
    Find<QCheckBox>(d, "chkAutoIPAT")->setChecked(true);
    Find<QCheckBox>(d, "chkAutoExit")->setChecked(true);
    Find<QSlider>(d, "trkbPriority")->setValue(1);
    EXPECT_EQ(Find<QLabel>(d, "lblPriority")->text(), "Lowest");
    // "IPAT取得タイミング"
    Find<QLineEdit>(d, "edtIPatChkCycle")->setText("5");
    Find<QTimeEdit>(d, "dtpIpatStartTime")->setTime(QTime(10, 5));
    Find<QLineEdit>(d, "edtIPatGetCycle")->setText("20");
    Find<QCheckBox>(d, "chkIpatGetTimeBefore123")->setChecked(true);
    Find<QTimeEdit>(d, "dtpIpatGetTime123")->setTime(QTime(0, 3));
    // "PAT出力"
    Find<QLineEdit>(d, "edtJRA95Path")->setText("/out/95");
    Find<QLineEdit>(d, "edtJRA98Path")->setText("/out/98");
    Find<QLineEdit>(d, "edtOddsOutLastTime")->setText("75");
    Find<QCheckBox>(d, "chkAutoPat")->setChecked(true);
    // "その他"
    Find<TRadioGroup>(d, "rgDispKaisaiOrder")->findChildren<QAbstractButton*>().at(1)->click();
    Find<TRadioGroup>(d, "rgDispUmaOrder")->SetItemIndex(2);
    Find<QCheckBox>(d, "chkGridStriped")->setChecked(false);
    Find<QLineEdit>(d, "edtBuyTotal")->setText("3000");
    Find<TRadioGroup>(d, "rgBuyCalc")->SetItemIndex(1);
    Find<QLineEdit>(d, "edtRemarkName")->setText(U("アオゾラ"));
    Find<QLineEdit>(d, "edtRemarkColor")->setText("ff");
    Find<QLineEdit>(d, "edtRemarkBGColor")->setText("00ffff");
    EXPECT_EQ(ErrorOf(Find<QPushButton>(d, "btnAddRemark")), "");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 1)->text(), "0000FF");
    EXPECT_EQ(grid->item(1, 2)->text(), "00FFFF");
    // "アラート": loaded, a value out of range refused, then stored.
    EXPECT_EQ(Find<QLineEdit>(d, "edtAlertDropPercent")->text(), "30");
    EXPECT_EQ(Find<QLineEdit>(d, "edtAlertInflowYen")->text(), "10000000");
    EXPECT_TRUE(Find<QCheckBox>(d, "chkAlertMarks")->isChecked());
    Find<QLineEdit>(d, "edtAlertDropPercent")->setText("0");
    EXPECT_EQ(ErrorOf(Find<QPushButton>(d, "btnOK")), U("急落の下げ幅は1～99%にしてください。"));
    Find<QLineEdit>(d, "edtAlertDropPercent")->setText("25");
    Find<QLineEdit>(d, "edtAlertNotifyWithin")->setText("10");
    Find<QCheckBox>(d, "chkAlertPopularity")->setChecked(false);
    EXPECT_EQ(ErrorOf(Find<QPushButton>(d, "btnOK")), "");
  });
  EXPECT_EQ(Setting.OddsOutLastTime, 59);
  EXPECT_EQ(form_->tmIPAT->interval(), 5 * 60000);
  EXPECT_EQ(form_->CalcTab->edtBuyTotal->text(), "3000");
  const TSetting saved = ParseSetting(Ini());
  EXPECT_EQ(saved.INetID, "ZX81AB77");
  EXPECT_EQ(saved.IPatHost, "ipat.example.test:8080");
  EXPECT_EQ(saved.MojiPath, "/srv/vorpa/レース");
  EXPECT_EQ(saved.MaxOddsCnt, 40);
  EXPECT_TRUE(saved.AutoIPat && saved.AutoExit && saved.AutoPat);
  EXPECT_EQ(saved.IPatPriority, 1);
  EXPECT_EQ(saved.IPatChkCycle, 5);
  EXPECT_EQ(TimeToText(saved.IPatStartTime), "10:05:00");
  EXPECT_EQ(saved.IPatGetCycle, 20);
  EXPECT_TRUE(saved.IPatGetBefore[1][0]);
  EXPECT_TRUE(saved.IPatGetBefore[11][2]);
  EXPECT_EQ(TimeToText(saved.IPatGetTime[11][2]), "00:03:00");
  EXPECT_EQ(saved.JRA95Path, "/out/95");
  EXPECT_EQ(saved.JRA98Path, "/out/98");
  EXPECT_NE(Ini().find("OddsOutLastTime=59\r\n"), std::string::npos);
  EXPECT_EQ(saved.DispKaisaiOrder, 1);
  EXPECT_EQ(saved.DispUmaOrder, 2);
  EXPECT_FALSE(saved.GridStriped);
  EXPECT_EQ(saved.BuyTotal, 3000);
  EXPECT_EQ(saved.BuyCalc, 1);
  EXPECT_EQ(RemarkFile(), Utf8ToCp932("山田太郎,FFFFFF,800000\r\nアオゾラ,0000FF,00FFFF\r\n"));
  ASSERT_EQ(Remarks.Items.size(), 2u);
  EXPECT_EQ(saved.AlertDropPercent, 25);
  EXPECT_EQ(saved.AlertNotifyWithin, 10);
  EXPECT_FALSE(saved.AlertPopularity);
  EXPECT_TRUE(saved.AlertMarks);
}

TEST_F(SettingFormTest, FailedChecksKeepTheDialogOpenAndCancelWritesNothing) {
  Open([&](QWidget* d) {
    auto* ok = Find<QPushButton>(d, "btnOK");
    Find<QLineEdit>(d, "edtJRA98Path")->setText("/out/pat");
    Find<QLineEdit>(d, "edtJRAV50Path")->setText("/out/pat");
    Find<QLineEdit>(d, "edtIPatChkCycle")->setText("");
    EXPECT_EQ(ErrorOf(ok), U("PAT98とPATV50のディレクトリは別にしてください。"));
    EXPECT_TRUE(d->isVisible());
    Find<QLineEdit>(d, "edtJRAV50Path")->setText("/out/v50");
    EXPECT_EQ(ErrorOf(ok), U("IPAT取得タイミングのチェック間隔は1分～59分にしてください。"));
    EXPECT_EQ(Find<QLineEdit>(d, "edtJRA98Path")->text(), "/out/pat");  // edits intact
    Find<QLineEdit>(d, "edtBuyTotal")->setText("1");
    Find<QPushButton>(d, "btnCancel")->click();
  });
  EXPECT_FALSE(std::filesystem::exists(config_.File("Vorpa.Ini")));
  EXPECT_FALSE(std::filesystem::exists(config_.File("VorpaRemark.txt")));
  EXPECT_EQ(Setting.BuyTotal, 1000);
  // The next opening shows the settings again, not the abandoned edits.
  Open([&](QWidget* d) {
    EXPECT_EQ(Find<QLineEdit>(d, "edtJRA98Path")->text(), "");
    EXPECT_EQ(Find<QLineEdit>(d, "edtBuyTotal")->text(), "1000");
    qobject_cast<QDialog*>(d)->reject();
  });
}

TEST_F(SettingFormTest, ClearEmptiesAll36PairsFoundByName) {
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      Setting.IPatGetBefore[r][k] = (r + k) % 2 == 0;
      Setting.IPatGetTime[r][k] = EncodeTime(0, r + k + 1, 0);
    }
  Open([&](QWidget* d) {
    EXPECT_EQ(Find<QTimeEdit>(d, "dtpIpatGetTime123")->text(), "00:14");
    Find<QPushButton>(d, "btnClearGetTime")->click();
    for (int r = 1; r <= kGetTimeRaces; ++r)
      for (int k = 1; k <= kGetTimeSlots; ++k) {
        EXPECT_FALSE(Find<QCheckBox>(d, RaceName("chkIpatGetTimeBefore", r, k))->isChecked());
        EXPECT_EQ(Find<QTimeEdit>(d, RaceName("dtpIpatGetTime", r, k))->text(), "00:00");
      }
    Find<QPushButton>(d, "btnOK")->click();
  });
  const TSetting saved = ParseSetting(Ini());
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      EXPECT_FALSE(saved.IPatGetBefore[r][k]);
      EXPECT_EQ(saved.IPatGetTime[r][k], 0);
    }
}

TEST_F(SettingFormTest, RemarkEditorRowsColourDialogAndPreview) {
  Remarks.Items = {{"A", 0x0000FF, 0xFFFFFF}, {"B", 0, 0x00FF00}};
  Open([&](QWidget* d) {
    auto* grid = Find<QTableWidget>(d, "sgRemarkable");
    auto* name = Find<QLineEdit>(d, "edtRemarkName");
    auto* color = Find<QLineEdit>(d, "edtRemarkColor");
    auto* bg = Find<QLineEdit>(d, "edtRemarkBGColor");
    EXPECT_EQ(name->text(), "");
    // Clicking a row copies it into the edits and previews its colours.
    grid->setCurrentCell(1, 0);
    EXPECT_EQ(name->text(), "B");
    EXPECT_EQ(bg->text(), "00FF00");
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(0, 0xFF, 0));
    EXPECT_EQ(name->palette().color(QPalette::Text), QColor(0, 0, 0));
    Find<QToolButton>(d, "btnUp")->click();
    EXPECT_EQ(grid->item(0, 0)->text(), "B");
    EXPECT_EQ(grid->currentRow(), 0);
    // The colour dialog writes its colour into the edit.
    test::WhenModal([](QWidget* w) {
      auto* dialog = qobject_cast<QColorDialog*>(w);
      ASSERT_TRUE(dialog);
      dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
      dialog->accept();
    });
    Find<QToolButton>(d, "btnRemarkColor")->click();
    EXPECT_EQ(color->text(), "563412");
    bg->clear();
    EXPECT_EQ(ErrorOf(Find<QPushButton>(d, "btnAddRemark")), U("背景色欄の値が不正です"));
    bg->setText("zz");
    Find<QPushButton>(d, "btnColor")->click();
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(name->palette().color(QPalette::Text), QColor(0x12, 0x34, 0x56));
    // Delete the selected row "B", then the only one left.
    Find<QPushButton>(d, "btnDelRemark")->click();
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), "A");
    Find<QPushButton>(d, "btnDelRemark")->click();
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), "");
    Find<QPushButton>(d, "btnOK")->click();
  });
  EXPECT_TRUE(Remarks.Items.empty());
  EXPECT_EQ(RemarkFile(), "");
  EXPECT_TRUE(std::filesystem::exists(config_.File("VorpaRemark.txt")));
}

TEST_F(SettingFormTest, DirectoryChooserStartsAtTheEditsDirectory) {
  test::TempDir data;
  std::filesystem::create_directory(data.File("day"));
  std::string started;
  Open([&](QWidget* d) {
    auto* edit = Find<QLineEdit>(d, "edtJRAV50Path");
    edit->setText(QString::fromStdString(data.Path()));
    test::WhenModal([&](QWidget* w) {
      auto* chooser = qobject_cast<QFileDialog*>(w);
      ASSERT_TRUE(chooser);
      started = chooser->directory().absolutePath().toStdString() + "/";
      // Going into the folder and choosing it; the dialog lists folders in the
      // background, so a selection in its list could be made before the list is.
      chooser->setDirectory(QString::fromStdString(data.File("day")));
      static_cast<QDialog*>(chooser)->accept();
    });
    Find<QPushButton>(d, "btnSelJRAV50Path")->click();
    EXPECT_EQ(edit->text().toStdString(), data.File("day"));
    qobject_cast<QDialog*>(d)->reject();
  });
  EXPECT_EQ(std::filesystem::canonical(started), std::filesystem::canonical(data.Path()));
}

TEST_F(SettingFormTest, AFileThatCannotBeWrittenIsNamedAndKeptWhole) {
  std::filesystem::create_directory(config_.File("VorpaRemark.txt"));
  test::WriteFileBytes(config_.File("Vorpa.Ini"), "[WindowInfo]\r\nWinWidth=800\r\n");
  QString error;
  Open([&](QWidget* d) {
    Find<QLineEdit>(d, "edtBuyTotal")->setText("4200");
    error = ErrorOf(Find<QPushButton>(d, "btnOK"));
  });
  EXPECT_TRUE(error.contains(QString::fromStdString(config_.File("VorpaRemark.txt"))));
  EXPECT_FALSE(error.contains("Vorpa.Ini"));
  EXPECT_TRUE(std::filesystem::is_directory(config_.File("VorpaRemark.txt")));
  EXPECT_EQ(ParseSetting(Ini()).BuyTotal, 4200);
  EXPECT_NE(Ini().find("WinWidth=800"), std::string::npos);
  EXPECT_EQ(Setting.BuyTotal, 4200);
}

TEST_F(SettingFormTest, FirstStartAsksOnceForTheINetIDAndTheDataDirectory) {
  Setting.INetID = "AB12CD34";
  Open([&](QWidget* d) {
    EXPECT_EQ(Find<QLineEdit>(d, "edtINetID")->maxLength(), 8);
    qobject_cast<QDialog*>(d)->reject();
  });
  // A welcome dialog says what the two settings are and opens the dialog.
  QString welcome;
  int openings = 0;
  test::WhenModal([&](QWidget* box) {
    EXPECT_EQ(box->objectName(), "WelcomeDialog");
    welcome = qobject_cast<QMessageBox*>(box)->text();
    test::WhenModal([&](QWidget* d) {
      ++openings;
      Find<QLineEdit>(d, "edtMojiPath")->setText("/srv/vorpa");
      Find<QPushButton>(d, "btnOK")->click();
    });
    Find<QPushButton>(box, "btnOpenSettings")->click();
  });
  form_->FirstStartCheck();
  EXPECT_EQ(openings, 1);
  for (const char* what : {"「初期設定」", "INET-ID:", "データ保存先:", "「初期設定を開く」"})
    EXPECT_TRUE(welcome.contains(U(what))) << what;
  EXPECT_EQ(Setting.MojiPath, "/srv/vorpa");
  EXPECT_EQ(LoadSetting(config_.Path()).INetID, "AB12CD34");
  // Both set: nothing asked any more.
  bool asked = false;
  QTimer::singleShot(200, [&] {
    if (QWidget* d = QApplication::activeModalWidget()) {
      asked = true;
      d->close();
    }
  });
  form_->FirstStartCheck();
  EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace vorpa

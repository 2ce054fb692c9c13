// The PAT output dialog offscreen: its controls, the five presets, the
// request it builds; and the main window's action that runs it.
#include "patout/PatOutForm.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimeEdit>
#include <filesystem>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);

// The check boxes as a text of 1s and 0s in table order (開催要項 .. 競走成績),
// the race item and the mode item.
std::string States(const TPatOutForm& f) {
  std::string s;
  for (QCheckBox* c : {f.cbOutYoukou, f.cbOutSyutuba, f.cbOutWeight, f.cbOutOdds, f.cbOutResult})
    s += c->isChecked() ? '1' : '0';
  return s + " " + std::to_string(f.rgRaceItems->checkedId()) + " " +
         std::to_string(f.rgOddsTimeRatestItems->checkedId());
}

TEST(PatOutFormTest, CaptionControlsAndInitialStates) {
  TPatOutForm f;
  EXPECT_EQ(f.windowTitle(), U("PAT風データ出力"));
  EXPECT_EQ(f.cbOutYoukou->text(), U("開催要項"));
  EXPECT_EQ(f.cbOutResult->text(), U("競走成績"));
  EXPECT_EQ(f.rgRace->title(), U("レース"));
  EXPECT_EQ(f.rgRaceItems->button(1)->text(), U("指定RNo以降"));
  EXPECT_EQ(f.rgOddsTimeRatest->title(), U("出力モード"));
  EXPECT_EQ(f.rgOddsTimeRatestItems->button(2)->text(), U("自動出力"));
  EXPECT_EQ(f.btnNow->text(), U("現在時刻"));
  EXPECT_EQ(f.btnSetRace->text(), U("各レース前"));
  EXPECT_EQ(f.btnOut->text(), U("出力"));
  EXPECT_EQ(f.btnCancel->text(), U("閉じる"));
  EXPECT_EQ(States(f), "11111 0 0");
}

TEST(PatOutFormTest, PresetsSetTheirControlsAndLeaveTheMode) {
  TPatOutForm f;
  f.rgOddsTimeRatestItems->button(1)->setChecked(true);  // オッズ指定時刻
  f.btnSetStart->click();
  EXPECT_EQ(States(f), "11000 0 1");
  f.btnSetAllOdds->click();
  EXPECT_EQ(States(f), "01110 0 1") << "not auto leaves オッズ指定時刻 alone";
  f.btnSetRace->click();
  EXPECT_EQ(States(f), "01110 2 1");
  f.btnSetAuto->click();
  EXPECT_EQ(States(f), "01111 0 2");
  f.btnSetEnd->click();
  EXPECT_EQ(States(f), "01001 0 0") << "not auto moves 自動出力 to オッズ最新時刻";
  f.btnSetAuto->click();
  f.btnSetRace->click();
  EXPECT_EQ(States(f), "01110 2 0");
  f.btnSetStart->click();
  EXPECT_EQ(States(f), "11000 0 0");
}

TEST(PatOutFormTest, OutputCompletesTheRequestAndStatesStayForTheNextOpening) {
  TPatOutForm f;
  TPinnedClock clock(kDay + EncodeTime(15, 25, 40));
  f.SetClock(&clock);
  f.Info.Date = kDay;
  f.Info.VenueName = Utf8ToCp932("東京");
  f.Info.RaceNo = 11;
  QString date, race;
  test::WhenModal([&](QWidget*) {
    date = f.lblSelDate->text();
    race = f.lblSelRace->text();
    f.rgRaceItems->button(1)->click();
    f.rgOddsTimeRatestItems->button(1)->click();
    f.btnNow->click();
    f.cbOutYoukou->setChecked(false);
    f.btnOut->click();
  });
  ASSERT_EQ(f.exec(), QDialog::Accepted);
  EXPECT_EQ(date, U("2026/12/06"));
  EXPECT_EQ(race, U("東京 11R"));
  EXPECT_TRUE(f.Info.VenueName.empty());
  EXPECT_EQ(f.Info.RaceNo, 11);
  EXPECT_EQ(MsecOf(f.Info.OddsTime), MsecOf(EncodeTime(15, 25, 40)));
  EXPECT_FALSE(f.Info.AutoOut);
  EXPECT_FALSE(f.Info.OutYoukou);
  EXPECT_TRUE(f.Info.OutResult);

  f.Info.VenueName = Utf8ToCp932("阪神");
  f.Info.RaceNo = 3;
  test::WhenModal([&](QWidget*) {
    EXPECT_EQ(States(f), "01111 1 1");
    f.rgRaceItems->button(2)->click();
    f.rgOddsTimeRatestItems->button(2)->click();
    f.btnOut->click();
  });
  ASSERT_EQ(f.exec(), QDialog::Accepted);
  EXPECT_EQ(f.Info.VenueName, Utf8ToCp932("阪神"));
  EXPECT_EQ(f.Info.RaceNo, 3);
  EXPECT_EQ(f.Info.OddsTime, 0);
  EXPECT_TRUE(f.Info.AutoOut);

  test::WhenModal([&](QWidget*) { f.btnSetAllOdds->click(); f.btnCancel->click(); });
  EXPECT_EQ(f.exec(), QDialog::Rejected);
  EXPECT_TRUE(f.Info.AutoOut) << "closing leaves the request as it was";
}

class PatOutActionTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TMainForm>(config_.Path());
    forms_ = CreateAppForms(form_.get());
    Setting.MojiPath = data_.Path();
    Setting.JRAV50Path = out_.Path() + "v50";
    for (int no : {1, 2}) {
      test::RaceRecipe r;
      r.RaceNo = no;
      r.Date = kDay;
      r.Readings = 2;
      StoreRace(data_.Path(), test::MakeRace(r));
    }
    form_->OpenDate(kDay);
  }
  void TearDown() override { Setting = TSetting(); }

  // Runs the action: "出力" in the dialog after `prepare`, then the text of
  // the message box that follows (closed with OK).
  QString Run(const std::function<void(TPatOutForm&)>& prepare) {
    QString shown;
    test::WhenModal([&](QWidget*) {
      prepare(*forms_.PatOut);
      test::WhenModal([&](QWidget* box) {
        shown = static_cast<QMessageBox*>(box)->text();
        shownBy_ = box->objectName();
        static_cast<QMessageBox*>(box)->accept();
      });
      forms_.PatOut->btnOut->click();
    });
    form_->actOutPatData->trigger();
    return shown;
  }

  test::TempDir config_, data_, out_;
  std::unique_ptr<TMainForm> form_;
  TAppForms forms_;
  QString shownBy_;  // object name of the last message box
};

TEST_F(PatOutActionTest, ManualRunWritesAndReportsAutomaticModeOnlyReports) {
  ASSERT_TRUE(form_->FRaceLoaded);
  EXPECT_EQ(Run([](TPatOutForm& f) { f.btnSetRace->click(); }), U("出力しました。"));
  EXPECT_EQ(forms_.PatOut->Info.VenueName, Utf8ToCp932("東京"));
  EXPECT_EQ(forms_.PatOut->Info.RaceNo, 1);
  EXPECT_TRUE(std::filesystem::exists(out_.Path() + "v50/ZO-581.JRA"));
  EXPECT_FALSE(std::filesystem::exists(out_.Path() + "v50/ZO-582.JRA"));

  EXPECT_FALSE(form_->FIPat.PatOut().AutoOut);
  EXPECT_EQ(Run([](TPatOutForm& f) { f.btnSetAuto->click(); }), U("自動出力します。"));
  EXPECT_FALSE(std::filesystem::exists(out_.Path() + "v50/ZO-582.JRA"));
  const TPatOutInfo automatic = form_->FIPat.PatOut();
  EXPECT_TRUE(automatic.AutoOut && automatic.OutResult) << "the session follows the confirmed request";
  EXPECT_EQ(Run([](TPatOutForm& f) { f.btnSetEnd->click(); }), U("出力しました。"));
  EXPECT_FALSE(form_->FIPat.PatOut().AutoOut) << "and stops with a manual one";
}

TEST_F(PatOutActionTest, FileErrorNamesTheFileAndWhy) {
  std::filesystem::create_directories(out_.Path() + "v50/DE-582.JRA");
  const QString shown = Run([](TPatOutForm& f) { f.btnSetAllOdds->click(); });
  EXPECT_EQ(shownBy_, "PatOutFailed");
  EXPECT_EQ(shown, U("PAT風データのファイルに書き込めませんでした。\n") +
                       QString::fromStdString(out_.Path() + "v50/DE-582.JRA") +
                       U("\nIs a directory\nこれより後のファイルは出力していません。"));
  EXPECT_FALSE(shown.contains(U("出力しました。")));
  EXPECT_TRUE(std::filesystem::exists(out_.Path() + "v50/DE-581.JRA")) << "written before the error";
}

// No output folder: nothing can be written, and the message says where to
// set one, whatever the mode.
TEST_F(PatOutActionTest, WithoutAnOutputFolderItSaysWhereToSetOne) {
  Setting.JRAV50Path.clear();
  const QString told = U("PAT風データの出力先フォルダが設定されていません。\n"
                         "「初期設定」の「PAT出力」で出力先を設定してください。");
  EXPECT_EQ(Run([](TPatOutForm& f) { f.btnSetAllOdds->click(); }), told);
  EXPECT_EQ(shownBy_, "PatOutNoFolder");
  EXPECT_EQ(Run([](TPatOutForm& f) { f.btnSetAuto->click(); }), told);
  EXPECT_EQ(shownBy_, "PatOutNoFolder");
  EXPECT_TRUE(form_->FIPat.PatOut().AutoOut) << "the request is taken all the same";
}

}  // namespace
}  // namespace vorpa

// What the main window says about what it was given: the caption with the
// open date, a data folder or date without race files (log list, stderr,
// exit status with --screenshot), and settings or remark files it cannot
// read (kept as ".bad", or not written at all).
#include <gtest/gtest.h>

#include <QLabel>

#include <QListWidget>
#include <QMessageBox>
#include <filesystem>

#include "core/DayCount.h"
#include "core/IniFile.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"
#include "ui/ProgramOptions.h"
#include "ui/ViewOptions.h"

namespace vorpa {
namespace {

using test::U;

QString LastLog(const TMainForm& f) { return test::Untimed(f.lstLog->item(f.lstLog->count() - 1)->text()); }

// Bytes no INI or remark line can be read from.
const std::string kGarbage("\x8e\xf5\x01\x02 garbage\xff\xfe\r\n\x00\x93\xfa\x96\x7b", 22);

class StartMessagesTest : public testing::Test {
 protected:
  test::ProgramResult Vorpa(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", config_.Path()});
    return test::RunProgram(VORPA_PROGRAM_PATH, args, "", {"QT_QPA_PLATFORM=offscreen"});
  }
  test::TempDir config_, data_;
};

TEST_F(StartMessagesTest, CaptionShowsTheOpenDate) {
  TMainForm f(config_.Path());
  EXPECT_EQ(f.windowTitle(), "Vorpa");
  f.OpenDate(EncodeDate(2026, 12, 6));
  EXPECT_EQ(f.windowTitle(), "Vorpa - 2026/12/06");
  EXPECT_TRUE(f.lblStatusDemo->isHidden());
  // The demonstration's configuration says so in the caption and the
  // status bar.
  test::WriteFileBytes(config_.File("Vorpa.Ini"), "[vorpa]\r\nDemo=1\r\n");
  TMainForm demo(config_.Path());
  demo.show();
  EXPECT_EQ(demo.windowTitle(), U("Vorpa (デモ)"));
  EXPECT_TRUE(demo.lblStatusDemo->isVisible());
  EXPECT_EQ(demo.lblStatusDemo->text(), U("デモ"));
  demo.OpenDate(EncodeDate(2026, 12, 6));
  EXPECT_EQ(demo.windowTitle(), U("Vorpa (デモ) - 2026/12/06"));
}

TEST_F(StartMessagesTest, MissingDataFolderAndEmptyDateOpenButSaySo) {
  StoreRace(data_.Path(), test::MakeRace({}));  // 2026-12-06 only
  TMainForm f(config_.Path());
  TProgramOptions o;
  o.DataDir = data_.File("nowhere");
  std::string error;
  std::vector<std::string> notes;
  ASSERT_TRUE(ApplyViewOptions(f, o, &error, &notes));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0], "data folder not found: " + o.DataDir);
  EXPECT_EQ(LastLog(f), U("データフォルダがありません: ") + QString::fromStdString(o.DataDir));

  o.DataDir = data_.Path();
  o.OpenDate = "2026-12-07";
  notes.clear();
  ASSERT_TRUE(ApplyViewOptions(f, o, &error, &notes));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0], "no race files of 2026-12-07 in " + data_.Path());
  EXPECT_EQ(LastLog(f), U("2026/12/07 のレースデータがありません。"));
  EXPECT_EQ(f.windowTitle(), "Vorpa - 2026/12/07");

  o.OpenDate = "2026-12-06";
  notes.clear();
  ASSERT_TRUE(ApplyViewOptions(f, o, &error, &notes));
  EXPECT_TRUE(notes.empty());
}

TEST_F(StartMessagesTest, WithAScreenshotTheyEndTheProgramWithStatus2) {
  StoreRace(data_.Path(), test::MakeRace({}));
  const std::string png = data_.File("x.png");
  test::ProgramResult r = Vorpa({"--data-dir", data_.File("nowhere"), "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("vorpa: data folder not found: " + data_.File("nowhere")), std::string::npos) << r.Err;
  r = Vorpa({"--data-dir", data_.Path(), "--open-date", "2026-12-07", "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("vorpa: no race files of 2026-12-07"), std::string::npos) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(png));
  r = Vorpa({"--data-dir", data_.Path(), "--open-date", "2026-12-06", "--screenshot", png});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_TRUE(r.Err.find("vorpa:") == std::string::npos) << r.Err;
}

// A settings file and a remark file holding nothing readable survive byte
// for byte as ".bad"; the settings file is then written anew at the end.
TEST_F(StartMessagesTest, UnreadableFilesAreKeptAsBad) {
  test::WriteFileBytes(config_.File("Vorpa.Ini"), kGarbage);
  test::WriteFileBytes(config_.File("VorpaRemark.txt"), kGarbage + "x");
  {
    TMainForm f(config_.Path());
    EXPECT_EQ(test::Untimed(f.lstLog->item(2)->text()), U("Vorpa.Ini に読める行がないため Vorpa.Ini.bad として残しました。"));
    EXPECT_EQ(LastLog(f), U("VorpaRemark.txt に読める行がないため VorpaRemark.txt.bad として残しました。"));
    EXPECT_EQ(Setting.IPatChkCycle, 3);
  }
  EXPECT_EQ(test::ReadFileBytes(config_.File("Vorpa.Ini.bad")), kGarbage);
  EXPECT_EQ(test::ReadFileBytes(config_.File("VorpaRemark.txt.bad")), kGarbage + "x");
  EXPECT_EQ(TIniFile::Load(config_.File("Vorpa.Ini")).GetInt("WindowInfo", "WinWidth", 0), 995);
  // A readable file is left alone.
  std::filesystem::remove(config_.File("Vorpa.Ini.bad"));
  { TMainForm again(config_.Path()); }
  EXPECT_FALSE(std::filesystem::exists(config_.File("Vorpa.Ini.bad")));
}

// A "Vorpa.Ini" that is a folder: a message box at start, the defaults,
// and nothing written over it.
TEST_F(StartMessagesTest, ASettingsFolderGivesTheDefaultsAndIsNotWritten) {
  std::filesystem::create_directory(config_.File("Vorpa.Ini"));
  {
    TMainForm f(config_.Path());
    EXPECT_EQ(LastLog(f), U("Vorpa.Ini を読めません。既定の設定で起動し、Vorpa.Ini には書き込みません。"));
    EXPECT_EQ(Setting.IPatChkCycle, 3);
    QString shown;
    test::WhenModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      shown = box->text();
      box->accept();
    });
    f.FirstStartCheck();
    EXPECT_EQ(shown, LastLog(f));
  }
  EXPECT_TRUE(std::filesystem::is_directory(config_.File("Vorpa.Ini")));
  EXPECT_TRUE(std::filesystem::is_empty(config_.File("Vorpa.Ini")));
  EXPECT_FALSE(std::filesystem::exists(config_.File("Vorpa.Ini.bad")));
}

}  // namespace
}  // namespace vorpa

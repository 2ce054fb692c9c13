// vorpa --screenshot: a realistic day opened, a race and reading chosen and
// the window rendered to a PNG, offscreen. With VORPA_README_SCREENSHOT set
// the larger window's picture is also copied there (the README's picture is
// made this way).
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "support/RaceFactory.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

const double kDay = EncodeDate(2026, 12, 6);

// The generator's meeting day, with post times spread over the afternoon
// as on a real day: race r of the k-th venue at 10:00 + 30(r-1) + 10k min.
void StoreDay(const std::string& dataDir) {
  test::StoreMeetingDay(dataDir, kDay);
  int k = 0;
  for (const char* venue : {"東京", "中山", "阪神"}) {
    for (int no = 1; no <= 12; ++no) {
      TRace r;
      LoadRace(dataDir, Utf8ToCp932(venue), no, r, kDay);
      const int minute = 10 * 60 + 30 * (no - 1) + 10 * k;
      r.Header.StartTime = EncodeTime(minute / 60, minute % 60, 0);
      StoreRace(dataDir, r);
    }
    ++k;
  }
}

int CountColor(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
  return n;
}

// Pixels of the hue of `c`, pure or smoothed into the background.
int CountHue(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      n += p.hsvSaturation() >= 96 && std::abs(p.hsvHue() - c.hsvHue()) <= 12;
    }
  return n;
}

class ScreenshotTest : public testing::Test {
 protected:
  test::ProgramResult Vorpa(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", config_.Path(), "--data-dir", data_.Path()});
    return test::RunProgram(VORPA_PROGRAM_PATH, args, "", {"QT_QPA_PLATFORM=offscreen"});
  }
  test::TempDir config_, data_, out_;
};

TEST_F(ScreenshotTest, RendersTheChosenRaceAndReading) {
  StoreDay(data_.Path());
  const std::string png = out_.File("day.png");
  test::ProgramResult r = Vorpa({"--open-date", "2026-12-06", "--select", "東京11", "--reading",
                                 "15", "--tab", "枠連", "--screenshot", png});
  ASSERT_EQ(r.Status, 0) << r.Err;
  QImage img(QString::fromStdString(png));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(995, 709));
  // The card's frame cells: 18 runners fill all eight frame colours.
  for (QColor frame : {QColor(0xFF, 0, 0), QColor(0, 0, 0xFF), QColor(0xFF, 0xFF, 0),
                       QColor(0, 0x9A, 0), QColor(0xFF, 0x9A, 0), QColor(0xFF, 0x9A, 0xCE)})
    EXPECT_GT(CountColor(img, frame), 200) << frame.name().toStdString();
  // Striped rows.
  EXPECT_GT(CountColor(img, QColor(0xF0, 0xF0, 0xF0)), 2000);
}

// The README's picture: the same day on the exacta tab in a window of 1600
// x 1000 fitted to the window, as kept in the settings file's window
// placement.
TEST_F(ScreenshotTest, ALargerWindowFromItsStoredPlacement) {
  StoreDay(data_.Path());
  test::WriteFileBytes(config_.File("Vorpa.Ini"),
                       "[WindowInfo]\r\nWinWidth=1600\r\nWinHeight=1000\r\nWinLeft=10\r\n"
                       "WinTop=10\r\nWinState=0\r\nZoom=0\r\n");
  const std::string png = out_.File("day.png");
  test::ProgramResult r = Vorpa({"--open-date", "2026-12-06", "--select", "東京11", "--reading",
                                 "15", "--tab", "馬単", "--screenshot", png});
  ASSERT_EQ(r.Status, 0) << r.Err;
  QImage img(QString::fromStdString(png));
  EXPECT_EQ(img.size(), QSize(1600, 1000));
  if (const char* keep = std::getenv("VORPA_README_SCREENSHOT"))
    std::filesystem::copy_file(png, keep, std::filesystem::copy_options::overwrite_existing);
}

// The quinella matrix and the result tab of the same race. With
// VORPA_README_PICTURES set to a directory the pictures are copied there as
// odds.png and result.png.
TEST_F(ScreenshotTest, RendersTheOddsAndResultTabs) {
  StoreDay(data_.Path());
  const char* keep = std::getenv("VORPA_README_PICTURES");
  for (const char* tab : {"馬連", "結果"}) {
    const std::string png = out_.File(std::string(tab) + ".png");
    test::ProgramResult r = Vorpa({"--open-date", "2026-12-06", "--select", "東京11", "--tab", tab,
                                   "--screenshot", png});
    ASSERT_EQ(r.Status, 0) << r.Err;
    QImage img(QString::fromStdString(png));
    ASSERT_FALSE(img.isNull());
    // Below the card (which ends at y = 325) the tab shows its content: the
    // matrix's odds in their colours, or the result boxes' black text.
    const QImage page = img.copy(240, 380, 740, 270);
    if (std::string(tab) == "馬連") {
      EXPECT_GT(CountHue(page, QColor(0, 0x80, 0)), 2000);
      EXPECT_GT(CountHue(page, QColor(0, 0, 0xFF)), 1000);
    } else {
      EXPECT_GT(CountColor(page, Qt::black), 2000);
    }
    if (keep)
      std::filesystem::copy_file(png, std::string(keep) + (std::string(tab) == "馬連" ? "/odds.png" : "/result.png"),
                                 std::filesystem::copy_options::overwrite_existing);
  }
}

// Scaled by 2, the window draws everything twice as large: the picture has
// twice the design size and the card's frame colours cover four times the
// pixels.
TEST_F(ScreenshotTest, ScaledScreensDrawTwiceAsLarge) {
  StoreDay(data_.Path());
  const std::string png = out_.File("day2.png");
  std::vector<std::string> args = {"--config-dir", config_.Path(), "--data-dir", data_.Path(),
                                   "--open-date", "2026-12-06", "--select", "東京11",
                                   "--screenshot", png};
  test::ProgramResult r = test::RunProgram(VORPA_PROGRAM_PATH, args, "",
                                           {"QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=2"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  QImage img(QString::fromStdString(png));
  EXPECT_EQ(img.size(), QSize(2 * 995, 2 * 709));
  EXPECT_GT(CountColor(img, QColor(0, 0, 0xFF)), 4 * 200);
}

// The settings dialog at its page "その他", with remark entries in the
// grid; copied to VORPA_README_PICTURES as settings.png.
TEST_F(ScreenshotTest, RendersTheSettingsDialogAtAPage) {
  test::WriteFileBytes(config_.File("VorpaRemark.txt"),
                       Utf8ToCp932("山田太郎,FFFFFF,800000\r\nアオゾラ,0000FF,00FFFF\r\n"));
  const std::string png = out_.File("settings.png");
  test::ProgramResult r = Vorpa({"--settings-page", "その他", "--screenshot", png});
  ASSERT_EQ(r.Status, 0) << r.Err;
  QImage img(QString::fromStdString(png));
  ASSERT_FALSE(img.isNull());
  EXPECT_LT(img.width(), 995);  // the dialog, not the main window
  EXPECT_GT(img.width(), 400);
  r = Vorpa({"--settings-page", "nothing", "--screenshot", out_.File("x.png")});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("nothing"), std::string::npos);
  if (const char* keep = std::getenv("VORPA_README_PICTURES"))
    std::filesystem::copy_file(png, std::string(keep) + "/settings.png",
                               std::filesystem::copy_options::overwrite_existing);
}

// --zoom for one run: "fit" in a window of 1600 x 1000 draws the card's
// frame colours about twice as large as at 100 %, and at the design size as
// at 100 %; a zoom outside 100..250 ends with status 2. The fitted picture
// is copied to VORPA_README_PICTURES as zoom-fit.png.
TEST_F(ScreenshotTest, ZoomForOneRunAndFittedToTheWindow) {
  StoreDay(data_.Path());
  auto shot = [&](const char* zoom, const char* name) {
    const std::string png = out_.File(name);
    test::ProgramResult r = Vorpa({"--open-date", "2026-12-06", "--select", "東京11", "--tab", "馬連",
                                   "--zoom", zoom, "--screenshot", png});
    EXPECT_EQ(r.Status, 0) << r.Err;
    return QImage(QString::fromStdString(png));
  };
  const QImage design100 = shot("100", "d100.png"), designFit = shot("fit", "dfit.png");
  // The status bar and the log list at the foot show the clock; the card and the
  // tabs above them must be drawn alike.
  ASSERT_EQ(designFit.size(), design100.size());
  const QRect views(0, 0, design100.width(), design100.height() * 4 / 5);
  EXPECT_EQ(designFit.copy(views), design100.copy(views));
  test::WriteFileBytes(config_.File("Vorpa.Ini"),
                       "[WindowInfo]\r\nWinWidth=1600\r\nWinHeight=1000\r\nWinLeft=0\r\n"
                       "WinTop=0\r\nWinState=0\r\nZoom=100\r\n");
  const QImage at100 = shot("100", "w100.png"), fit = shot("fit", "wfit.png");
  ASSERT_EQ(fit.size(), QSize(1600, 1000));
  const int red100 = CountColor(at100, QColor(0xFF, 0, 0)), redFit = CountColor(fit, QColor(0xFF, 0, 0));
  EXPECT_GT(redFit, red100 * 17 / 10) << red100 << " " << redFit;
  // The zoom of the run is not stored.
  EXPECT_NE(test::ReadFileBytes(config_.File("Vorpa.Ini")).find("Zoom=100"), std::string::npos);
  test::ProgramResult r = Vorpa({"--zoom", "300", "--screenshot", out_.File("x.png")});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("--zoom"), std::string::npos);
  if (const char* keep = std::getenv("VORPA_README_PICTURES"))
    std::filesystem::copy_file(out_.File("wfit.png"), std::string(keep) + "/zoom-fit.png",
                               std::filesystem::copy_options::overwrite_existing);
}

TEST_F(ScreenshotTest, UnknownRaceReadingOrTabFails) {
  StoreDay(data_.Path());
  const std::string png = out_.File("x.png");
  test::ProgramResult r = Vorpa({"--open-date", "2026-12-06", "--select", "京都11", "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("京都11"), std::string::npos);
  r = Vorpa({"--open-date", "2026-12-06", "--reading", "16", "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  r = Vorpa({"--open-date", "2026-12-06", "--reading", "x", "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  r = Vorpa({"--open-date", "2026-12-06", "--tab", "nothing", "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  r = Vorpa({"--open-date", "06/12/2026", "--screenshot", png});
  EXPECT_EQ(r.Status, 2);
  EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace vorpa

// The history window opened from the race card: every stored race of the
// horse (or jockey, trainer) newest first, read from the database only.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <filesystem>

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "history/HistoryReader.h"
#include "history/HistorySync.h"
#include "support/GuiHelpers.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "core/TextUtil.h"
#include "ui/GridText.h"
#include "ui/HistoryForm.h"
#include "ui/ViewToQt.h"
#include "ui/MainFrm.h"
#include "view/RaceCard.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);

THistoryForm* OpenHistoryForm(const QString& title) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<THistoryForm*>(w); h && h->isVisible() && h->windowTitle() == title) return h;
  return nullptr;
}

TEST(HistoryForm, CardNamesOpenTheirStoredRacesNewestFirst) {
  test::TempDir config, data;
  // The same card on three meeting days: each horse ran three times.
  for (int week = 0; week < 3; ++week) {
    test::RaceRecipe r;
    r.Date = kDay - 7 * week;
    r.Readings = 2;
    r.Scratched = 5;
    StoreRace(data.Path(), test::MakeRace(r));
  }
  ASSERT_TRUE(SyncHistory(data.Path()).Ok);
  TMainForm f(config.Path());
  [[maybe_unused]] TAppForms forms = CreateAppForms(&f);
  Setting.MojiPath = data.Path();
  f.OpenDate(kDay);
  // The window reads the database alone: the older files are gone.
  std::filesystem::remove_all(DateDirPath(data.Path(), kDay - 7));
  std::filesystem::remove_all(DateDirPath(data.Path(), kDay - 14));

  const int row = 0;
  const TSyutuba& runner = f.FRace.Runner(IntOf(Trim(CellText(f.sgSyutuba, row + 1, kColHorseNo))));
  emit f.sgSyutuba->cellDoubleClicked(row, kColHorseName);
  THistoryForm* h = OpenHistoryForm(U("この馬の履歴 - ") + FromCp932(runner.HorseName));
  ASSERT_NE(h, nullptr);
  THistoryReader reader;
  ASSERT_TRUE(reader.Open(data.Path()));
  const size_t rides = reader.Rides(TRideKey::Horse, runner.HorseName).size();
  EXPECT_GE(rides, 3u);
  ASSERT_EQ(h->sgRides->rowCount(), static_cast<int>(rides));
  EXPECT_EQ(h->sgRides->horizontalHeaderItem(7)->text(), U("単勝"));
  // Newest first; the race, its title and distance; the final odds with
  // their popularity.
  EXPECT_EQ(h->sgRides->item(0, 0)->text(), "26/12/06");
  EXPECT_EQ(h->sgRides->item(static_cast<int>(rides) - 1, 0)->text(), "26/11/22");
  EXPECT_EQ(h->sgRides->item(0, 1)->text(), U("東京11R"));
  EXPECT_EQ(h->sgRides->item(0, 2)->text(), U("雪灯ステークス"));
  EXPECT_EQ(h->sgRides->item(0, 3)->text(), U("2400 芝・左"));
  EXPECT_EQ(h->lblCaption->text(), FromCp932(runner.HorseName) + U("(馬)の履歴 ") +
                                       QString::number(rides) + U("レース"));
  bool sawScratch = false, sawFavourite = false;
  for (int i = 0; i < h->sgRides->rowCount(); ++i) {
    sawScratch |= h->sgRides->item(i, 9)->text() == U("取消");
    sawFavourite |= h->sgRides->item(i, 8)->text() == "1" && h->sgRides->item(i, 4)->text() == " 1";
  }
  // Horse 1 has the lowest odds of the generated card; horse 5 is scratched.
  EXPECT_EQ(sawFavourite, runner.HorseNo == 1 || runner.HorseName == f.FRace.Runner(1).HorseName);
  EXPECT_EQ(sawScratch, runner.HorseName == f.FRace.Runner(5).HorseName);

  // The pop-up menu names what the current cell holds.
  f.sgSyutuba->setCurrentCell(row, kColJockey);
  EXPECT_TRUE(f.actHistory->isVisible());
  EXPECT_EQ(f.actHistory->text(), U("この騎手の履歴"));
  f.actHistory->trigger();
  THistoryForm* j = OpenHistoryForm(U("この騎手の履歴 - ") + FromCp932(runner.JockeyName));
  ASSERT_NE(j, nullptr);
  EXPECT_EQ(j->sgRides->rowCount(),
            static_cast<int>(reader.Rides(TRideKey::Jockey, runner.JockeyName).size()));
  f.sgSyutuba->setCurrentCell(row, kColTrainer);
  EXPECT_EQ(f.actHistory->text(), U("この調教師の履歴"));
  f.sgSyutuba->setCurrentCell(row, kColBurden);
  EXPECT_FALSE(f.actHistory->isVisible());
  Setting = TSetting();
}

}  // namespace
}  // namespace vorpa

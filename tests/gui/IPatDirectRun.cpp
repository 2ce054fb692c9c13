// Direct acquisition from the main window against a real vorpa-ipatd: after
// a scheduled run has read the morning's cards, the dialog opens with the
// race shown ticked, and a run started with other ticks stores only those.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <set>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "ipat/IPatDirectForm.h"
#include "support/GuiHelpers.h"
#include "support/IpatdServer.h"
#include "support/TempDir.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"

namespace vorpa {
namespace {

namespace fs = std::filesystem;

class DirectRun : public testing::Test {
 protected:
  // A scheduled run at 09:40 (cards only, no race has started), its date
  // opened and its first race shown; then the race files are removed.
  void SetUp() override {
    double now = 0;
    ASSERT_TRUE(TryTextToDateTime("2026-12-06 09:40:00", &now));
    server_ = std::make_unique<test::IpatdServer>(
        std::vector<std::string>{"--seed", "7", "--now", "2026-12-06 09:40:00"});
    test::WriteFileBytes(config_.File("Vorpa.Ini"), "[vorpa]\r\nINetID=GUI00002\r\nMojiPath=" +
                                                        data_.Path() + "\r\nIPatHost=" +
                                                        server_->Host() + "\r\n");
    clock_ = std::make_unique<TPinnedClock>(now);
    form_ = std::make_unique<TMainForm>(config_.Path(), clock_.get());
    dialog_ = CreateAppForms(form_.get()).IPatDirect;
    form_->show();
    form_->StartAcquisition();
    ASSERT_TRUE(test::ProcessEventsUntil([&] { return !form_->FIPatThread.IsSet(); }));
    ASSERT_EQ(form_->FIPat.IPatState, TIPat::RunEnd);
    ASSERT_NE(form_->FDate, 0);
    form_->sgRace->setCurrentCell(0, 0);
    ASSERT_TRUE(form_->FRaceLoaded);
    fs::remove_all(data_.Path() + "2026");
  }

  // The race files in the data directory, as "venue" + race number.
  std::set<std::string> Stored() const {
    std::set<std::string> names;
    const fs::path day = fs::path(data_.Path()) / "2026" / "1206";
    if (fs::exists(day))
      for (const auto& e : fs::directory_iterator(day)) names.insert(e.path().stem().string());
    return names;
  }
  std::string Name(int v, int r) const {
    char no[4];
    std::snprintf(no, sizeof no, "%02d", r);
    return Cp932ToUtf8(form_->FIPat.VenueNameOfSlot(v)) + no;
  }

  test::TempDir config_, data_;
  std::unique_ptr<test::IpatdServer> server_;
  std::unique_ptr<TPinnedClock> clock_;
  std::unique_ptr<TMainForm> form_;
  TIPatDirectForm* dialog_ = nullptr;
};

TEST_F(DirectRun, StoresOnlyTheTickedRaces) {
  const TIPat& plan = form_->FIPat;
  ASSERT_FALSE(plan.MeetingCode[2].Code.empty());
  ASSERT_TRUE(plan.Status[1][3].Listed && plan.Status[2][5].Listed);
  int shownSlot = 0;
  for (int v = 1; v <= 3; ++v)
    if (plan.VenueNameOfSlot(v) == form_->FRace.Header.VenueName) shownSlot = v;
  ASSERT_NE(shownSlot, 0);
  int shownTicks = -1;
  test::WhenModal([&](QWidget*) {
    shownTicks = 0;
    for (QCheckBox* b : dialog_->findChildren<QCheckBox*>()) shownTicks += b->isChecked();
    EXPECT_TRUE(dialog_->Box(shownSlot, form_->FRace.Header.RaceNo)->isChecked());
    dialog_->btnReset->click();
    dialog_->Box(1, 3)->setChecked(true);
    dialog_->Box(2, 5)->setChecked(true);
    // Races that are not listed, ticked too: no page is asked for them.
    for (int v = 1; v <= 3; ++v)
      for (int r = 1; r <= 12; ++r)
        if (!plan.Status[v][r].Listed) dialog_->Box(v, r)->setChecked(true);
    dialog_->btnOK->click();
  });
  form_->actIPatDirect->trigger();
  EXPECT_EQ(shownTicks, 1);  // only the race shown
  ASSERT_TRUE(form_->FIPatDirectThread.IsSet());
  ASSERT_TRUE(test::ProcessEventsUntil([&] { return !form_->FIPatDirectThread.IsSet(); }));
  EXPECT_EQ(Stored(), (std::set<std::string>{Name(1, 3), Name(2, 5)}));
}

TEST_F(DirectRun, CancelStartsNothing) {
  test::WhenModal([&](QWidget*) {
    dialog_->btnSet->click();
    dialog_->btnCancel->click();
  });
  form_->actIPatDirect->trigger();
  EXPECT_FALSE(form_->FIPatDirectThread.IsSet());
  for (int v = 1; v <= 3; ++v)
    for (int r = 1; r <= 12; ++r) EXPECT_FALSE(form_->FIPatDirect.Status[v][r].Selected) << v << "," << r;
  QApplication::processEvents();
  EXPECT_TRUE(Stored().empty());
}

TEST_F(DirectRun, ADialogLeftOpenAcross1900StartsNothingOnOK) {
  double evening = 0;
  ASSERT_TRUE(TryTextToDateTime("2026-12-06 19:00:30", &evening));
  test::WhenModal([&](QWidget*) {
    dialog_->btnSet->click();
    clock_->Set(evening);
    dialog_->btnOK->click();
  });
  form_->actIPatDirect->trigger();
  EXPECT_FALSE(form_->FIPatDirectThread.IsSet());
  QApplication::processEvents();
  EXPECT_TRUE(Stored().empty());
}

}  // namespace
}  // namespace vorpa

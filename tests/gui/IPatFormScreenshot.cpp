// The status window during a run against a real vorpa-ipatd, rendered to a
// PNG offscreen while the thread waits for the exacta page of the first
// race. With VORPA_README_STATUS_SCREENSHOT set the picture is also copied
// there (the README's picture is made this way).
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <cstdlib>
#include <filesystem>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "ipat/IPatForm.h"
#include "support/GuiHelpers.h"
#include "support/IpatdServer.h"
#include "support/TempDir.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"
#include "ui/ViewOptions.h"

namespace vorpa {
namespace {

using test::U;

TEST(IPatFormScreenshot, TheStatusWindowDuringARun) {
  const char* now = "2026-12-06 14:30:00";
  double at = 0;
  ASSERT_TRUE(TryTextToDateTime(now, &at));
  // Slow pages: the window is caught while a page is on its way.
  test::IpatdServer server({"--seed", "7", "--now", now, "--delay-ms", "200"});
  test::TempDir config, data, out;
  test::WriteFileBytes(config.File("Vorpa.Ini"), "[vorpa]\r\nINetID=GUI00003\r\nMojiPath=" +
                                                     data.Path() + "\r\nIPatHost=" + server.Host() +
                                                     "\r\n");
  TPinnedClock clock(at);
  TMainForm form(config.Path(), &clock);
  TIPatForm* status = CreateAppForms(&form).IPat;
  form.show();
  form.actMojipanel->trigger();
  form.StartAcquisition();
  const std::string png = out.File("status.png");
  bool saved = false;
  ASSERT_TRUE(test::ProcessEventsUntil([&] {
    if (status->lblIPatState->text() != U("馬単オッズ取得") ||
        !status->memInfo->toPlainText().contains(U("[単複枠]")))
      return false;
    saved = SaveWidgetPicture(*status, png);
    return true;
  }));
  ASSERT_TRUE(saved);
  EXPECT_TRUE(status->lblRaceNo->text().endsWith("R"));
  EXPECT_FALSE(status->lblKaisaichi->text().isEmpty());
  form.actIPat->trigger();  // stops the run
  QImage img(QString::fromStdString(png));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), status->size());
  if (const char* keep = std::getenv("VORPA_README_STATUS_SCREENSHOT"))
    std::filesystem::copy_file(png, keep, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace
}  // namespace vorpa

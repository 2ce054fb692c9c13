// vorpa: the main program.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/AppDirs.h"
#include "core/Clock.h"
#include "core/DayCount.h"
#include "ui/AlertForm.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"
#include "ui/ProgramOptions.h"
#include "ui/ProgramIcon.h"
#include "ui/QtTranslations.h"
#include "ui/SelDateForm.h"
#include "ui/SettingForm.h"
#include "ui/ViewOptions.h"

int main(int argc, char** argv) {
  vorpa::TProgramOptions opts;
  if (!vorpa::ParseProgramOptions(argc, argv, &opts)) return 2;
  if (opts.Help || opts.Version) {
    std::fputs((opts.Help ? vorpa::ProgramHelp() : vorpa::ProgramVersion()).c_str(), stdout);
    return 0;
  }
  if (opts.HelpPage) {
    const std::string page = vorpa::HelpPagePath(vorpa::ProgramDir());
    std::printf("%s\n", page.c_str());
    return std::filesystem::exists(page) ? 0 : 1;
  }
  std::unique_ptr<vorpa::TClock> clock = std::make_unique<vorpa::TSystemClock>();
  if (!opts.ClockStart.empty() || !opts.ClockRate.empty()) {
    double at = clock->Now(), rate = 1;
    if (!opts.ClockStart.empty() && !vorpa::TryTextToDateTime(opts.ClockStart, &at)) {
      std::fprintf(stderr, "vorpa: --clock-start: not a date and time: %s\n", opts.ClockStart.c_str());
      return 2;
    }
    if (!opts.ClockRate.empty() && !vorpa::ParseClockRate(opts.ClockRate, &rate)) {
      std::fprintf(stderr, "vorpa: --clock-rate: not a positive number up to 100000: %s\n",
                   opts.ClockRate.c_str());
      return 2;
    }
    clock = std::make_unique<vorpa::TPinnedClock>(at, true, rate);
  }
  int qtArgc = static_cast<int>(opts.QtArgs.size());
  opts.QtArgs.push_back(nullptr);
  QApplication app(qtArgc, opts.QtArgs.data());
  // Qt takes the user's locale; numbers in files and fixed-width texts are
  // always written and read with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Vorpa");
  QApplication::setWindowIcon(vorpa::VorpaIcon());
  if (!vorpa::InstallQtTranslations(&app))
    std::fprintf(stderr, "vorpa: Qt's Japanese translations are not installed (qt6-translations-l10n)\n");

  vorpa::TMainForm mainForm(vorpa::ConfigDir(opts.ConfigDir), clock.get());
  const vorpa::TAppForms forms = vorpa::CreateAppForms(&mainForm);
  forms.SelDate->SetClock(clock.get());
  std::string error;
  std::vector<std::string> notes;
  if (!vorpa::ApplyViewOptions(mainForm, opts, &error, &notes)) {
    std::fprintf(stderr, "vorpa: %s\n", error.c_str());
    return 2;
  }
  for (const std::string& note : notes) std::fprintf(stderr, "vorpa: %s\n", note.c_str());
  // A picture of a window with nothing to show is no picture.
  if (!notes.empty() && !opts.Screenshot.empty()) return 2;
  mainForm.show();
  QWidget* picture = &mainForm;
  if (!opts.SettingsPage.empty()) {
    if (!vorpa::ShowSettingsPage(*forms.Setting, opts.SettingsPage, &error)) {
      std::fprintf(stderr, "vorpa: %s\n", error.c_str());
      return 2;
    }
    picture = forms.Setting;
  }
  if (opts.Alerts) {
    mainForm.actAlerts->trigger();
    picture = mainForm.AlertForm;
  }
  if (!opts.Screenshot.empty()) {
    if (vorpa::SaveWidgetPicture(*picture, opts.Screenshot)) return 0;
    std::fprintf(stderr, "vorpa: cannot write %s\n", opts.Screenshot.c_str());
    return 1;
  }
  if (opts.SettingsPage.empty())
    QTimer::singleShot(0, &mainForm, &vorpa::TMainForm::FirstStartCheck);
  if (opts.Acquire) mainForm.StartAcquisitionSoon();
  return app.exec();
}

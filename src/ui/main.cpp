// vorpa: the main program.
#include <QApplication>
#include <cstdio>

#include "core/AppDirs.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"
#include "ui/ProgramOptions.h"

int main(int argc, char** argv) {
  vorpa::TProgramOptions opts;
  if (!vorpa::ParseProgramOptions(argc, argv, &opts)) return 2;
  if (opts.Help || opts.Version) {
    std::fputs((opts.Help ? vorpa::ProgramHelp() : vorpa::ProgramVersion()).c_str(), stdout);
    return 0;
  }
  int qtArgc = static_cast<int>(opts.QtArgs.size());
  opts.QtArgs.push_back(nullptr);
  QApplication app(qtArgc, opts.QtArgs.data());
  QApplication::setApplicationName("Vorpa");

  vorpa::TMainForm mainForm(vorpa::ConfigDir(opts.ConfigDir));
  vorpa::CreateAppForms(&mainForm);
  mainForm.show();
  return app.exec();
}

#pragma once
// The command line of vorpa. Every option is one row of the table in
// ProgramOptions.cpp; arguments that do not begin with "--" are left to Qt
// (such as "-platform offscreen").
#include <string>
#include <vector>

namespace vorpa {

struct TProgramOptions {
  std::string ConfigDir;  // --config-dir; empty: the default directory
  // What the window shows at start, and a picture of it (--screenshot).
  std::string DataDir;     // --data-dir: the data directory for this run
  std::string OpenDate;    // --open-date yyyy-mm-dd
  std::string Select;      // --select: the race, as the list shows it (東京11)
  int Reading = 0;         // --reading N: the N-th reading, oldest first
  std::string Tab;         // --tab: the caption of the tab to show
  std::string Zoom;        // --zoom: a percent 100..250 or "fit", for this run
  std::string SettingsPage;  // --settings-page: the settings dialog at this page
  bool Alerts = false;     // --alerts: the alert window of the open date
  std::string Screenshot;  // --screenshot FILE.png: render the window and exit
  std::string ClockStart;  // --clock-start: the clock starts here and runs on
  std::string ClockRate;   // --clock-rate: the clock runs this many times as fast
  bool Acquire = false;    // --acquire: switch acquisition on once the window shows
  bool Help = false;
  bool HelpPage = false;   // --help-page: print the help page's path and exit
  bool Version = false;
  std::vector<char*> QtArgs;  // argv[0] and the arguments left to Qt
};

// Parses argv into *opts; false (with a message on stderr) on an unknown
// option or a missing value.
bool ParseProgramOptions(int argc, char** argv, TProgramOptions* opts);
// The --help text.
std::string ProgramHelp();
// The --version text: "vorpa " and the project version.
std::string ProgramVersion();

}  // namespace vorpa

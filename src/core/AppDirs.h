#pragma once
// Where the program keeps "Vorpa.Ini", "VorpaRemark.txt", its help page and
// its daily log files.
#include <string>

namespace vorpa {

// Directory of the running executable, with a trailing "/".
std::string ProgramDir();

// The configuration directory, with a trailing "/": `override` when it is
// not empty; else the program's directory when it is writable and the
// program is not an installed one (no data folder "../share/vorpa" beside
// it: even root keeps its settings out of bin/); else $XDG_CONFIG_HOME/vorpa
// (default ~/.config/vorpa), created when missing.
std::string ConfigDir(const std::string& override, const std::string& programDir);
// The same for the running executable.
std::string ConfigDir(const std::string& override);

// The help page opened from the help menu: "help/index.html" beside the
// program when it is there, else in the installed data folder
// ("../share/vorpa/help/" from the program); the first path when neither is.
std::string HelpPagePath(const std::string& programDir);

// The folder of the daily log files, with a trailing "/":
// $XDG_STATE_HOME/vorpa/log/ (default ~/.local/state/vorpa/log/). Not
// created here.
std::string LogDir();

}  // namespace vorpa

#pragma once
// Where the program keeps "Vorpa.Ini", "VorpaRemark.txt" and its help page.
#include <string>

namespace vorpa {

// Directory of the running executable, with a trailing "/".
std::string ProgramDir();

// The configuration directory, with a trailing "/": `override` when it is
// not empty; else the executable's directory when it is writable; else
// $XDG_CONFIG_HOME/vorpa (default ~/.config/vorpa), created when missing.
std::string ConfigDir(const std::string& override);

}  // namespace vorpa

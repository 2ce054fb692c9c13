#pragma once
// What start-up finds of the settings file "Vorpa.Ini" and the remark file
// "VorpaRemark.txt", and the ".bad" copy that keeps a file the program
// cannot read before it is written anew.
#include <string>

namespace vorpa {

enum class TConfigFileState {
  Missing,          // no such file: the defaults
  Readable,         // empty, or holding something the program reads
  NothingReadable,  // present, but not one line the program can read
  NotReadable,      // a folder, or a file that cannot be read
};

// The settings file of `dir` is readable when its section "vorpa" or
// "WindowInfo" holds a key.
TConfigFileState SettingFileState(const std::string& dir);
// The remark file of `dir` is readable when one of its lines gives a name
// and both colours.
TConfigFileState RemarkFileState(const std::string& dir);
// Copies the file byte for byte to `path` + ".bad"; false on failure.
bool KeepAsBad(const std::string& path);

}  // namespace vorpa

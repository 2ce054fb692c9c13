#pragma once
// The version line of the about box.
#include <string>

namespace vorpa {

// "Version " and the whole file version, as `--version` prints it
// ("2.1.0.15" -> "Version 2.1.0.15"), so that a build can be told from the
// one before; no version gives an empty text.
std::string VersionLabelText(const std::string& fileVersion);

}  // namespace vorpa

#pragma once
// The version line of the about box.
#include <string>

namespace vorpa {

// "Version " and the file version up to, not including, its third "."
// ("2.1.0.15" -> "Version 2.1.0"); a version with fewer dots is shown whole;
// no version gives an empty text.
std::string VersionLabelText(const std::string& fileVersion);

}  // namespace vorpa

#include "view/AboutText.h"

namespace vorpa {

std::string VersionLabelText(const std::string& fileVersion) {
  return fileVersion.empty() ? std::string() : "Version " + fileVersion;
}

}  // namespace vorpa

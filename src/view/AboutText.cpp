#include "view/AboutText.h"

namespace vorpa {

std::string VersionLabelText(const std::string& fileVersion) {
  if (fileVersion.empty()) return {};
  size_t cut = std::string::npos;
  for (int dots = 0, i = 0; i < static_cast<int>(fileVersion.size()); ++i) {
    if (fileVersion[i] == '.' && ++dots == 3) {
      cut = i;
      break;
    }
  }
  return "Version " + fileVersion.substr(0, cut);
}

}  // namespace vorpa

#include "view/MainWindowView.h"

#include "core/TextUtil.h"

namespace vorpa {

void TLogLines::Add(const std::string& line) {
  lines_.erase(lines_.begin());
  lines_.push_back(line);
}

THintParts SplitHint(const std::string& hint) {
  size_t bar = hint.find('|');
  if (bar == std::string::npos) return {hint, hint};
  return {Trim(hint.substr(0, bar)), Trim(hint.substr(bar + 1))};
}

}  // namespace vorpa

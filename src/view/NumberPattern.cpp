#include "view/NumberPattern.h"

#include <cmath>
#include <cstdio>

namespace vorpa {

std::string ThousandsText(double value) {
  const double rounded = std::round(value);
  if (!std::isfinite(rounded) || std::fabs(rounded) >= 1e18) return "0";
  const long long whole = static_cast<long long>(rounded);
  const std::string digits = std::to_string(whole < 0 ? -whole : whole);
  std::string text = whole < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::string PercentText(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, " (%.1f%%)", std::round(value * 10) / 10);
  return buf;
}

}  // namespace vorpa

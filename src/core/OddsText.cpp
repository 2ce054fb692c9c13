#include "core/OddsText.h"

#include <cmath>
#include <cstdio>

namespace vorpa {

std::string OddsText(double value, int width) {
  static const char* const kCaps[] = {"999", "9999", "99999", "999999"};
  static const double kCapValues[] = {999, 9999, 99999, 999999};
  static const double kDecimalBelow[] = {10, 100, 1000, 10000};
  if (width < 3) width = 3;
  if (width > 6) width = 6;
  int i = width - 3;
  if (value >= kCapValues[i]) return kCaps[i];
  // Round half away from zero before printing (printf would round an exact
  // half such as 12.5 to even), and pick the branch by the rounded value, so
  // 99.97 at width 4 prints " 100" rather than the tail of "   100.0".
  const double tenths = std::round(value * 10) / 10;
  char buf[64];
  if (tenths >= kDecimalBelow[i])
    std::snprintf(buf, sizeof buf, "%8.0f", std::round(value));
  else
    std::snprintf(buf, sizeof buf, "%8.1f", tenths);
  std::string text = buf;
  return text.size() <= static_cast<size_t>(width) ? text : text.substr(text.size() - width);
}

}  // namespace vorpa

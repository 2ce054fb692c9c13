#include "core/OddsText.h"

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
  char buf[64];
  std::snprintf(buf, sizeof buf, value >= kDecimalBelow[i] ? "%8.0f" : "%8.1f", value);
  std::string text = buf;
  return text.size() <= static_cast<size_t>(width) ? text : text.substr(text.size() - width);
}

}  // namespace vorpa

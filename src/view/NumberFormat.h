#pragma once
// One number through a printf format, for the views' texts.
#include <cstdio>
#include <string>

namespace vorpa {

inline std::string FormatNumber(const char* fmt, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}

}  // namespace vorpa

#pragma once
// printf-style formatting of the fixed-width view texts.
#include <cstdio>
#include <string>

namespace vorpa {

// The text printf makes of `fmt` and the numbers, cut at 127 bytes.
template <typename... Args>
std::string FormatText(const char* fmt, Args... args) {
  char buf[128];
  std::snprintf(buf, sizeof buf, fmt, args...);
  return buf;
}

}  // namespace vorpa

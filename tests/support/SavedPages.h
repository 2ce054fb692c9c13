#pragma once
// The saved simulator pages of tests/data/pages: one visit of race 11 of
// meeting A2634 (小倉, 18 runners) on 2026-12-06 at 17:30, after the result,
// and the menu page of the login at that time. Header-only, for the
// benchmarks too.
#include <fstream>
#include <iterator>
#include <string>

#include "core/DayCount.h"

namespace vorpa::test {

inline const char* const kPagesCode = "A2634";
inline const char* const kPagesVenueUtf8 = "小倉";
constexpr int kPagesRace = 11;
inline double PagesDate() { return EncodeDate(2026, 12, 6); }

inline std::string PagePath(const std::string& name) {
  return std::string(VORPA_SOURCE_DIR) + "/tests/data/pages/" + name;
}

// The bytes of a saved page ("card18.html", "winplace18.html", ...).
inline std::string SavedPage(const std::string& name) {
  std::ifstream in(PagePath(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vorpa::test

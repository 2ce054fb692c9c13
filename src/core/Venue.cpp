#include "core/Venue.h"

#include "core/TextUtil.h"

namespace vorpa {

const std::string_view kVenueTable =
    "\x8E\x44\x96\x79\x94\x9F\x8A\xD9\x95\x9F\x93\x87\x90\x56\x8A\x83\x93\x8C\x8B\x9E"
    "\x92\x86\x8E\x52\x92\x86\x8B\x9E\x8B\x9E\x93\x73\x8D\xE3\x90\x5F\x8F\xAC\x91\x71";

int VenueNo(std::string_view name) {
  // Names sit on four-byte boundaries; matching only there keeps a pair of
  // neighbouring names' bytes from being taken for a name.
  if (name.size() != 4) return 0;
  for (int n = 1; n <= kVenueCount; ++n)
    if (kVenueTable.substr(4 * (n - 1), 4) == name) return n;
  return 0;
}

std::string VenueCodeText(std::string_view name) {
  int n = VenueNo(name);
  if (n == 0) return {};
  return std::string(1, "0123456789A"[n]);
}

std::string VenueName(int n) {
  if (n < 1 || n > kVenueCount) return {};
  return std::string(kVenueTable.substr(4 * (n - 1), 4));
}

std::string VenueNameOfCode(std::string_view code) {
  uint32_t n = 0;
  if (!TryHexOf(code, &n) || n > kVenueCount) return {};
  return VenueName(static_cast<int>(n));
}

std::string FirstChar(std::string_view text) {
  return text.empty() ? std::string() : std::string(1, text[0]);
}

}  // namespace vorpa

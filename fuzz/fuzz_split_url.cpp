// URL splitting on any text: never crashes; a split URL has a host and a
// path without query, within the splitter's limits.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ipat/URLAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorpa::TUrlInfo info;
  if (!vorpa::SplitUrl(std::string_view(reinterpret_cast<const char*>(data), size), &info)) return 0;
  if (info.Host.empty() || info.Host.size() > 256 || info.Path.size() > 2048 ||
      info.Path.find('?') != std::string::npos || info.Port < 0 || info.Port > 65535)
    std::abort();
  return 0;
}

// The form extraction on any bytes: never crashes, hangs or reads out of
// bounds; every entry starts with "[".
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ipat/HtmlTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorpa::TTextList list;
  vorpa::ExtractForms(std::string_view(reinterpret_cast<const char*>(data), size), &list);
  for (const std::string& entry : list)
    if (entry.empty() || entry[0] != '[') std::abort();
  std::string target;
  vorpa::LookupPath(list, "[4][w]", &target);
  return 0;
}

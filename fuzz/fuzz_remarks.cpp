// Remark file text: the line reader, field splitting and colour parsing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Remark.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorpa::TRemarkables r;
  r.Parse(std::string(reinterpret_cast<const char*>(data), size));
  for (const auto& item : r.Items) {
    if (item.Name.empty() || item.TextColor > 0xFFFFFF || item.BackColor > 0xFFFFFF) __builtin_trap();
    r.Find(item.Name + "x");
  }
  r.Format();
  return 0;
}

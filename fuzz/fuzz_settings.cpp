// Settings file text: the INI reader and every reading rule.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/IniFile.h"
#include "core/Setting.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  vorpa::TSetting s = vorpa::ParseSetting(text);
  // What is read back must survive a format and re-read unchanged.
  std::string once = vorpa::FormatSetting(s);
  if (vorpa::FormatSetting(vorpa::ParseSetting(once)) != once) __builtin_trap();
  vorpa::TIniFile::Parse(text).Format();
  return 0;
}

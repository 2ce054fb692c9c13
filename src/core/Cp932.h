#pragma once
// CP932 (Shift_JIS) <-> UTF-8 conversion. The core keeps every page, file and
// remark text as CP932 bytes; conversion happens only at the window boundary,
// for file names and for JSON output.
#include <string>
#include <string_view>

namespace vorpa {

// Bytes that do not convert become U+FFFD (decoding) or "?" (encoding), so
// a damaged text never stops a conversion.
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

// Byte length of the CP932 character starting with byte c: 2 for a lead
// byte (0x81..0x9F, 0xE0..0xFC), else 1.
inline int Cp932CharLen(unsigned char c) {
  return ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
}

}  // namespace vorpa

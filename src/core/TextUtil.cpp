#include "core/TextUtil.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "core/Cp932.h"
#include "core/DayCount.h"

namespace vorpa {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Strict decimal number: optional blanks, sign, digits with an optional
// point and exponent, optional blanks; at least one digit.
bool ParseDecimal(std::string_view text, double* out) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < n && IsDigit(text[j])) ++j, ++expDigits;
    if (expDigits == 0) return false;
    i = j;
  }
  size_t end = i;
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return false;
  // from_chars reads with a decimal point whatever the locale; it takes no
  // leading "+".
  const char* first = text.data() + start;
  if (*first == '+') ++first;
  double v = 0;
  auto res = std::from_chars(first, text.data() + end, v);
  if (res.ec != std::errc() || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

// Decimal integer with an optional sign; false when not a number or out of
// the int range.
bool ParseInt(std::string_view text, int* out) {
  size_t i = 0, n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == n) return false;
  long long v = 0;
  for (; i < n; ++i) {
    if (!IsDigit(text[i])) return false;
    v = v * 10 + (text[i] - '0');
    if (v > 2147483648LL) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return false;
  *out = static_cast<int>(v);
  return true;
}

std::string WithoutCommas(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ',') s += c;
  return s;
}

// First occurrence of `sep` that starts on a character boundary, so that a
// separator byte inside a double-byte character (the "R" in 0x8E 0x52) is
// never taken for the separator.
size_t FindAligned(std::string_view text, std::string_view sep) {
  if (sep.empty()) return std::string_view::npos;
  size_t boundary = 0;
  for (size_t at = text.find(sep); at != std::string_view::npos; at = text.find(sep, at + 1)) {
    while (boundary < at) boundary += Cp932CharLen(static_cast<unsigned char>(text[boundary]));
    if (boundary == at) return at;
  }
  return std::string_view::npos;
}

int TwoDigits(std::string_view s, size_t at) {
  if (at + 2 > s.size() || !IsDigit(s[at]) || !IsDigit(s[at + 1])) return -1;
  return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

std::string Transliterate(std::string_view text, const char* id) {
  thread_local std::unique_ptr<icu::Transliterator> toHalf, toFull;
  auto& slot = id[0] == 'F' ? toHalf : toFull;
  if (!slot) {
    UErrorCode status = U_ZERO_ERROR;
    slot.reset(icu::Transliterator::createInstance(icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD,
                                                   status));
    if (U_FAILURE(status)) slot.reset();
  }
  if (!slot) return {};
  std::string utf8 = Cp932ToUtf8(text);
  icu::UnicodeString u = icu::UnicodeString::fromUTF8(utf8);
  slot->transliterate(u);
  std::string back;
  u.toUTF8String(back);
  return CutToBytes(Utf8ToCp932(back), 256);
}

}  // namespace

double TimeOfText(std::string_view s) {
  int h = TwoDigits(s, 0), n = TwoDigits(s, 2), sec = TwoDigits(s, 4);
  double v = 0;
  if (s.size() < 6 || h < 0 || n < 0 || sec < 0 || !TryEncodeTime(h, n, sec, 0, &v)) return 0;
  return v;
}

double DateOfText(std::string_view s) {
  if (s.size() < 8) return 0;
  int y = 0;
  for (int i = 0; i < 4; ++i) {
    if (!IsDigit(s[i])) return 0;
    y = y * 10 + (s[i] - '0');
  }
  int m = TwoDigits(s, 4), d = TwoDigits(s, 6);
  double v = 0;
  if (m < 0 || d < 0 || !TryEncodeDate(y, m, d, &v)) return 0;
  return v;
}

double NumberOf(std::string_view text, double def) {
  double v = 0;
  return ParseDecimal(text, &v) ? v : def;
}

int IntOf(std::string_view text) {
  int v = 0;
  return ParseInt(text, &v) ? v : 0;
}

int IntBefore(std::string_view text, std::string_view marker) {
  size_t at = FindAligned(text, marker);
  if (at == std::string_view::npos) return 0;
  int v = 0;
  return ParseInt(Trim(text.substr(0, at)), &v) ? v : 0;
}

int IntBeforeNoComma(std::string_view text, std::string_view marker) {
  size_t at = FindAligned(text, marker);
  if (at == std::string_view::npos) return 0;
  int v = 0;
  return ParseInt(Trim(WithoutCommas(text.substr(0, at))), &v) ? v : 0;
}

int64_t FixedPointOf(std::string_view text) {
  double v = 0;
  if (!ParseDecimal(WithoutCommas(text), &v)) return 0;
  double scaled = std::round(v * 10000.0);
  // Beyond the 64-bit range the text is no vote total.
  if (!(std::fabs(scaled) < 9.2e18)) return 0;
  return static_cast<int64_t>(scaled);
}

void ValueAfterPrefix(std::string_view text, std::string_view prefix, std::string* out) {
  if (text.substr(0, prefix.size()) == prefix) *out = std::string(text.substr(prefix.size()));
}

std::pair<std::string, std::string> SplitFirst(std::string_view text, std::string_view sep) {
  size_t at = FindAligned(text, sep);
  if (at == std::string_view::npos) return {std::string(text), std::string()};
  return {std::string(text.substr(0, at)), std::string(text.substr(at + sep.size()))};
}

std::vector<std::string> SplitFields(std::string_view text, std::string_view sep, int n) {
  std::vector<std::string> fields(n < 0 ? 1 : n + 1);
  size_t field = 0;
  std::string current;
  auto finish = [&] {
    if (!current.empty()) {
      if (field < fields.size()) fields[field++] = current;
      current.clear();
    }
  };
  for (size_t i = 0; i < text.size();) {
    size_t len = Cp932CharLen(static_cast<unsigned char>(text[i]));
    if (i + len > text.size()) len = text.size() - i;
    std::string_view ch = text.substr(i, len);
    if (ch == sep) finish();
    else current.append(ch);
    i += len;
  }
  finish();
  return fields;
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t len = Cp932CharLen(static_cast<unsigned char>(text[i]));
    if (i + len > text.size()) len = text.size() - i;
    std::string_view ch = text.substr(i, len);
    if (ch != " " && ch != "\x81\x40") out.append(ch);
    i += len;
  }
  return out;
}

std::string CutToBytes(std::string_view text, int budget) {
  if (budget <= 0) return {};
  size_t i = 0;
  while (i < text.size()) {
    size_t len = Cp932CharLen(static_cast<unsigned char>(text[i]));
    if (i + len > text.size()) len = text.size() - i;
    if (i + len > static_cast<size_t>(budget)) break;
    i += len;
  }
  return std::string(text.substr(0, i));
}

std::string Blanks(int n) { return n > 0 ? std::string(n, ' ') : std::string(); }

std::string ToHalfWidth(std::string_view text) { return Transliterate(text, "Fullwidth-Halfwidth"); }
std::string ToFullWidth(std::string_view text) { return Transliterate(text, "Halfwidth-Fullwidth"); }

std::string WithSeparator(std::string_view path) {
  if (path.empty() || path.back() == '/') return std::string(path);
  return std::string(path) + "/";
}

bool TryIntOf(std::string_view text, int* out) { return ParseInt(text, out); }

bool TryHexOf(std::string_view text, uint32_t* out) {
  if (text.empty() || text.size() > 8) return false;
  uint32_t v = 0;
  for (char c : text) {
    uint32_t d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else return false;
    v = v * 16 + d;
  }
  *out = v;
  return true;
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace vorpa

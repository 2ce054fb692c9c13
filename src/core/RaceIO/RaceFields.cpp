#include "core/RaceIO/RaceFields.h"

#include <charconv>
#include <cmath>

#include "core/TextUtil.h"

namespace vorpa::raceio {

namespace {
template <size_t N, size_t M>
int* Flat(std::array<std::array<int, M>, N>& a) {
  static_assert(sizeof(a) == N * M * sizeof(int), "pairs are laid out flat");
  return a[0].data();
}
}  // namespace

PayoutLine PayoutLineOf(TRaceResult& r, int line) {
  switch (line) {
    case 1: return {r.WinHorse.data(), 2};
    case 2: return {r.WinPay.data(), 2};
    case 3: return {r.PlaceHorse.data(), 4};
    case 4: return {r.PlacePay.data(), 4};
    case 5: return {Flat(r.BracketPair), 4};
    case 6: return {r.BracketPay.data(), 2};
    case 7: return {Flat(r.QuinellaPair), 4};
    case 8: return {r.QuinellaPay.data(), 2};
    case 9: return {Flat(r.ExactaPair), 4};
    case 10: return {r.ExactaPay.data(), 2};
    case 11: return {Flat(r.WidePair), 10};
    case 12: return {r.WidePay.data(), 5};
    case 13: return {Flat(r.TrioSet), 6};
    case 14: return {r.TrioPay.data(), 2};
    case 15: return {Flat(r.TrifectaSet), 6};
    case 16: return {r.TrifectaPay.data(), 2};
    default: return {};
  }
}

// Whole numbers and numbers of one decimal (every odds value and vote
// count) are written directly: the decimal n/10 with at most 15 digits
// that is v is also what the 15-digit general form prints. The rest goes
// through the general conversion.
void AppendGeneral(std::string& out, double v) {
  char buf[64];
  if (v == 0) {
    out.append(std::signbit(v) ? "-0" : "0");
    return;
  }
  if (std::fabs(v) < 1e13) {
    const long long n = std::llround(v * 10);
    if (static_cast<double>(n) / 10 == v) {
      const long long a = n < 0 ? -n : n;
      char* p = buf;
      if (n < 0) *p++ = '-';
      p = std::to_chars(p, buf + sizeof buf, a / 10).ptr;
      if (a % 10 != 0) {
        *p++ = '.';
        *p++ = static_cast<char>('0' + a % 10);
      }
      out.append(buf, p);
      return;
    }
  }
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  out.append(buf, res.ptr);
}

std::string_view Columns(std::string_view line, size_t from, size_t len) {
  if (from == 0 || from > line.size()) return {};
  return line.substr(from - 1, len);
}

std::string_view TrimControls(std::string_view text) {
  auto blank = [](unsigned char c) { return c <= ' ' || c == 0x7F; };
  size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

int PaddedIntOf(std::string_view text) { return IntOf(Trim(text)); }

}  // namespace vorpa::raceio

namespace vorpa::raceio {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace vorpa::raceio

#include "core/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace vorpa {
namespace {

// One converter per thread and direction: iconv handles are not shareable.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string Run(std::string_view in, std::string_view replacement, size_t skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[4096];
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      size_t rc = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, dst - buf);
      if (rc == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        // Invalid or incomplete sequence: replace and step over it.
        out.append(replacement);
        size_t step = skip == 0 ? CharStep(src, left) : skip;
        if (step > left) step = left;
        src += step;
        left -= step;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  // Bytes to skip over a bad or unconvertible UTF-8 sequence: its start and
  // the continuation bytes that follow it, so a cut-off sequence does not
  // swallow the characters after it.
  static size_t CharStep(const char* p, size_t left) {
    unsigned char c = static_cast<unsigned char>(*p);
    size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF8 ? 4 : 1;
    size_t step = 1;
    while (step < n && step < left && (static_cast<unsigned char>(p[step]) & 0xC0) == 0x80) ++step;
    return step;
  }
  iconv_t cd_;
};

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  thread_local Converter conv("UTF-8", "CP932");
  // A bad byte costs one replacement character; the next byte decodes again.
  return conv.Run(cp932, "\xEF\xBF\xBD", 1);
}

std::string Utf8ToCp932(std::string_view utf8) {
  thread_local Converter conv("CP932", "UTF-8");
  return conv.Run(utf8, "?", 0);
}

}  // namespace vorpa

#include "tools/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/Cp932.h"

namespace vorpa::tool {

std::string JsonQuoted(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string ShortestNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

void JsonOut::Separate() {
  if (!first_) out_ += ',';
  first_ = false;
}

JsonOut& JsonOut::BeginObject() {
  Separate();
  out_ += '{';
  first_ = true;
  return *this;
}

JsonOut& JsonOut::EndObject() {
  out_ += '}';
  first_ = false;
  return *this;
}

JsonOut& JsonOut::BeginArray() {
  Separate();
  out_ += '[';
  first_ = true;
  return *this;
}

JsonOut& JsonOut::EndArray() {
  out_ += ']';
  first_ = false;
  return *this;
}

JsonOut& JsonOut::Key(std::string_view key) {
  Separate();
  out_ += JsonQuoted(key);
  out_ += ':';
  first_ = true;  // the value follows without a comma
  return *this;
}

JsonOut& JsonOut::Cp932(std::string_view text) { return Utf8(Cp932ToUtf8(text)); }

JsonOut& JsonOut::Utf8(std::string_view text) {
  Separate();
  out_ += JsonQuoted(text);
  return *this;
}

JsonOut& JsonOut::Int(int64_t v) {
  Separate();
  out_ += std::to_string(v);
  return *this;
}

JsonOut& JsonOut::Number(double v) {
  Separate();
  out_ += ShortestNumber(v);
  return *this;
}

JsonOut& JsonOut::Null() {
  Separate();
  out_ += "null";
  return *this;
}

JsonOut& JsonOut::Bool(bool v) {
  Separate();
  out_ += v ? "true" : "false";
  return *this;
}

}  // namespace vorpa::tool

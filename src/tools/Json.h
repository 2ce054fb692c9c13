#pragma once
// A small JSON text builder for the commands' --json output: UTF-8 text,
// CP932 texts converted, numbers in their shortest exact form.
#include <cstdint>
#include <string>
#include <string_view>

namespace vorpa::tool {

class JsonOut {
 public:
  // Structure: commas between members and elements are placed for you.
  JsonOut& BeginObject();
  JsonOut& EndObject();
  JsonOut& BeginArray();
  JsonOut& EndArray();
  // The key of the next member of an object.
  JsonOut& Key(std::string_view key);
  // Values. Cp932 converts the bytes to UTF-8 first; Utf8 takes them as they are.
  JsonOut& Cp932(std::string_view text);
  JsonOut& Utf8(std::string_view text);
  JsonOut& Int(int64_t v);
  JsonOut& Number(double v);  // shortest round-trip form; non-finite as null
  JsonOut& Bool(bool v);
  JsonOut& Null();

  const std::string& Text() const { return out_; }

 private:
  void Separate();
  std::string out_;
  bool first_ = true;  // no comma before the next value
};

// A JSON string literal (quotes included) of UTF-8 text.
std::string JsonQuoted(std::string_view utf8);
// The shortest text that reads back as v ("3.4", "12", "-1"); "null" when
// not finite.
std::string ShortestNumber(double v);

}  // namespace vorpa::tool

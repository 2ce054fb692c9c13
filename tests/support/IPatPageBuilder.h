#pragma once
// Builds the table and form lists of a page entry by entry, from UTF-8
// texts, for decoder tests that name each place on a page by its path.
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "ipat/IPatPage.h"

namespace vorpa::test {

class TPageBuilder {
 public:
  // A table entry: path followed by text.
  TPageBuilder& T(const std::string& path, const std::string& utf8) {
    tables_.push_back(path + Utf8ToCp932(utf8));
    return *this;
  }
  // A form entry: path followed by value.
  TPageBuilder& F(const std::string& path, const std::string& utf8) {
    forms_.push_back(path + Utf8ToCp932(utf8));
    return *this;
  }
  std::vector<std::string> Tables() const { return tables_; }
  std::vector<std::string> Forms() const { return forms_; }

 private:
  std::vector<std::string> tables_, forms_;
};

inline std::string Sj(const std::string& utf8) { return Utf8ToCp932(utf8); }

}  // namespace vorpa::test

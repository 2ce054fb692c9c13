#pragma once
// Cutting the fixed columns out of view texts.
#include <string>

namespace vorpa {

// Up to `len` bytes of `text` from byte `from`; empty beyond the end.
inline std::string TextPart(const std::string& text, size_t from,
                            size_t len = std::string::npos) {
  return from < text.size() ? text.substr(from, len) : std::string();
}

}  // namespace vorpa

#include "core/Remark.h"

#include <cstdio>

#include "core/FileLock.h"
#include "core/TextUtil.h"

namespace vorpa {

const char* const kRemarkFileName = "VorpaRemark.txt";
TRemarkables Remarks;

namespace {

// A hexadecimal colour text (either letter case), reduced to 24 bits;
// false when the text is empty or holds a non-hexadecimal character.
bool ParseColor(const std::string& text, uint32_t* out) {
  if (text.empty() || text.size() > 8) return false;
  uint32_t v = 0;
  for (char c : text) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else return false;
    v = v * 16 + static_cast<uint32_t>(d);
  }
  *out = v & 0xFFFFFF;
  return true;
}

bool IsCommentLine(const std::string& line) {
  if (line.empty()) return true;
  char c = line[0];
  return c == '#' || c == '\'' || c == '/' || c == ';';
}

}  // namespace

void TRemarkables::Parse(const std::string& text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (IsCommentLine(line)) continue;
    std::vector<std::string> f = SplitFields(line, ",", 4);
    if (f[0].empty()) continue;
    TRemarkable r;
    r.Name = f[0];
    if (!ParseColor(f[1], &r.TextColor)) r.TextColor = 0xFFFFFF;
    if (!ParseColor(f[2], &r.BackColor)) r.BackColor = 0;
    Items.push_back(std::move(r));
  }
}

void TRemarkables::Load(const std::string& dir) {
  std::string text;
  if (!LockedReadFile(WithSeparator(dir) + kRemarkFileName, &text)) return;
  Items.clear();
  Parse(text);
}

std::string TRemarkables::Format() const {
  std::string out;
  char buf[32];
  for (const TRemarkable& r : Items) {
    std::snprintf(buf, sizeof buf, ",%.6X,%.6X\r\n", r.TextColor & 0xFFFFFF, r.BackColor & 0xFFFFFF);
    out += r.Name;
    out += buf;
  }
  return out;
}

bool TRemarkables::Save(const std::string& dir) const {
  return AtomicWriteFile(WithSeparator(dir) + kRemarkFileName, Format());
}

const TRemarkable* TRemarkables::Find(const std::string& text) const {
  for (const TRemarkable& r : Items)
    if (text.compare(0, r.Name.size(), r.Name) == 0) return &r;
  return nullptr;
}

}  // namespace vorpa

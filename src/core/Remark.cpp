#include "core/Remark.h"

#include <cstdio>

#include "core/FileLock.h"
#include "core/TextUtil.h"

namespace vorpa {

const char* const kRemarkFileName = "VorpaRemark.txt";
TRemarkables Remarks;

namespace {

// A hexadecimal colour text (either letter case), reduced to 24 bits.
bool ParseColor(const std::string& text, uint32_t* out) {
  if (!TryHexOf(text, out)) return false;
  *out &= 0xFFFFFF;
  return true;
}

bool IsCommentLine(const std::string& line) {
  if (line.empty()) return true;
  char c = line[0];
  return c == '#' || c == '\'' || c == '/' || c == ';';
}

}  // namespace

int TRemarkables::Parse(const std::string& text) {
  int complete = 0;
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
    const bool text = ParseColor(f[1], &r.TextColor), back = ParseColor(f[2], &r.BackColor);
    if (!text) r.TextColor = 0xFFFFFF;
    if (!back) r.BackColor = 0;
    complete += text && back;
    Items.push_back(std::move(r));
  }
  return complete;
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

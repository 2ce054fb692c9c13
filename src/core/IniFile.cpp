#include "core/IniFile.h"

#include <strings.h>

#include "core/FileLock.h"
#include "core/TextUtil.h"

namespace vorpa {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string TrimLine(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

}  // namespace

TIniFile TIniFile::Parse(const std::string& text) {
  TIniFile ini;
  Section* current = nullptr;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = TrimLine(text.substr(start, end - start));
    start = end + 1;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string name = TrimLine(line.substr(1, line.size() - 2));
      current = ini.Find(name);
      if (!current) {
        ini.sections_.push_back(Section{name, {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string::npos || eq == 0) continue;
    std::string key = TrimLine(line.substr(0, eq));
    std::string value = TrimLine(line.substr(eq + 1));
    bool replaced = false;
    for (auto& kv : current->Keys)
      if (SameName(kv.first, key)) {
        kv.second = value;
        replaced = true;
        break;
      }
    if (!replaced) current->Keys.emplace_back(key, value);
  }
  return ini;
}

TIniFile TIniFile::Load(const std::string& path) {
  std::string text;
  if (!LockedReadFile(path, &text)) return TIniFile();
  return Parse(text);
}

TIniFile::Section* TIniFile::Find(const std::string& name) {
  for (auto& s : sections_)
    if (SameName(s.Name, name)) return &s;
  return nullptr;
}

const TIniFile::Section* TIniFile::Find(const std::string& name) const {
  for (const auto& s : sections_)
    if (SameName(s.Name, name)) return &s;
  return nullptr;
}

bool TIniFile::Get(const std::string& section, const std::string& key, std::string* value) const {
  const Section* s = Find(section);
  if (!s) return false;
  for (const auto& kv : s->Keys)
    if (SameName(kv.first, key)) {
      *value = kv.second;
      return true;
    }
  return false;
}

std::string TIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  std::string v;
  return Get(section, key, &v) ? v : def;
}

int TIniFile::GetInt(const std::string& section, const std::string& key, int def) const {
  std::string v;
  if (!Get(section, key, &v)) return def;
  int n = 0;
  return TryIntOf(Trim(v), &n) ? n : def;
}

int TIniFile::KeyCount(const std::string& section) const {
  const Section* s = Find(section);
  return s ? static_cast<int>(s->Keys.size()) : 0;
}

void TIniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = Find(section);
  if (!s) {
    sections_.push_back(Section{section, {}});
    s = &sections_.back();
  }
  for (auto& kv : s->Keys)
    if (SameName(kv.first, key)) {
      kv.second = value;
      return;
    }
  s->Keys.emplace_back(key, value);
}

void TIniFile::SetInt(const std::string& section, const std::string& key, int value) {
  Set(section, key, std::to_string(value));
}

void TIniFile::EraseSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it)
    if (SameName(it->Name, section)) {
      sections_.erase(it);
      return;
    }
}

std::string TIniFile::Format() const {
  std::string out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += "[" + sections_[i].Name + "]\r\n";
    for (const auto& kv : sections_[i].Keys) out += kv.first + "=" + kv.second + "\r\n";
  }
  return out;
}

bool TIniFile::Save(const std::string& path) const { return AtomicWriteFile(path, Format()); }

}  // namespace vorpa

#pragma once
// A small INI reader and writer: "[section]" lines and "key=value" lines,
// CP932 bytes kept as they are. Sections and keys keep their file order;
// section and key names compare without regard to ASCII letter case.
#include <string>
#include <utility>
#include <vector>

namespace vorpa {

class TIniFile {
 public:
  // Parses INI text; lines that are neither a section header nor contain
  // "=" are dropped, as are keys before the first section.
  static TIniFile Parse(const std::string& text);
  // Reads the file at path; an empty file object when it cannot be read.
  static TIniFile Load(const std::string& path);

  // The value of a key; false when the section or key is missing.
  bool Get(const std::string& section, const std::string& key, std::string* value) const;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& def) const;
  // Decimal integer; `def` when missing or not a number.
  int GetInt(const std::string& section, const std::string& key, int def) const;
  // Number of keys of a section (0 when it is missing).
  int KeyCount(const std::string& section) const;

  // Sets a key, appending the section and key when new.
  void Set(const std::string& section, const std::string& key, const std::string& value);
  void SetInt(const std::string& section, const std::string& key, int value);
  // Removes a whole section.
  void EraseSection(const std::string& section);

  // The text of the file, CR LF line ends.
  std::string Format() const;
  // Writes the file through a temporary file and a rename.
  bool Save(const std::string& path) const;

 private:
  struct Section {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys;
  };
  Section* Find(const std::string& name);
  const Section* Find(const std::string& name) const;
  std::vector<Section> sections_;
};

}  // namespace vorpa

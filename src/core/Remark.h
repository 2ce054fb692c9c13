#pragma once
// The remark list: names of horses, jockeys or trainers that the race card
// shows in chosen colours, kept in "VorpaRemark.txt".
#include <cstdint>
#include <string>
#include <vector>

namespace vorpa {

struct TRemarkable {
  std::string Name;
  uint32_t TextColor = 0xFFFFFF;  // platform order: red in the low byte
  uint32_t BackColor = 0;
};

class TRemarkables {
 public:
  // Replaces nothing when the file is missing; else reads its entries.
  void Load(const std::string& dir);
  // Parses a remark file's text, appending to the list. Returns how many
  // lines gave a name and both colours (the others take default colours).
  int Parse(const std::string& text);
  // One line per entry: name,TTTTTT,BBBBBB (upper-case hex), CR LF.
  std::string Format() const;
  // False when the file cannot be written; the old file stays intact.
  bool Save(const std::string& dir) const;
  // First entry whose Name is a prefix of `text`, or nullptr.
  const TRemarkable* Find(const std::string& text) const;

  std::vector<TRemarkable> Items;
};

extern const char* const kRemarkFileName;  // "VorpaRemark.txt"

// The remark list of the running program.
extern TRemarkables Remarks;

}  // namespace vorpa

#pragma once
// What the main window's frame shows: the rolling log list, the receive
// lamp's colour and the two parts of an action hint.
#include <cstdint>
#include <string>
#include <vector>

namespace vorpa {

// The log list: always the last four lines, oldest first (four empty lines
// at the start).
class TLogLines {
 public:
  static constexpr int kCount = 4;
  TLogLines() : lines_(kCount) {}
  // Drops the oldest line and appends `line`.
  void Add(const std::string& line);
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

// The receive lamp: lime while receiving, green otherwise. Platform colour
// order (red in the low byte).
constexpr uint32_t kRecvLampOn = 0x00FF00;
constexpr uint32_t kRecvLampOff = 0x008000;
constexpr uint32_t RecvLampColor(bool on) { return on ? kRecvLampOn : kRecvLampOff; }

// An action hint "short | long" (UTF-8 window text): the short part is the
// tool tip, the long part the status line; a hint without "|" is both.
// Blanks around the separator are dropped.
struct THintParts {
  std::string Short;
  std::string Long;
};
THintParts SplitHint(const std::string& hint);

}  // namespace vorpa

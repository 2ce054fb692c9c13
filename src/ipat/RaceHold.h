#pragma once
// Races being read by an acquisition run. A run holds its race from loading
// the stored record to storing it again, so that the scheduled and a direct
// run never read the same race at once: the later store would otherwise
// overwrite the readings the earlier one had just stored.
#include <functional>
#include <string>

namespace vorpa {

class TRaceHold {
 public:
  TRaceHold() = default;
  ~TRaceHold() { Release(); }
  TRaceHold(const TRaceHold&) = delete;
  TRaceHold& operator=(const TRaceHold&) = delete;

  // Holds the race `key` (its file path) once no other holder has it;
  // false, holding nothing, when `cancelled` returns true first. While it
  // waits, `cancelled` is asked at least every 100 ms.
  bool Take(const std::string& key, const std::function<bool()>& cancelled);
  void Release();

 private:
  std::string key_;
};

}  // namespace vorpa

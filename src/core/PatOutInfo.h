#pragma once
// One PAT output request. The output dialog holds one, the IPAT session
// holds the one of the automatic per-race output; patout/PatOut acts on it.
#include <string>

namespace vorpa {

struct TPatOutInfo {
  double Date = 0;        // meeting date whose race files are read
  std::string VenueName;  // venue of the selected race; empty = every venue
  int RaceNo = 0;         // 0 = every race
  double OddsTime = 0;    // wanted reading time (time of day); 0 = the latest
  bool AutoOut = false;   // output follows acquisition instead of running now
  bool OutYoukou = false;
  bool OutSyutuba = false;
  bool OutWeight = false;
  bool OutOdds = false;
  bool OutResult = false;
};

}  // namespace vorpa

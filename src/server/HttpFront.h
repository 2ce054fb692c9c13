#pragma once
// The HTTP side of vorpa-ipatd: the page endpoint "/p/s", the truth and
// clock endpoints for tests, and the fault injection.
#include <cstdint>
#include <string>

#include "server/SimService.h"

namespace vorpa::sim {

struct TFaults {
  double FailRate = 0;       // answer 503 instead of the page
  double TruncateRate = 0;   // send half the page, then close
  double ErrorPageRate = 0;  // answer the "接続エラー" page
  double ResetRate = 0;      // close the connection without an answer
  int DelayMs = 0;           // wait before every page answer
};

struct TFrontOptions {
  std::string Bind = "127.0.0.1";
  int Port = 8931;  // 0: any free port
  uint64_t Seed = 1;
  TFaults Faults;
  bool Pinned = false;  // clock pinned at PinnedAt instead of the real one
  bool ClockRuns = false;  // with Pinned: the clock starts at PinnedAt and runs on
  double PinnedAt = 0;
  double ClockRate = 1;  // the running clock's seconds per real second
};

// Serves until the process ends; prints "vorpa-ipatd listening on
// ADDR:PORT" once listening. Returns 1 when it cannot bind.
int RunFront(const TFrontOptions& options, TSimService* service);

}  // namespace vorpa::sim

#pragma once
// The per-race hold taken on the main thread, by the windows that change a
// race file the acquisition threads may be reading.
#include <string>

#include "ipat/RaceHold.h"

namespace vorpa {

// Takes `hold` on the race file `path`. While an acquisition thread has the
// race, the main thread goes on handling events, among them the thread's
// own calls onto the main thread, which it waits for.
void TakeOnMainThread(TRaceHold& hold, const std::string& path);

}  // namespace vorpa

#include "ipat/RaceHold.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

namespace vorpa {
namespace {

struct THeld {
  std::mutex Mutex;
  std::condition_variable Released;
  std::set<std::string> Keys;
};

THeld& Held() {
  static THeld held;
  return held;
}

}  // namespace

bool TRaceHold::Take(const std::string& key, const std::function<bool()>& cancelled) {
  Release();
  THeld& h = Held();
  std::unique_lock<std::mutex> lock(h.Mutex);
  while (h.Keys.count(key)) {
    // Asked without the lock: the question may handle events that take
    // or release holds themselves.
    lock.unlock();
    const bool stop = cancelled();
    lock.lock();
    if (stop) return false;
    if (h.Keys.count(key)) h.Released.wait_for(lock, std::chrono::milliseconds(100));
  }
  h.Keys.insert(key);
  key_ = key;
  return true;
}

void TRaceHold::Release() {
  if (key_.empty()) return;
  THeld& h = Held();
  {
    std::lock_guard<std::mutex> lock(h.Mutex);
    h.Keys.erase(key_);
  }
  key_.clear();
  h.Released.notify_all();
}

}  // namespace vorpa

#pragma once
// A slot of the main window for one running acquisition thread. The slot
// stays registered until the thread's end notification is handled, so no
// new run starts on the session before that; it compares only the thread
// id recorded at the start.
#include <memory>
#include <thread>

namespace vorpa {

class TIPatThread;

struct TThreadSlot {
  std::shared_ptr<TIPatThread> Thread;  // shared with the running thread
  std::thread::id Id;                   // the id recorded when the thread started

  bool IsSet() const { return Id != std::thread::id(); }
  void Register(std::shared_ptr<TIPatThread> thread, std::thread::id id) {
    Thread = std::move(thread);
    Id = id;
  }
  // Clears the slot when it holds the thread `id`; true then.
  bool ClearIfEnded(std::thread::id id) {
    if (!IsSet() || Id != id) return false;
    *this = TThreadSlot();
    return true;
  }
};

}  // namespace vorpa

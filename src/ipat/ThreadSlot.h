#pragma once
// A slot of the main window for one running acquisition thread. The thread
// frees itself before its end notification is handled, so the slot keeps
// the thread id recorded at the start and compares only that.
#include <thread>

namespace vorpa {

class TIPatThread;

struct TThreadSlot {
  TIPatThread* Thread = nullptr;  // not owned; valid only until the thread ends
  std::thread::id Id;             // the id recorded when the thread started

  bool IsSet() const { return Id != std::thread::id(); }
  void Register(TIPatThread* thread, std::thread::id id) {
    Thread = thread;
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

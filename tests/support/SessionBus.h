#pragma once
// A private session D-Bus for one test: dbus-daemon --session started on
// its own socket, its address known when the constructor returns, stopped
// by the destructor.
#include <string>

namespace vorpa::test {

class SessionBus {
 public:
  // Fails the test (ADD_FAILURE) and leaves Address() empty when the
  // daemon does not come up.
  SessionBus();
  ~SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;

  // The bus address, for DBUS_SESSION_BUS_ADDRESS.
  const std::string& Address() const { return address_; }

 private:
  int pid_ = -1;
  std::string address_;
};

}  // namespace vorpa::test

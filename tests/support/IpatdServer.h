#pragma once
// A real vorpa-ipatd for one test: started on a free loopback port with the
// given flags, ready when the constructor returns, stopped by the destructor.
#include <string>
#include <vector>

namespace vorpa::test {

class IpatdServer {
 public:
  // `flags` are passed as they are (e.g. {"--seed", "7", "--now",
  // "2026-12-06 10:00:00"}); "--port 0" is added. Fails the test (gtest
  // ADD_FAILURE) and leaves Port() 0 when the server does not come up.
  explicit IpatdServer(const std::vector<std::string>& flags = {});
  ~IpatdServer();
  IpatdServer(const IpatdServer&) = delete;
  IpatdServer& operator=(const IpatdServer&) = delete;

  int Port() const { return port_; }
  // "127.0.0.1:PORT", the value of the IPatHost setting for this server.
  std::string Host() const;
  // "https://127.0.0.1:PORT/p/s", the page URL the session posts to.
  std::string PageUrl() const;
  // "http://127.0.0.1:PORT" + path.
  std::string Url(const std::string& path) const;

  // The server's truth (GET /truth, UTF-8 JSON), "" on failure; with a
  // meeting code and race number, GET /truth/CODE/RACE: that race alone.
  std::string Truth(const std::string& meetingCode = "", int race = 0) const;
  // Moves the server's clock (POST /control/now); false on failure.
  bool SetNow(const std::string& yyyymmddHhmmss) const;

  // Stops the server now (SIGTERM, then wait).
  void Stop();

 private:
  int pid_ = -1;
  int port_ = 0;
};

}  // namespace vorpa::test

#include "support/IpatdServer.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "ipat/URLAccess.h"

namespace vorpa::test {
namespace {

// Reads the first line the server prints ("vorpa-ipatd listening on
// 127.0.0.1:PORT"), waiting at most `ms`.
std::string ReadFirstLine(int fd, int ms) {
  std::string line;
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (line.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          until - std::chrono::steady_clock::now()).count();
    if (left <= 0) break;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, int(left)) <= 0) break;
    char buf[256];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) break;
    line.append(buf, size_t(n));
  }
  return line.substr(0, line.find('\n'));
}

}  // namespace

IpatdServer::IpatdServer(const std::vector<std::string>& flags) {
  int out[2];
  if (pipe(out) != 0) {
    ADD_FAILURE() << "pipe failed";
    return;
  }
  std::vector<std::string> args = {VORPA_IPATD_PATH, "--port", "0"};
  args.insert(args.end(), flags.begin(), flags.end());
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  const std::string line = ReadFirstLine(out[0], 10000);
  close(out[0]);
  const size_t colon = line.rfind(':');
  if (pid_ < 0 || colon == std::string::npos) {
    ADD_FAILURE() << "vorpa-ipatd did not start: \"" << line << "\"";
    Stop();
    return;
  }
  port_ = std::atoi(line.c_str() + colon + 1);
  std::string body;
  if (UrlRequest(Url("/control/ping"), "", &body) != 200) {
    ADD_FAILURE() << "vorpa-ipatd does not answer on port " << port_;
    Stop();
  }
}

IpatdServer::~IpatdServer() { Stop(); }

void IpatdServer::Stop() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  pid_ = -1;
}

std::string IpatdServer::Host() const { return "127.0.0.1:" + std::to_string(port_); }

std::string IpatdServer::PageUrl() const { return "https://" + Host() + "/p/s"; }

std::string IpatdServer::Url(const std::string& path) const { return "http://" + Host() + path; }

std::string IpatdServer::Truth(const std::string& meetingCode, int race) const {
  std::string body;
  const std::string path =
      meetingCode.empty() ? "/truth" : "/truth/" + meetingCode + "/" + std::to_string(race);
  return UrlRequest(Url(path), "", &body) == 200 ? body : std::string();
}

bool IpatdServer::SetNow(const std::string& yyyymmddHhmmss) const {
  std::string body;
  return UrlRequest(Url("/control/now"), yyyymmddHhmmss, &body) == 200;
}

}  // namespace vorpa::test

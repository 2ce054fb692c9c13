#include "support/SessionBus.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vorpa::test {

SessionBus::SessionBus() {
  int out[2];
  if (pipe(out) != 0) {
    ADD_FAILURE() << "pipe";
    return;
  }
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);  // its warnings
  posix_spawn_file_actions_addclose(&fa, out[0]);
  posix_spawn_file_actions_addclose(&fa, out[1]);
  const char* argv[] = {"dbus-daemon", "--session", "--nofork", "--print-address", nullptr};
  const int rc = posix_spawnp(&pid_, "dbus-daemon", &fa, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&fa);
  close(out[1]);
  if (rc != 0) {
    pid_ = -1;
    close(out[0]);
    ADD_FAILURE() << "cannot start dbus-daemon";
    return;
  }
  // The daemon prints its address on one line once it listens.
  std::string line;
  char c = 0;
  pollfd p{out[0], POLLIN, 0};
  while (line.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0 && read(out[0], &c, 1) == 1)
    line += c;
  close(out[0]);
  if (line.empty() || line.back() != '\n') {
    ADD_FAILURE() << "dbus-daemon gave no address";
    return;
  }
  line.pop_back();
  address_ = line;
}

SessionBus::~SessionBus() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

}  // namespace vorpa::test

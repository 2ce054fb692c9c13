#include "support/RunProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace vorpa::test {

ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                         const std::string& input, const std::vector<std::string>& env) {
  int in[2], out[2], err[2];
  if (pipe(in) || pipe(out) || pipe(err)) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, in[0], 0);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  posix_spawn_file_actions_adddup2(&fa, err[1], 2);
  for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&fa, fd);
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> envStore;
  // An extra entry replaces the inherited one of the same name.
  auto named = [&](const std::string& entry) {
    const std::string name = entry.substr(0, entry.find('=') + 1);
    return std::any_of(env.begin(), env.end(), [&](const std::string& e) { return e.starts_with(name); });
  };
  for (char** e = environ; *e; ++e)
    if (!named(*e)) envStore.emplace_back(*e);
  for (const auto& e : env) envStore.push_back(e);
  std::vector<char*> envp;
  for (auto& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, path.c_str(), &fa, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&fa);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  if (rc != 0) {
    close(in[1]);
    close(out[0]);
    close(err[0]);
    throw std::runtime_error("cannot start " + path);
  }
  ProgramResult result;
  size_t written = 0;
  if (input.empty()) close(in[1]);
  fcntl(in[1], F_SETFL, O_NONBLOCK);
  bool inOpen = !input.empty(), outOpen = true, errOpen = true;
  char buf[65536];
  while (outOpen || errOpen || inOpen) {
    std::vector<pollfd> fds;
    if (outOpen) fds.push_back({out[0], POLLIN, 0});
    if (errOpen) fds.push_back({err[0], POLLIN, 0});
    if (inOpen) fds.push_back({in[1], POLLOUT, 0});
    if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
    for (const pollfd& p : fds) {
      if (!p.revents) continue;
      if (p.fd == in[1]) {
        ssize_t w = write(in[1], input.data() + written, input.size() - written);
        if (w > 0) written += static_cast<size_t>(w);
        if (w < 0 || written == input.size()) {
          close(in[1]);
          inOpen = false;
        }
        continue;
      }
      ssize_t r = read(p.fd, buf, sizeof buf);
      if (r <= 0) {
        close(p.fd);
        (p.fd == out[0] ? outOpen : errOpen) = false;
      } else {
        (p.fd == out[0] ? result.Out : result.Err).append(buf, static_cast<size_t>(r));
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace vorpa::test

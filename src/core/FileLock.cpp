#include "core/FileLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <string>

namespace vorpa {
namespace {

std::mutex& Lock() {
  static std::mutex m;
  return m;
}

bool WriteAll(int fd, const char* p, size_t n) {
  while (n > 0) {
    ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

}  // namespace

bool AtomicWriteFile(const std::string& path, const std::string& bytes) {
  static std::atomic<unsigned> counter{0};
  std::string tmp = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok && std::rename(tmp.c_str(), path.c_str()) == 0) return true;
  const int failure = errno;  // for the caller's report
  ::unlink(tmp.c_str());
  errno = failure;
  return false;
}

bool LockedWriteFile(const std::string& path, const std::string& bytes) {
  std::lock_guard<std::mutex> guard(Lock());
  return AtomicWriteFile(path, bytes);
}

namespace {
bool ReadFileUnlocked(const std::string& path, std::string* bytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string out;
  char buf[65536];
  for (;;) {
    ssize_t r = ::read(fd, buf, sizeof buf);
    if (r < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return false;
    }
    if (r == 0) break;
    out.append(buf, static_cast<size_t>(r));
  }
  ::close(fd);
  *bytes = std::move(out);
  return true;
}
}  // namespace

bool LockedReadFile(const std::string& path, std::string* bytes) {
  std::lock_guard<std::mutex> guard(Lock());
  return ReadFileUnlocked(path, bytes);
}

bool LockedReadLines(const std::string& path, std::vector<std::string>* lines) {
  std::string bytes;
  if (!LockedReadFile(path, &bytes)) return false;
  lines->clear();
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines->emplace_back(bytes, start, i - start);
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines->emplace_back(bytes, start, bytes.size() - start);
  return true;
}

bool LockedWriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  bytes.reserve(total);
  for (const auto& l : lines) {
    bytes += l;
    bytes += "\r\n";
  }
  return LockedWriteFile(path, bytes);
}

bool LockedDeleteFile(const std::string& path) {
  std::lock_guard<std::mutex> guard(Lock());
  return ::unlink(path.c_str()) == 0;
}

}  // namespace vorpa

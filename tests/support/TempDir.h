#pragma once
// A fresh temporary directory for one test, removed with everything in it.
#include <string>

namespace vorpa::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory path with a trailing "/".
  const std::string& Path() const { return path_; }
  // Path() + name.
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Writes bytes to a file, creating parent directories.
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole file, or "" when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace vorpa::test

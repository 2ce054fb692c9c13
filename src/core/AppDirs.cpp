#include "core/AppDirs.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/TextUtil.h"

namespace vorpa {
namespace fs = std::filesystem;

std::string ProgramDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return WithSeparator(exe.parent_path().string());
}

std::string ConfigDir(const std::string& override) {
  if (!override.empty()) return WithSeparator(override);
  std::string exeDir = ProgramDir();
  if (access(exeDir.c_str(), W_OK) == 0) return exeDir;
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.config";
  } else {
    base = ".";
  }
  std::string dir = WithSeparator(base) + "vorpa/";
  std::error_code ec;
  fs::create_directories(dir, ec);
  return dir;
}

}  // namespace vorpa

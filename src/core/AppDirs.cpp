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

namespace {

// The data folder of an installed program, from its directory.
fs::path InstalledDataDir(const std::string& programDir) {
  return (fs::path(programDir) / "../share/vorpa").lexically_normal();
}

// $VAR, else $HOME + `fallback`, else ".".
std::string XdgBase(const char* var, const char* fallback) {
  if (const char* xdg = std::getenv(var); xdg && *xdg) return xdg;
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + fallback;
  return ".";
}

}  // namespace

std::string ConfigDir(const std::string& override) { return ConfigDir(override, ProgramDir()); }

std::string ConfigDir(const std::string& override, const std::string& programDir) {
  if (!override.empty()) return WithSeparator(override);
  std::error_code ec;
  if (access(programDir.c_str(), W_OK) == 0 && !fs::is_directory(InstalledDataDir(programDir), ec))
    return programDir;
  std::string dir = WithSeparator(XdgBase("XDG_CONFIG_HOME", "/.config")) + "vorpa/";
  fs::create_directories(dir, ec);
  return dir;
}

std::string HelpPagePath(const std::string& programDir) {
  const std::string beside = programDir + "help/index.html";
  const fs::path installed = InstalledDataDir(programDir) / "help/index.html";
  std::error_code ec;
  if (!fs::exists(beside, ec) && fs::exists(installed, ec)) return installed.string();
  return beside;
}

std::string LogDir() {
  return WithSeparator(XdgBase("XDG_STATE_HOME", "/.local/state")) + "vorpa/log/";
}

}  // namespace vorpa

#include "support/OwnHome.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vorpa::test {
namespace {

namespace fs = std::filesystem;

std::string gHome;
pid_t gOwner = 0;

void RemoveHome() {
  // A child that left through exit() before its exec must not remove the
  // parent's home.
  if (getpid() != gOwner) return;
  std::error_code ec;
  fs::remove_all(gHome, ec);
}

void Point(const char* name, const std::string& dir) {
  fs::create_directories(dir);
  setenv(name, dir.c_str(), 1);
}

}  // namespace

void UseOwnHome() {
  std::string tmpl = (fs::temp_directory_path() / "vorpa-home-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) {
    std::perror("vorpa tests: cannot create a home of their own");
    std::exit(1);
  }
  gHome = tmpl;
  gOwner = getpid();
  std::atexit(RemoveHome);
  Point("HOME", tmpl);
  Point("XDG_CONFIG_HOME", tmpl + "/.config");
  Point("XDG_DATA_HOME", tmpl + "/.local/share");
  Point("XDG_STATE_HOME", tmpl + "/.local/state");
  Point("XDG_RUNTIME_DIR", tmpl + "/run");
  chmod((tmpl + "/run").c_str(), 0700);
}

}  // namespace vorpa::test

// Where the program keeps its settings and finds its help page, built or installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/AppDirs.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

TEST(HelpPagePath, BesideTheProgramFirstThenTheInstalledDataFolder) {
  test::TempDir prefix;
  const std::string bin = prefix.File("bin/");
  // Neither exists: the page beside the program (the menu opens it unchecked).
  EXPECT_EQ(HelpPagePath(bin), bin + "help/index.html");
  test::WriteFileBytes(prefix.File("share/vorpa/help/index.html"), "<html></html>");
  EXPECT_EQ(HelpPagePath(bin), prefix.File("share/vorpa/help/index.html"));
  test::WriteFileBytes(bin + "help/index.html", "<html></html>");
  EXPECT_EQ(HelpPagePath(bin), bin + "help/index.html");
}

TEST(ConfigDir, ABuiltProgramKeepsItsSettingsBesideItAnInstalledOneInXdgConfigHome) {
  test::TempDir prefix, home;
  const std::string bin = prefix.File("bin/");
  std::filesystem::create_directories(bin);
  const std::string own = std::getenv("XDG_CONFIG_HOME");
  setenv("XDG_CONFIG_HOME", home.File("cfg").c_str(), 1);
  EXPECT_EQ(ConfigDir("", bin), bin);
  EXPECT_EQ(ConfigDir("/x/y", bin), "/x/y/");
  std::filesystem::create_directories(prefix.File("share/vorpa"));
  EXPECT_EQ(ConfigDir("", bin), home.File("cfg/vorpa/"));
  EXPECT_TRUE(std::filesystem::is_directory(home.File("cfg/vorpa")));
  setenv("XDG_CONFIG_HOME", own.c_str(), 1);
}

}  // namespace
}  // namespace vorpa

// The test processes themselves: each one lives in a home of its own.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

TEST(OwnHome, EveryTestProcessLivesInATemporaryHomeOfItsOwn) {
  const char* home = std::getenv("HOME");
  ASSERT_NE(home, nullptr);
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  EXPECT_NE(std::string(home), std::string(user->pw_dir));
  EXPECT_EQ(std::string(home).rfind((std::filesystem::temp_directory_path() / "vorpa-home-").string(), 0), 0u);
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
    const char* dir = std::getenv(name);
    ASSERT_NE(dir, nullptr) << name;
    EXPECT_EQ(std::string(dir).rfind(std::string(home) + "/", 0), 0u) << name;
    EXPECT_TRUE(std::filesystem::is_directory(dir)) << name;
  }
  struct stat st{};
  ASSERT_EQ(stat(std::getenv("XDG_RUNTIME_DIR"), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

}  // namespace

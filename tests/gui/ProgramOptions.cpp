// The command line of vorpa: parsing, and the built program's --version
// and --help output.
#include "ui/ProgramOptions.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "VorpaVersion.h"

namespace vorpa {
namespace {

struct RunResult {
  int Status = -1;
  std::string Out;
};

RunResult RunProgram(const std::string& args) {
  RunResult r;
  std::string cmd = std::string(VORPA_PROGRAM_PATH) + " " + args + " 2>/dev/null";
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.Out.append(buf, n);
  int status = pclose(p);
  r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(ProgramOptions, VersionPrintsTheProjectVersion) {
  RunResult r = RunProgram("--version");
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, std::string("vorpa ") + VORPA_VERSION + "\n");
}

TEST(ProgramOptions, HelpListsEveryOption) {
  RunResult r = RunProgram("--help");
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out.rfind("usage: vorpa", 0), 0u);
  for (const char* o : {"--config-dir DIR", "--help", "--version"}) {
    EXPECT_NE(r.Out.find(o), std::string::npos) << o;
  }
  EXPECT_EQ(r.Out, ProgramHelp());
}

TEST(ProgramOptions, UnknownOptionOrMissingValueFails) {
  EXPECT_EQ(RunProgram("--no-such-option").Status, 2);
  EXPECT_EQ(RunProgram("--config-dir").Status, 2);
}

TEST(ProgramOptions, OwnOptionsAreTakenAndTheRestLeftToQt) {
  char a0[] = "vorpa", a1[] = "-platform", a2[] = "offscreen", a3[] = "--config-dir", a4[] = "/x y";
  char* argv[] = {a0, a1, a2, a3, a4};
  TProgramOptions o;
  ASSERT_TRUE(ParseProgramOptions(5, argv, &o));
  EXPECT_EQ(o.ConfigDir, "/x y");
  EXPECT_FALSE(o.Help);
  EXPECT_FALSE(o.Version);
  ASSERT_EQ(o.QtArgs.size(), 3u);
  EXPECT_STREQ(o.QtArgs[1], "-platform");
  EXPECT_STREQ(o.QtArgs[2], "offscreen");
}

}  // namespace
}  // namespace vorpa

// vorpa-tool settings and the global options, run as a program.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/Setting.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::RunProgram;

TEST(SettingsCommand, EmptyConfigDirPrintsEveryDefault) {
  test::TempDir dir;
  auto r = RunProgram(VORPA_TOOL_PATH, {"--config-dir", dir.Path(), "settings"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, FormatSetting(TSetting()));
  EXPECT_NE(r.Out.find("MaxOddsCnt=15\r\n"), std::string::npos);
  EXPECT_NE(r.Out.find("IPatGetTime123=00:00:00\r\n"), std::string::npos);
}

TEST(SettingsCommand, ReadsTheFileAndTakesGlobalOptionsAfterTheCommand) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("Vorpa.Ini"), "[vorpa]\nIPatChkCycle=0\nBuyTotal=300\n");
  auto r = RunProgram(VORPA_TOOL_PATH, {"settings", "--config-dir", dir.Path(), "--data-dir", "/d"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_NE(r.Out.find("IPatChkCycle=3\r\n"), std::string::npos);
  EXPECT_NE(r.Out.find("BuyTotal=300\r\n"), std::string::npos);
  EXPECT_NE(r.Out.find("MojiPath=/d\r\n"), std::string::npos);
}

TEST(ToolCommandLine, HelpVersionAndErrors) {
  auto help = RunProgram(VORPA_TOOL_PATH, {"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("settings"), std::string::npos);
  auto version = RunProgram(VORPA_TOOL_PATH, {"--version"});
  EXPECT_EQ(version.Status, 0);
  EXPECT_EQ(version.Out.rfind("vorpa-tool ", 0), 0u);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"no-such-command"}).Status, 2);
  auto badNow = RunProgram(VORPA_TOOL_PATH, {"--now", "yesterday", "settings"});
  EXPECT_EQ(badNow.Status, 2);
  EXPECT_NE(badNow.Err.find("--now"), std::string::npos);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"settings", "--config-dir"}).Status, 2);
}

}  // namespace
}  // namespace vorpa

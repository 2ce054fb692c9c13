// vorpa-tool decode on saved pages.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "support/RunProgram.h"
#include "support/SavedPages.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::PagePath;
using test::RunProgram;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

std::vector<std::string> CardArgs(const test::TempDir& dir, const std::string& date) {
  return {"--config-dir", dir.Path(), "--data-dir", dir.Path() + "data", "decode", "--state", "4",
          "--slot", "1", "--race", "11", "--code", "A2634", "--date", date, PagePath("card18.html")};
}

TEST(DecodeCommand, CardBlockAndStore) {
  test::TempDir dir;
  std::vector<std::string> args = CardArgs(dir, "2026-12-06");
  args.insert(args.end() - 1, "--store");
  const test::ProgramResult r = RunProgram(VORPA_TOOL_PATH, args);
  ASSERT_EQ(r.Status, 0) << r.Err;
  const std::vector<std::string> lines = Lines(r.Out);
  ASSERT_EQ(lines.size(), 1u + 1 + 2 + 18);
  EXPECT_EQ(lines[0], "0");
  EXPECT_EQ(lines[1], "[出馬]小倉11");
  EXPECT_EQ(lines[2], "[石榴坂ステークス] [３歳以上] [オープン]");
  EXPECT_EQ(lines[3], "1200 芝・右 18 雨 重 15:45:00");
  EXPECT_EQ(lines[4], "1 1 ルリカンテラ 2 7 434 4 久保杢太 　 57 0");
  TRace race;
  LoadRace(dir.Path() + "data", Utf8ToCp932("小倉"), 11, race, EncodeDate(2026, 12, 6));
  EXPECT_EQ(race.Header.RunnerCount, 18);
  EXPECT_EQ(race.Runner(18).HorseNo, 18);
}

TEST(DecodeCommand, ResultCodesWithTheirMessages) {
  test::TempDir dir;
  test::ProgramResult r = RunProgram(VORPA_TOOL_PATH, CardArgs(dir, "2026-12-07"));
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "5 開催終了?\n");
  std::vector<std::string> args = CardArgs(dir, "2026-12-06");
  args[6] = "5";  // the race card is no win/place page
  r = RunProgram(VORPA_TOOL_PATH, args);
  EXPECT_EQ(r.Out, "33 データ解析エラー28\n");
  args[6] = "12";
  r = RunProgram(VORPA_TOOL_PATH, args);
  EXPECT_EQ(r.Out, "3 未定義情報受信エラー\n");
}

TEST(DecodeCommand, BadArguments) {
  test::TempDir dir;
  for (const std::vector<std::string>& a :
       {std::vector<std::string>{"decode", PagePath("card18.html")},
        std::vector<std::string>{"decode", "--state", "4", "--slot", "4", PagePath("card18.html")},
        std::vector<std::string>{"decode", "--state", "4", "--race", "13", PagePath("card18.html")},
        std::vector<std::string>{"decode", "--state", "4", dir.File("missing.html")}}) {
    std::vector<std::string> args = {"--config-dir", dir.Path()};
    args.insert(args.end(), a.begin(), a.end());
    const test::ProgramResult r = RunProgram(VORPA_TOOL_PATH, args);
    EXPECT_EQ(r.Status, 2) << a.back();
    EXPECT_TRUE(r.Out.empty());
  }
}

}  // namespace
}  // namespace vorpa

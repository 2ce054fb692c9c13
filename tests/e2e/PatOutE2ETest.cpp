// Automatic PAT output end to end: vorpa-tool fetch --once against a real
// vorpa-ipatd with AutoPat on writes each stored race's files and the
// outline once, and they equal what vorpa-tool pat --auto writes afterwards
// from the stored races at the same pinned clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/IpatdServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

namespace fs = std::filesystem;
using test::RunProgram;

const char kNow[] = "2026-12-06 18:00:00";
const char* const kFlavours[] = {"pat95", "pat98", "patv50"};

// Every file of a directory, by name.
std::map<std::string, std::string> Files(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.is_regular_file()) files[e.path().filename().string()] = test::ReadFileBytes(e.path());
  return files;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(PatOutE2E, FetchWritesWhatPatAutoWritesFromTheStoredRaces) {
  test::IpatdServer server{{"--seed", "7", "--now", kNow}};
  test::TempDir config, work;
  test::WriteFileBytes(config.File("Vorpa.Ini"),
                       "[vorpa]\r\nINetID=TOOL0001\r\nMojiPath=" + work.Path() + "data\r\nIPatHost=" + server.Host() +
                           "\r\nAutoPat=1\r\nJRA95Path=" + work.Path() + "pat95\r\nJRA98Path=" + work.Path() +
                           "pat98\r\nJRAV50Path=" + work.Path() + "patv50\r\n");
  auto tool = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", config.Path(), "--now", kNow});
    return RunProgram(VORPA_TOOL_PATH, args);
  };

  const auto fetch = tool({"fetch", "--once", "--retry-wait", "0"});
  ASSERT_EQ(fetch.Status, 0) << fetch.Err;
  const size_t stored = Count(fetch.Out, "R 取得\n");
  ASSERT_GT(stored, 20u);
  EXPECT_EQ(Count(fetch.Out, "R PAT出力\n"), stored) << "every stored race has a card at least";
  EXPECT_EQ(Count(fetch.Out, " PAT開催要項出力\n"), 1u);

  std::map<std::string, std::map<std::string, std::string>> fetched;
  for (const char* f : kFlavours) {
    fetched[f] = Files(work.Path() + f);
    EXPECT_TRUE(fetched[f].count("UY-A.JRA")) << f;
    EXPECT_TRUE(fetched[f].count("UY-B.JRA")) << f;
    EXPECT_GT(fetched[f].size(), stored * 2) << f;
    fs::rename(work.Path() + f, work.Path() + f + std::string(".fetched"));
  }

  const auto pat = tool({"pat", "--date", "2026-12-06", "--auto", "--card", "--weight", "--odds", "--result"});
  ASSERT_EQ(pat.Status, 0) << pat.Err;
  for (const char* f : kFlavours) {
    auto mine = fetched[f];
    for (auto it = mine.begin(); it != mine.end();) it = it->first.rfind("UY-", 0) == 0 ? mine.erase(it) : ++it;
    const auto again = Files(work.Path() + f);
    std::vector<std::string> names, againNames;
    for (const auto& [name, bytes] : mine) names.push_back(name);
    for (const auto& [name, bytes] : again) againNames.push_back(name);
    ASSERT_EQ(names, againNames) << f;
    for (const auto& [name, bytes] : mine) EXPECT_EQ(bytes, again.at(name)) << f << "/" << name;
  }
  auto kinds = [&](const char* prefix) {
    return std::count_if(fetched["patv50"].begin(), fetched["patv50"].end(),
                         [&](const auto& e) { return e.first.rfind(prefix, 0) == 0; });
  };
  EXPECT_GT(kinds("SO-"), 0) << "finished races have odds";
  EXPECT_GT(kinds("KS-"), 0) << "and results";
  EXPECT_GT(kinds("UT-"), 0);
}

}  // namespace
}  // namespace vorpa

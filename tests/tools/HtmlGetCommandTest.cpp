// vorpa-tool html and get, run as programs.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "support/IpatdServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::RunProgram;

TEST(HtmlCommand, PrintsTheTableAndFormListsAsRawBytes) {
  test::TempDir dir;
  const std::string cell = Utf8ToCp932("認証エラー");
  test::WriteFileBytes(dir.File("p.html"),
                       "<table><tr><td>A&nbsp;B</td><td>" + cell +
                           "</td></tr></table>x<form action=/p/s><input name=w value=K></form>");
  auto r = RunProgram(VORPA_TOOL_PATH, {"html", dir.File("p.html")});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "[1][1,1]<1>A B\n[1][1,2]<1>" + cell + "\n[2]<1>x\n");
  r = RunProgram(VORPA_TOOL_PATH, {"html", "--forms", dir.File("p.html")});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "[1]/p/s\n[1][w]K\n");
  r = RunProgram(VORPA_TOOL_PATH, {"html", dir.File("missing.html")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"html"}).Status, 2);
}

TEST(GetCommand, PrintsTheStatusOnStderrAndTheBodyOnStdout) {
  test::IpatdServer server({"--now", "2026-12-06 10:00:00"});
  auto r = RunProgram(VORPA_TOOL_PATH, {"get", server.PageUrl(), "--post", "g=Mnu02&i=ID"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "200\n");
  EXPECT_NE(r.Out.find(Utf8ToCp932("（当日売）")), std::string::npos);
  r = RunProgram(VORPA_TOOL_PATH, {"get", server.PageUrl()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "405\n");
  EXPECT_EQ(r.Out, "");
  const std::string url = server.Url("/p/s");
  server.Stop();
  r = RunProgram(VORPA_TOOL_PATH, {"get", url});
  EXPECT_EQ(r.Err, "0\n");
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"get"}).Status, 2);
}

}  // namespace
}  // namespace vorpa

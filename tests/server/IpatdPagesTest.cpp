// vorpa-ipatd end to end: every page of simulated days fetched through the
// HTTP client and cut up by the table and form extraction; each path the
// page decoders read holds the text the server's truth says.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <tuple>
#include <nlohmann/json.hpp>

#include "core/Cp932.h"
#include "ipat/HtmlTable.h"
#include "ipat/URLAccess.h"
#include "support/IpatdServer.h"

namespace vorpa {
namespace {

using nlohmann::json;
using test::IpatdServer;

std::string C(const std::string& utf8) { return Utf8ToCp932(utf8); }
std::string C(const char* utf8) { return Utf8ToCp932(utf8); }
std::string C(const json& j) { return Utf8ToCp932(j.get<std::string>()); }

// One fetched page: its table list as path -> text (the last entry wins, as
// in the decoders' lookups) and its form list.
struct TPage {
  int Status = 0;
  std::map<std::string, std::string> Texts;
  TTextList Forms;

  std::string At(const std::string& path) const {
    const auto it = Texts.find(C(path));
    return it == Texts.end() ? std::string() : it->second;
  }
  std::string Form(const std::string& path) const {
    std::string v;
    LookupPath(Forms, path, &v);
    return v;
  }
  std::string Title() const { return At("[2][1,1]<1>"); }
};

TPage Fetch(const IpatdServer& server, const std::string& body) {
  std::string raw;
  TPage page;
  page.Status = UrlRequest(server.PageUrl(), body, &raw);
  TTextList tables;
  ExtractTables(raw, &tables);
  for (const std::string& e : tables) {
    const size_t end = e.find('>');
    if (end != std::string::npos) page.Texts[e.substr(0, end + 1)] = e.substr(end + 1);
  }
  ExtractForms(raw, &page.Forms);
  return page;
}

std::string Num(int n) { return std::to_string(n); }
const char kNumberChars[] = "123456789abcdefghi";

class TDayWalk {
 public:
  TDayWalk(const IpatdServer& server, const std::string& key) : server_(server), key_(key) {}

  TPage Race(const std::string& g, const json& race, char h = '0', const std::string& extra = "") {
    const std::string code = race["code"];
    const std::string s = code + kNumberChars[race["no"].get<int>() - 1] + h;
    return Fetch(server_, "g=" + g + "&s=" + s + "&w=" + key_ + "&j=" + code + "00000" + extra);
  }

  void CheckCard(const json& race) {
    const TPage p = Race("Den01", race);
    ASSERT_EQ(p.Status, 200);
    for (int k = 1; k <= 5; ++k)
      EXPECT_EQ(p.At("[4]<" + Num(k) + ">"), C(race["header"][size_t(k - 1)])) << k;
    const json& runners = race["runners"];
    ASSERT_EQ(runners.size(), race["runnerCount"].get<size_t>());
    for (size_t k = 0; k < runners.size(); ++k) {
      const json& r = runners[k];
      const int h = int(k) + 1;
      const std::string row = "[5][" + Num(h + 1) + ",";
      std::string frame = p.At(row + "1]<1>");
      const std::string nested = p.At(row + "1][" + Num(h) + "][1,1]<1>");
      if (!nested.empty()) frame = nested;
      EXPECT_EQ(frame, C(Num(r["frame"])));
      EXPECT_EQ(p.At(row + "2]<1>"), C(r["scratched"] ? std::string("取消") : Num(r["horseNo"])));
      const char* fields[] = {"name", "sexAge", "weight", "weightDiff", "jockey", "burden", "trainer"};
      for (int c = 3; c <= 9; ++c)
        EXPECT_EQ(p.At(row + Num(c) + "]<1>"), C(r[fields[c - 3]])) << fields[c - 3] << " of " << h;
    }
  }

  void CheckWinPlace(const json& race) {
    const TPage p = Race("Ota01", race);
    const json& odds = race["odds"];
    ASSERT_EQ(p.Title(), C("単・複・枠連オッズ"));
    EXPECT_EQ(p.At("[5][1,1]<1>"), C(odds["timeText"]));
    const int n = race["runnerCount"];
    for (int h = 1; h <= 18; ++h) {
      const std::string row = "[6][1,1][1][" + Num(h + 1) + ",";
      const bool runs = h <= n;
      EXPECT_EQ(p.At(row + "4]<1>"), runs ? C(odds["win"][size_t(h - 1)]) : "");
      EXPECT_EQ(p.At(row + "5]<1>"), runs ? C(odds["placeLow"][size_t(h - 1)]) : "");
      EXPECT_EQ(p.At(row + "7]<1>"), runs ? C(odds["placeHigh"][size_t(h - 1)]) : "");
    }
    for (int i = 1; i <= 8; ++i)
      for (int j = i; j <= 8; ++j) {
        const int row = i <= 4 ? j - i + 3 : j + 5;
        const int col = i <= 4 ? 2 * i : (i == 5 && j == 5 ? 6 : 10 - 2 * i + j);
        const std::string key = Num(i) + "-" + Num(j);
        EXPECT_EQ(p.At("[6][1,3][3][" + Num(row) + "," + Num(col) + "]<1>"),
                  odds["bracket"].contains(key) ? C(odds["bracket"][key]) : "") << key;
      }
    const char* votes[] = {"win", "place", "bracket", "total"};
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(p.At("[7][" + Num(k) + ",2]<1>"), C(odds["votes"][votes[k - 1]]));
  }

  void CheckExacta(const json& race) {
    const TPage p = Race("Out01", race);
    if (!race["exacta"]) {
      EXPECT_NE(p.Title(), C("馬単オッズ"));
      EXPECT_FALSE(p.Title().empty());
      return;
    }
    ASSERT_EQ(p.Title(), C("馬単オッズ"));
    const json& odds = race["odds"];
    EXPECT_EQ(p.At("[5][1,1]<1>"), C(odds["timeText"]));
    const int n = race["runnerCount"];
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) {
        if (i == j) continue;
        const std::string path = i <= 9 ? "[6][" + Num(j + 1) + "," + Num(2 * i) + "]<1>"
                                        : "[7][" + Num(j + 1) + "," + Num(2 * (i - 9)) + "]<1>";
        EXPECT_EQ(p.At(path), C(odds["exacta"][Num(i) + "-" + Num(j)])) << i << "-" << j;
      }
    EXPECT_EQ(p.At(n > 9 ? "[8][1,2]<1>" : "[7][1,2]<1>"), C(odds["votes"]["exacta"]));
  }

  void CheckTrio(const json& race, bool trifecta) {
    const TPage p = Race(trifecta ? "Ost01" : "Osa01", race, '1', trifecta ? "&c=1" : "");
    EXPECT_EQ(p.Title(), C(trifecta ? "３連単オッズ" : "３連複オッズ"));
    EXPECT_EQ(p.At("[8][1,2]<1>"), C(race["odds"]["votes"][trifecta ? "trifecta" : "trio"]));
  }

  // The last non-empty column of a grid row, searched from `from` down.
  static int LastFilled(const TPage& p, int gridRow, int from) {
    for (int c = from; c >= 1; --c)
      if (!p.At("[6][" + Num(gridRow + 1) + "," + Num(c) + "]<1>").empty()) return c;
    return 0;
  }
  static std::string GridAt(const TPage& p, int gridRow, int col) {
    return p.At("[6][" + Num(gridRow + 1) + "," + Num(col) + "]<1>");
  }

  void CheckQuinella(const json& race) {
    const TPage p = Race("Oum01", race);
    ASSERT_EQ(p.Title(), C("馬連オッズ"));
    const json& q = race["odds"]["quinella"];
    const int n = race["runnerCount"];
    for (int i = 1; i <= 9; ++i)
      for (int j = i + 1; j <= n; ++j)
        EXPECT_EQ(GridAt(p, j - i, 2 * i), C(q[Num(i) + "-" + Num(j)])) << i << "-" << j;
    for (int i = 10; i <= std::min(n - 1, 17); ++i)
      for (int j = i + 1; j <= n; ++j) {
        const int last = LastFilled(p, j + 1, 18);
        ASSERT_GT(last, 0);
        EXPECT_EQ(GridAt(p, j + 1, last - 2 * (i - 10)), C(q[Num(i) + "-" + Num(j)])) << i << "-" << j;
      }
    EXPECT_EQ(p.At("[7][1,2]<1>"), C(race["odds"]["votes"]["quinella"]));
  }

  void CheckWide(const json& race) {
    const TPage p = Race("Owi01", race);
    ASSERT_EQ(p.Title(), C("ワイドオッズ"));
    const json& odds = race["odds"];
    const int n = race["runnerCount"];
    auto check = [&](int i, int j, int row, int c) {
      const std::string key = Num(i) + "-" + Num(j);
      EXPECT_EQ(GridAt(p, row, c), C(odds["wideLow"][key])) << key;
      EXPECT_EQ(GridAt(p, row, c + 2), C(odds["wideHigh"][key])) << key;
    };
    int pairs = 0;
    for (int i = 1; i <= 5; ++i)
      for (int j = i + 1; j <= n; ++j, ++pairs) check(i, j, j - i, 4 * i - 2);
    for (int i = 6; i <= std::min(n - 1, 10); ++i)
      for (int j = i + 1; j <= n; ++j, ++pairs) {
        const int row = n + j - 9;
        check(i, j, row, LastFilled(p, row, 20) - 4 * (i - 6) - 2);
      }
    if (n >= 12)
      for (int i = 11; i <= std::min(n - 1, 15); ++i)
        for (int j = i + 1; j <= n; ++j, ++pairs) check(i, j, 2 * (n - 12) + 17 + (j - i), 4 * (i - 11) + 2);
    if (n >= 17)
      for (int i = 16; i <= std::min(n - 1, 17); ++i)
        for (int j = i + 1; j <= n; ++j, ++pairs) {
          const int row = 3 * (n - 17) + 32 + (j - 17);
          check(i, j, row, LastFilled(p, row, 20) - 4 * (i - 16) - 2);
        }
    EXPECT_EQ(pairs, n * (n - 1) / 2);
    EXPECT_EQ(p.At("[7][1,2]<1>"), C(odds["votes"]["wide"]));
  }

  void CheckResult(const json& race) {
    const TPage p = Race("Sei01", race);
    ASSERT_EQ(p.Status, 200);
    const json& result = race["result"];
    const std::string fin = "[5][1,1][1][2,1][1][";
    if (result.is_null()) {
      EXPECT_EQ(p.At(fin + "2,3]<1>"), "");
      return;
    }
    const json& order = result["order"];
    for (size_t k = 1; k <= 18; ++k) {
      const std::string row = k <= 9 ? fin + Num(int(k) + 1) + "," : fin + Num(int(k) - 8) + ",";
      const int col = k <= 9 ? 3 : 8;
      const bool has = k <= order.size();
      EXPECT_EQ(p.At(row + Num(col) + "]<1>"), has ? C(Num(std::stoi(order[k - 1]["horseNo"].get<std::string>()))) : "");
      EXPECT_EQ(p.At(row + Num(col + 2) + "]<1>"), has ? C(order[k - 1]["margin"]) : "");
    }
    const std::string pay = "[5][3,1][2][2,1][1]";
    const std::vector<std::tuple<const char*, const char*, int>> kinds = {
        {"win", "[2,1][1]", 2},      {"place", "[2,2][2]", 4},    {"bracket", "[2,3][3]", 4},
        {"wide", "[2,4][4]", 5},     {"quinella", "[4,1][6]", 2}, {"exacta", "[4,2][7]", 2},
        {"trio", "[4,3][8]", 2},     {"trifecta", "[4,4][9]", 2}};
    for (const auto& [kind, at, rows] : kinds) {
      const json& list = result[kind];
      for (int k = 1; k <= rows; ++k) {
        const bool has = size_t(k) <= list.size();
        EXPECT_EQ(p.At(pay + at + "[" + Num(k) + ",1]<1>"), has ? C(list[size_t(k - 1)][0]) : "") << kind;
        EXPECT_EQ(p.At(pay + at + "[" + Num(k) + ",2]<1>"), has ? C(list[size_t(k - 1)][1]) : "") << kind;
      }
    }
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(p.At(pay + "[2,5][5][" + Num(k) + ",1]<1>"), C(result["refund"][size_t(k - 1)]));
  }

  void CheckRace(const json& race) {
    CheckCard(race);
    if (race["cancelled"]) {
      EXPECT_TRUE(race["odds"].is_null());
      EXPECT_NE(Race("Ota01", race).Title(), C("単・複・枠連オッズ"));
      EXPECT_NE(Race("Sei01", race).At("[1]<1>"), "");
      return;
    }
    CheckWinPlace(race);
    CheckExacta(race);
    CheckTrio(race, false);
    CheckTrio(race, true);
    CheckQuinella(race);
    CheckWide(race);
    CheckResult(race);
  }

 private:
  const IpatdServer& server_;
  std::string key_;
};

json Truth(const IpatdServer& server) { return json::parse(server.Truth()); }

std::string Login(const IpatdServer& server, const json& truth) {
  const TPage menu = Fetch(server, "g=Mnu02&i=VORPA01");
  const std::string key = menu.Form("[4][w]");
  EXPECT_FALSE(key.empty());
  const json& meetings = truth["meetings"];
  EXPECT_EQ(menu.Form("[4][j]"), meetings[0]["code"].get<std::string>() + "00000");
  for (size_t k = 0; k < meetings.size(); ++k) {
    EXPECT_EQ(menu.Form("[4][m]<" + Num(int(k) + 1) + ">"), meetings[k]["code"].get<std::string>());
    EXPECT_EQ(menu.At("[4][1,1][1][1,1]<" + Num(int(k) + 1) + ">"), C(meetings[k]["label"]));
  }
  return key;
}

void CheckMenu(const IpatdServer& server, const std::string& key, const json& meeting) {
  const std::string code = meeting["code"];
  const TPage menu = Fetch(server, "g=Mnu01&s=0000000&w=" + key + "&j=" + code + "00000&m=" + code);
  EXPECT_EQ(menu.Form("[4][j]").substr(0, 5), code);
  EXPECT_EQ(menu.Form("[4][w]"), key);
  for (const json& race : meeting["races"]) {
    const int col = race["no"].get<int>() + 1;
    EXPECT_EQ(menu.At("[4][3,1][4][1," + Num(col) + "]<1>"), C(race["heading"]));
    EXPECT_EQ(menu.At("[4][3,1][4][3," + Num(col) + "]<1>"), C(race["oddsMark"]));
    EXPECT_EQ(menu.At("[4][3,1][4][5," + Num(col) + "]<1>"), C(race["resultMark"]));
  }
}

// Every page of every race at one moment of the day.
void WalkDay(const IpatdServer& server, const std::string& when) {
  SCOPED_TRACE(when);
  ASSERT_TRUE(server.SetNow(when));
  const json truth = Truth(server);
  ASSERT_EQ(truth["now"], when);
  const std::string key = Login(server, truth);
  TDayWalk walk(server, key);
  int sold = 0;
  for (const json& meeting : truth["meetings"]) {
    const std::string label = meeting["label"];
    EXPECT_EQ(label.substr(label.rfind(' ') + 1) == "（当日売）", meeting["soldToday"].get<bool>());
    if (!meeting["soldToday"]) continue;
    ++sold;
    CheckMenu(server, key, meeting);
    for (const json& race : meeting["races"]) {
      SCOPED_TRACE(meeting["code"].get<std::string>() + " " + Num(race["no"]));
      walk.CheckRace(race);
    }
  }
  EXPECT_GE(sold, 2);
  EXPECT_LE(sold, 3);
}

TEST(IpatdPagesTest, AWholeDayThroughTheClientAndTheExtraction) {
  IpatdServer server({"--seed", "3", "--now", "2026-12-06 08:30:00"});
  ASSERT_GT(server.Port(), 0);
  WalkDay(server, "2026-12-06 08:30:00");
  WalkDay(server, "2026-12-06 12:31:00");
  WalkDay(server, "2026-12-06 18:00:00");
}

TEST(IpatdPagesTest, TheDayMovesThroughItsStates) {
  IpatdServer server({"--seed", "5", "--now", "2026-12-05 08:59:00"});
  json t = Truth(server);
  const json race = t["meetings"][0]["races"][10];
  EXPECT_EQ(race["odds"]["timeText"], "前日売最終");
  EXPECT_EQ(race["runnerCount"], 18);
  EXPECT_EQ(race["runners"][0]["weight"], "");
  const std::string post = race["postTime"];
  // A minute before post: odds of that moment, weights out, no result.
  ASSERT_TRUE(server.SetNow("2026-12-05 " + post.substr(0, 3) + "00:00"));
  t = json::parse(server.Truth(race["code"], 11));
  const std::string time = t["odds"]["timeText"];
  EXPECT_EQ(time.substr(time.size() - std::string("現在").size()), "現在");
  for (const json& h : t["runners"]) EXPECT_EQ(h["weight"] == "", h["scratched"].get<bool>());
  EXPECT_EQ(t["oddsMark"], "");
  // From post on "確定"; the result some minutes later.
  ASSERT_TRUE(server.SetNow("2026-12-05 " + post + ":00"));
  t = json::parse(server.Truth(race["code"], 11));
  EXPECT_EQ(t["odds"]["timeText"].get<std::string>().substr(t["odds"]["timeText"].get<std::string>().rfind(' ') + 1), "確定");
  EXPECT_EQ(t["oddsMark"], "(最終)");
  EXPECT_TRUE(t["result"].is_null());
  ASSERT_TRUE(server.SetNow("2026-12-05 19:00:00"));
  t = json::parse(server.Truth(race["code"], 11));
  EXPECT_EQ(t["resultMark"], "(全馬)");
  EXPECT_EQ(t["result"]["order"][0]["place"], "1");
  // Vote totals are printed once the odds are final; during the sale the
  // cells stay empty.
  ASSERT_TRUE(server.SetNow("2026-12-05 10:00:00"));
  const json early = json::parse(server.Truth(race["code"], 11));
  EXPECT_EQ(early["odds"]["votes"]["total"], "");
  EXPECT_NE(t["odds"]["votes"]["total"], "");
  // The win pool pays out 80 %: the inverse odds add up to about 1 / 0.8,
  // and the odds move between readings.
  auto inverseSum = [](const json& r) {
    double sum = 0;
    for (const json& o : r["odds"]["win"])
      if (o != "取消") sum += 1.0 / std::stod(o.get<std::string>());
    return sum;
  };
  EXPECT_NEAR(inverseSum(early), 1.25, 0.06);
  EXPECT_NEAR(inverseSum(t), 1.25, 0.06);
  EXPECT_NE(early["odds"]["win"], t["odds"]["win"]);
  EXPECT_EQ(server.Truth("ZZZZZ", 1), "");
}

TEST(IpatdPagesTest, TheDayHasItsExceptions) {
  IpatdServer server({"--seed", "11", "--now", "2026-12-06 19:00:00"});
  const json t = Truth(server);
  int cancelled = 0, noExacta = 0, deadHeat = 0, scratched = 0, refunds = 0, firstStarts = 0;
  std::set<std::string> marks;
  for (const json& m : t["meetings"])
    for (const json& r : m["races"]) {
      cancelled += r["cancelled"].get<bool>();
      noExacta += !r["exacta"].get<bool>();
      if (r["cancelled"]) EXPECT_EQ(r["oddsMark"], "中止");
      if (r["deadHeat"] && !r["result"].is_null()) {
        ++deadHeat;
        EXPECT_EQ(r["result"]["order"][2]["place"], "2");
        EXPECT_EQ(r["result"]["order"][2]["margin"], "同着");
      }
      if (!r["result"].is_null() && !r["result"]["refund"][0].get<std::string>().empty()) ++refunds;
      for (const json& h : r["runners"]) {
        scratched += h["scratched"].get<bool>();
        firstStarts += h["weightDiff"] == "初";
        const std::string j = h["jockey"];
        for (const char* mark : {"☆", "△", "▲"})
          if (j.rfind(mark, 0) == 0) marks.insert(mark);
      }
    }
  EXPECT_EQ(cancelled, 1);
  EXPECT_EQ(noExacta, 1);
  EXPECT_LE(deadHeat, 1);
  EXPECT_GE(scratched, 2);
  EXPECT_GE(refunds, 1);
  EXPECT_GT(firstStarts, 0);
  EXPECT_EQ(marks.size(), 3u);
  // The same seed and date give the same day.
  IpatdServer again({"--seed", "11", "--now", "2026-12-06 19:00:00"});
  EXPECT_EQ(again.Truth(), server.Truth());
}

TEST(IpatdPagesTest, RacesCancelledDuringTheDayAndTheEveningSwitchToTheNextDay) {
  const std::string venue = Truth(IpatdServer({"--seed", "11", "--now", "2026-12-06 10:00:00"}))["meetings"][0]["venue"];
  IpatdServer server({"--seed", "11", "--now", "2026-12-06 10:00:00", "--cancel-from", "2026-12-06," + venue + ",8",
                      "--cancel-from", "2026-12-07," + venue + ",1"});
  json t = Truth(server);
  // Race 7 of this day is its own cancelled race.
  const std::string post7 = t["meetings"][0]["races"][6]["postTime"];
  auto race = [&](int no) { return t["meetings"][0]["races"][no - 1]; };
  EXPECT_FALSE(race(8)["cancelled"].get<bool>());
  EXPECT_FALSE(race(8)["odds"].is_null());
  ASSERT_TRUE(server.SetNow("2026-12-06 " + post7 + ":00"));
  t = Truth(server);
  EXPECT_FALSE(race(6)["cancelled"].get<bool>());
  for (int no = 8; no <= 12; ++no) {
    EXPECT_TRUE(race(no)["cancelled"].get<bool>()) << no;
    EXPECT_EQ(race(no)["oddsMark"], "中止") << no;
    EXPECT_TRUE(race(no)["odds"].is_null()) << no;
  }
  ASSERT_TRUE(server.SetNow("2026-12-06 19:00:00"));
  t = Truth(server);
  EXPECT_TRUE(race(12)["result"].is_null());
  EXPECT_FALSE(race(6)["result"].is_null());
  // The second meeting is not touched; the evening serves the next day,
  // whose meetings at that venue (if any) are cancelled from race 1.
  for (const json& r : t["meetings"][1]["races"]) EXPECT_EQ(r["cancelled"], r["no"] == 0) << r["no"];
  ASSERT_TRUE(server.SetNow("2026-12-06 20:00:00"));
  t = Truth(server);
  EXPECT_EQ(t["date"], "2026-12-07");
  for (const json& m : t["meetings"])
    if (m["venue"] == venue && m["soldToday"].get<bool>())
      for (const json& r : m["races"]) EXPECT_TRUE(r["cancelled"].get<bool>());
}

TEST(IpatdPagesTest, ErrorPagesAndRefusals) {
  IpatdServer server({"--inet-id", "GOOD", "--now", "2026-12-06 10:00:00"});
  auto third = [](const std::string& raw) {
    TTextList list;
    ExtractTables(raw, &list);
    return list.size() >= 3 ? list[2] : std::string();
  };
  std::string raw;
  ASSERT_EQ(UrlRequest(server.PageUrl(), "g=Mnu02&i=BAD", &raw), 200);
  EXPECT_EQ(third(raw), C("[2][3,1]<1>認証エラー"));
  raw.clear();
  ASSERT_EQ(UrlRequest(server.PageUrl(), "g=Den01&s=62655b0&w=NOKEY&j=6265500000", &raw), 200);
  EXPECT_EQ(third(raw), C("[2][3,1]<1>認証エラー"));
  raw.clear();
  ASSERT_EQ(UrlRequest(server.PageUrl(), "g=Mnu02&i=GOOD", &raw), 200);
  TTextList forms;
  ExtractForms(raw, &forms);
  std::string key;
  LookupPath(forms, "[4][w]", &key);
  ASSERT_FALSE(key.empty());
  raw.clear();
  ASSERT_EQ(UrlRequest(server.PageUrl(), "g=Xyz01&w=" + key, &raw), 200);
  EXPECT_EQ(third(raw), C("[2][3,1]<1>接続エラー"));
  // Pages that do not exist are message pages, never the data paths.
  raw.clear();
  ASSERT_EQ(UrlRequest(server.PageUrl(), "g=Den01&s=ZZZZZ10&w=" + key, &raw), 200);
  EXPECT_EQ(third(raw).find(C("エラー")), std::string::npos);
  // Malformed requests get a status, and the server stays up.
  EXPECT_EQ(UrlRequest(server.PageUrl(), "no form here", &raw), 400);
  EXPECT_EQ(UrlRequest(server.PageUrl(), "=x", &raw), 400);
  EXPECT_EQ(UrlRequest(server.PageUrl(), "", &raw), 405);
  EXPECT_EQ(UrlRequest(server.PageUrl(), std::string(100000, 'a') + "=b", &raw), 413);
  EXPECT_FALSE(server.SetNow("tomorrow"));
  // Bytes that are no HTTP at all.
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(uint16_t(server.Port()));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  const std::string junk = "\x01\x02 garbage \xff\r\n\r\n";
  send(fd, junk.data(), junk.size(), MSG_NOSIGNAL);
  char reply[64] = {};
  recv(fd, reply, sizeof reply - 1, 0);
  close(fd);
  EXPECT_EQ(std::string(reply).rfind("HTTP/1.1 400", 0), 0u) << reply;
  EXPECT_EQ(UrlRequest(server.PageUrl(), "g=Mnu02&i=GOOD", &raw), 200);
}

std::vector<int> Statuses(const IpatdServer& server, int count) {
  std::vector<int> statuses;
  for (int k = 0; k < count; ++k) {
    std::string raw;
    statuses.push_back(UrlRequest(server.PageUrl(), "g=Mnu02&i=X", &raw));
  }
  return statuses;
}

TEST(IpatdPagesTest, FaultsAreReproducibleFromTheSeed) {
  IpatdServer a({"--seed", "9", "--fail-rate", "0.5"});
  IpatdServer b({"--seed", "9", "--fail-rate", "0.5"});
  const std::vector<int> sa = Statuses(a, 30);
  EXPECT_EQ(sa, Statuses(b, 30));
  EXPECT_GT(std::count(sa.begin(), sa.end(), 503), 3);
  EXPECT_GT(std::count(sa.begin(), sa.end(), 200), 3);

  IpatdServer reset({"--reset-rate", "1"});
  EXPECT_EQ(Statuses(reset, 3), (std::vector<int>{0, 0, 0}));

  IpatdServer whole({"--now", "2026-12-06 10:00:00"});
  IpatdServer cut({"--truncate-rate", "1", "--now", "2026-12-06 10:00:00"});
  std::string full, half;
  ASSERT_EQ(UrlRequest(whole.PageUrl(), "g=Mnu02&i=X", &full), 200);
  // The page announced whole but cut off is refused by the client as a whole.
  EXPECT_EQ(UrlRequest(cut.PageUrl(), "g=Mnu02&i=X", &half), 0);
  EXPECT_TRUE(half.empty());

  IpatdServer errors({"--error-page-rate", "1"});
  std::string raw;
  ASSERT_EQ(UrlRequest(errors.PageUrl(), "g=Mnu02&i=X", &raw), 200);
  TTextList list;
  ExtractTables(raw, &list);
  ASSERT_GE(list.size(), 3u);
  EXPECT_EQ(list[2], C("[2][3,1]<1>接続エラー"));

  IpatdServer slow({"--delay-ms", "300"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Statuses(slow, 1), std::vector<int>{200});
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

}  // namespace
}  // namespace vorpa

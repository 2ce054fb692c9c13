#include "server/PageHtml.h"
#include "server/Pages.h"

namespace vorpa::sim {
namespace {

std::string NavForm(const std::string& page, const std::string& caption) {
  return "<form action=\"/p/s\" method=\"post\"><input type=\"hidden\" name=\"g\" value=\"" + page +
         "\"><input type=\"submit\" value=\"" + caption + "\"></form>";
}

// Form 4: the session key, the meeting shown and the meeting selector.
std::string MeetingForm(const TSimDay& day, const TSimMeeting& shown, const std::string& key) {
  std::string form =
      "<form action=\"/p/s\" method=\"post\" name=\"kaisai\">\r\n"
      "<input type=\"hidden\" name=\"g\" value=\"Mnu01\">\r\n"
      "<input type=\"hidden\" name=\"s\" value=\"0000000\">\r\n"
      "<input type=\"hidden\" name=\"w\" value=\"" + key + "\">\r\n"
      "<input type=\"hidden\" name=\"j\" value=\"" + shown.Code + "00000\">\r\n"
      "<select name=\"m\">\r\n";
  for (const TSimMeeting& m : day.Meetings)
    form += "<option value=\"" + m.Code + "\"" + (m.Code == shown.Code ? " selected" : "") + ">" +
            VenueText(m) + "</option>\r\n";
  return form + "</select>\r\n<input type=\"submit\" value=\"表示\">\r\n</form>\r\n";
}

std::string Labels(const TSimDay& day) {
  std::string cell;
  for (const TSimMeeting& m : day.Meetings) cell += MeetingLabel(m) + "<br>";
  return Table(Row({cell}), "class=\"kaisai\"");
}

// Nested table 4: race headings (row 1), odds marks (row 3), result marks
// (row 5) in columns 2..13.
std::string RaceTable(const TSimDay& day, const TSimMeeting& shown, double now) {
  std::vector<std::string> heads = {"レース"}, posts = {"発走"}, odds = {"オッズ"},
                           cards = {"出馬表"}, results = {"成績"};
  for (const TSimRace& r : shown.Races) {
    heads.push_back(std::to_string(r.No) + "R");
    posts.push_back(PostTimeText(r.PostTime));
    odds.push_back(OddsMark(shown, r, now));
    cards.push_back("出馬表");
    results.push_back(ResultMark(day, shown, r, now));
  }
  return Table(Row(heads) + Row(posts) + Row(odds) + Row(cards) + Row(results), "class=\"race\"");
}

}  // namespace

std::string MenuPage(const TSimDay& day, const TSimMeeting& shown, const std::string& key,
                     double now) {
  const std::string nav = Table(Row({NavForm("Top01", "トップ"), NavForm("Hlp01", "ヘルプ"),
                                     NavForm("Out99", "ログアウト")}));
  const std::string legend = Table(Row({"(最終)：最終オッズ　(全馬)：全馬確定"}));
  const std::string main =
      "<tr><td>" + Labels(day) + "</td></tr>\r\n"
      "<tr><td>" + Table(Row({MeetingForm(day, shown, key)})) + legend + "</td></tr>\r\n"
      "<tr><td>" + RaceTable(day, shown, now) + "</td></tr>\r\n";
  return Page(TitleTable("開催メニュー") + nav + Table(main, "class=\"main\""));
}

}  // namespace vorpa::sim

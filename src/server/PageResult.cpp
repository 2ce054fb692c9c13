#include "server/PageHtml.h"
#include "server/Pages.h"
#include "server/SimResult.h"

namespace vorpa::sim {
namespace {

// Places 1..9 in columns 1..5 of rows 2..10, places 10..18 in columns 6..10.
std::string FinishTable(const TSimResult& r) {
  TGrid grid;
  const char* heads[] = {"着順", "枠", "馬番", "馬名", "着差"};
  for (int c = 0; c < 10; ++c) grid[1][c + 1] = heads[c % 5];
  for (size_t k = 0; k < r.Rows.size() && k < 18; ++k) {
    const int row = int(k % 9) + 2, col = k < 9 ? 1 : 6;
    const TFinishRow& f = r.Rows[k];
    grid[row][col] = f.Place;
    grid[row][col + 1] = f.Frame;
    grid[row][col + 2] = f.HorseNo;
    grid[row][col + 3] = f.Name;
    grid[row][col + 4] = f.Margin;
  }
  return Table(GridRows(grid, r.Rows.empty() ? 1 : std::min(10, int(r.Rows.size()) + 1)),
               "class=\"chakujun\"");
}

// One bet type: `rows` rows of combination and payout.
std::string PayTable(const std::vector<TPayout>& pays, int rows) {
  std::string html;
  for (int k = 0; k < rows; ++k)
    html += k < int(pays.size()) ? Row({pays[size_t(k)].Combination, pays[size_t(k)].Pay})
                                 : Row({"", ""});
  return Table(html, "class=\"harai\"");
}

std::string RefundTable(const std::vector<std::string>& texts) {
  std::string html;
  for (const std::string& t : texts) html += Row({t});
  return Table(html, "class=\"henkan\"");
}

std::string Cells(const std::vector<std::string>& tables) {
  std::string row = "<tr>";
  for (const std::string& t : tables) row += "<td>" + t + "</td>";
  return row + "</tr>\r\n";
}

std::string PayoutTable(const TSimResult& r) {
  const std::string rows =
      Row({"単勝", "複勝", "枠連", "ワイド", "返還"}) +
      Cells({PayTable(r.Win, 2), PayTable(r.Place, 4), PayTable(r.Bracket, 4), PayTable(r.Wide, 5),
             RefundTable(r.Refund)}) +
      Row({"馬連", "馬単", "3連複", "3連単"}) +
      Cells({PayTable(r.Quinella, 2), PayTable(r.Exacta, 2), PayTable(r.Trio, 2),
             PayTable(r.Trifecta, 2)});
  return Table(rows, "class=\"haraimodoshi\"");
}

}  // namespace

std::string ResultPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now) {
  if (race.CancelledAt(now)) return MessagePage("お知らせ", "このレースは中止になりました。");
  const TSimResult r = ResultAt(day, meeting, race, now);
  const std::string order = Table(Row({"着順"}) + Cells({FinishTable(r)}));
  const std::string pays = Table(Row({"払戻金"}) + Cells({r.Published ? PayoutTable(r) : ""}));
  const std::string main = Cells({order}) + Row({"払戻金一覧"}) + Cells({pays});
  return Page(TitleTable("レース結果") +
              Table(Row({VenueText(meeting) + " " + std::to_string(race.No) + "R",
                         race.Title.empty() ? race.Condition : race.Title})) +
              Table(Row({r.Published ? "確定" : "確定前"})) + Table(main, "class=\"seiseki\""));
}

}  // namespace vorpa::sim

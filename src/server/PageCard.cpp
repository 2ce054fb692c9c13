#include "server/PageHtml.h"
#include "server/Pages.h"

namespace vorpa::sim {
namespace {

std::string RunnerRow(const TSimMeeting& meeting, const TSimRace& race, const TSimRunner& r,
                      double now) {
  const std::string frame = std::to_string(r.FrameNo);
  std::string row = "<tr><td>";
  row += race.NestedFrames ? Table(Row({frame}), "class=\"waku\"") : frame;
  row += "</td>";
  for (const std::string& text :
       {r.Scratched ? std::string("取消") : std::to_string(r.HorseNo), r.Name, r.SexAge,
        WeightText(meeting, race, r, now), WeightDiffText(meeting, race, r, now), r.Jockey,
        r.Burden, r.Trainer})
    row += Cell(text);
  return row + "</tr>\r\n";
}

}  // namespace

std::string CardPage(const TSimMeeting& meeting, const TSimRace& race, double now) {
  std::string header;
  for (const std::string& h : CardHeader(meeting, race))
    if (!h.empty()) header += h + "<br>\r\n";
  std::string rows = Row({"枠", "馬番", "馬名", "性齢", "馬体重", "増減", "騎手", "負担重量", "調教師"});
  for (const TSimRunner& r : race.Runners) rows += RunnerRow(meeting, race, r, now);
  return Page(TitleTable("出馬表") +
              Table(Row({VenueText(meeting) + std::to_string(race.No) + "R"})) + header +
              Table(rows, "class=\"syutuba\""));
}

}  // namespace vorpa::sim

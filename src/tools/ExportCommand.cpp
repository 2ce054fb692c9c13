// vorpa-tool export: every odds reading of a date as tidy rows (CSV or JSON).
#include <cstdio>
#include <string>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "tools/Json.h"
#include "tools/RaceFileArg.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

// One odds row; the text fields are UTF-8.
struct Row {
  const std::string* Date;
  const std::string* Venue;
  int Race;
  int Reading;
  std::string Time;
  const char* BetType;
  std::string Combination;
  double Odds;
};

class RowWriter {
 public:
  explicit RowWriter(bool json) : json_(json) {
    if (!json_) Put("date,venue,race,reading,time,bet_type,combination,odds\n");
    else Put("[");
  }

  void Write(const Row& r) {
    if (json_) {
      JsonOut j;
      j.BeginObject().Key("date").Utf8(*r.Date).Key("venue").Utf8(*r.Venue);
      j.Key("race").Int(r.Race).Key("reading").Int(r.Reading).Key("time").Utf8(r.Time);
      j.Key("bet_type").Utf8(r.BetType).Key("combination").Utf8(r.Combination);
      j.Key("odds").Number(r.Odds).EndObject();
      Put(rows_ ? ",\n" : "\n");
      Put(j.Text());
    } else {
      Put(*r.Date + "," + *r.Venue + "," + std::to_string(r.Race) + "," +
          std::to_string(r.Reading) + "," + r.Time + "," + r.BetType + "," + r.Combination + "," +
          ShortestNumber(r.Odds) + "\n");
    }
    ++rows_;
  }

  ~RowWriter() {
    if (json_) Put(rows_ ? "\n]\n" : "]\n");
    std::fwrite(buf_.data(), 1, buf_.size(), stdout);
  }

 private:
  void Put(const std::string& s) {
    buf_ += s;
    if (buf_.size() > (1 << 16)) {
      std::fwrite(buf_.data(), 1, buf_.size(), stdout);
      buf_.clear();
    }
  }
  const bool json_;
  long rows_ = 0;
  std::string buf_;
};

// The rows of one reading: each bet type with its own reading time; cells
// without a reading are left out.
void ReadingRows(RowWriter& w, Row base, const OddsSnapshot& s, int n) {
  auto put = [&](const char* type, double time, std::string combo, double odds) {
    if (odds == NoOdds) return;
    base.BetType = type;
    base.Time = TimeToText(time);
    base.Combination = std::move(combo);
    base.Odds = odds;
    w.Write(base);
  };
  auto pair = [](int i, int j, const char* sep) { return std::to_string(i) + sep + std::to_string(j); };
  for (int h = 1; h <= n; ++h) put("win", s.WinTime(), std::to_string(h), s.Win(h));
  for (int h = 1; h <= n; ++h) put("place_low", s.WinTime(), std::to_string(h), s.PlaceLow(h));
  for (int h = 1; h <= n; ++h) put("place_high", s.WinTime(), std::to_string(h), s.PlaceHigh(h));
  for (int i = 1; i <= kMaxFrames; ++i)
    for (int j = i; j <= kMaxFrames; ++j) put("bracket", s.WinTime(), pair(i, j, "_"), s.Bracket(i, j));
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j) put("quinella", s.QuinellaTime(), pair(i, j, "_"), s.Quinella(i, j));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      if (i != j) put("exacta", s.ExactaTime(), pair(i, j, ">"), s.Exacta(i, j));
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j) put("wide_low", s.WideTime(), pair(i, j, "_"), s.WideLow(i, j));
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j) put("wide_high", s.WideTime(), pair(i, j, "_"), s.WideHigh(i, j));
}

int RunExport(ToolContext& ctx, const std::vector<std::string>& args) {
  double date = 0;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--date" && i + 1 < args.size() && TryTextToDate(args[i + 1], &date)) {
      ++i;
    } else if (args[i] == "--format" && i + 1 < args.size() &&
               (args[i + 1] == "csv" || args[i + 1] == "json")) {
      json = args[++i] == "json";
    } else {
      std::fprintf(stderr, "vorpa-tool export: bad argument: %s (see --help)\n", args[i].c_str());
      return 2;
    }
  }
  if (date == 0) {
    std::fprintf(stderr, "vorpa-tool export: --date yyyy-mm-dd is required\n");
    return 2;
  }
  const std::string dataDir = ctx.DataDir.empty() ? LoadSetting(ctx.ConfigDir).MojiPath : ctx.DataDir;
  if (dataDir.empty()) {
    std::fprintf(stderr, "vorpa-tool export: no data directory (--data-dir or MojiPath)\n");
    return 2;
  }
  if (!DateHasRaceFiles("export", dataDir, date)) return 1;
  const std::string dateText = DateToIsoText(date);
  RowWriter w(json);
  TRace race;
  for (const TRaceFileEntry& f : ListRaceFiles(dataDir, date)) {
    LoadRaceFile(f.Path, f.VenueName, f.RaceNo, race, date);
    const std::string venue = Cp932ToUtf8(f.VenueName);
    const int n = std::min(std::max(race.Header.RunnerCount, 0), kMaxRunners);
    for (size_t k = 0; k < race.Snapshots.size(); ++k)
      ReadingRows(w, Row{&dateText, &venue, f.RaceNo, static_cast<int>(k + 1), "", "", "", 0},
                  race.Snapshots[k], n);
  }
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(export, "export", "write every odds reading of a date as CSV or JSON rows",
                   "usage: vorpa-tool [--data-dir DIR] export --date yyyy-mm-dd [--format csv|json]\n\n"
                   "Reads every race file of the date in the data directory (--data-dir, else\n"
                   "MojiPath of Vorpa.Ini) and writes one row per odds cell of every reading:\n"
                   "date, venue, race, reading (1 = oldest), time (the reading time of the bet\n"
                   "type's page), bet_type (win, place_low, place_high, bracket, quinella,\n"
                   "exacta, wide_low, wide_high), combination (\"3\", \"1_2\", exacta \"1>2\"),\n"
                   "odds. Cells without a reading are left out. CSV (default): UTF-8 with a\n"
                   "header line, LF line ends. JSON: an array of objects with those keys.\n"
                   "A data directory that does not exist, or a date without race files, is an\n"
                   "error (exit 1); race files without readings give the header (or []) alone\n"
                   "and exit 0.\n",
                   RunExport);

}  // namespace vorpa::tool

// vorpa-tool db: the history database of the data directory (sync,
// rebuild, query, path).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Setting.h"
#include "history/HistoryDb.h"
#include "history/HistorySync.h"
#include "history/Sqlite.h"
#include "tools/Json.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

using Clock = std::chrono::steady_clock;

// Progress of a long sync on stderr, at most once a second: count and rate.
class SyncMeter {
 public:
  void operator()(int done, int total) {
    const Clock::time_point now = Clock::now();
    if (now - last_ < std::chrono::seconds(1) && done != total) return;
    if (done == total && !shown_) return;  // a short sync says nothing
    last_ = now;
    shown_ = true;
    const double secs = std::chrono::duration<double>(now - start_).count();
    std::fprintf(stderr, "vorpa-tool db: %d/%d files, %.0f files/s\n", done, total,
                 secs > 0 ? done / secs : 0.0);
  }

 private:
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_ = start_;
  bool shown_ = false;
};

int Report(const char* what, const TSyncResult& r) {
  if (r.Renewed)
    std::fprintf(stderr, "vorpa-tool db %s: the database was damaged; kept as vorpa.sqlite.bad\n",
                 what);
  if (!r.Ok) {
    std::fprintf(stderr, "vorpa-tool db %s: %s\n", what, r.Error.c_str());
    return 1;
  }
  std::printf("%d race files, %d added or replaced, %d removed\n", r.Files, r.Put, r.Removed);
  return 0;
}

// Columns of a text table: East Asian wide characters take two columns.
int DisplayWidth(const std::string& utf8) {
  int w = 0;
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    uint32_t cp = len == 1 ? c : c & (0x3F >> (len - 1));
    for (int k = 1; k < len && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                      (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                      (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                      (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000;
    w += wide ? 2 : 1;
    i += static_cast<size_t>(len);
  }
  return w;
}

std::string CsvField(const std::string& v) {
  if (v.find_first_of(",\"\r\n") == std::string::npos) return v;
  std::string out = "\"";
  for (char c : v) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

enum class Format { Table, Csv, Json };

std::string JsonValue(const TSqlite::Statement& s, int c) {
  if (s.IsNull(c)) return "null";
  if (s.IsInteger(c)) return std::to_string(s.Int(c));
  if (s.IsReal(c)) return ShortestNumber(s.Real(c));
  return JsonQuoted(s.Text(c));
}

int RunQuery(const std::string& dataDir, const std::string& sql, Format format) {
  TSqlite db;
  const std::string path = HistoryDbPath(dataDir);
  if (!db.Open(path, TSqlite::Mode::ReadOnly, THistoryDb::kBusyMs) ||
      !db.Exec("PRAGMA query_only=ON")) {
    std::fprintf(stderr, "vorpa-tool db query: cannot open %s: %s (vorpa-tool db sync makes it)\n",
                 path.c_str(), db.ErrorText().c_str());
    return 1;
  }
  TSqlite::Statement s = db.Prepare(sql);
  if (!s.Valid()) {
    std::fprintf(stderr, "vorpa-tool db query: %s\n", db.ErrorText().c_str());
    return 1;
  }
  const int n = s.ColumnCount();
  std::vector<std::string> names;
  for (int c = 0; c < n; ++c) names.push_back(s.ColumnName(c));
  std::vector<std::vector<std::string>> rows;  // the text table, kept for the widths
  bool firstRow = true;
  if (format == Format::Csv) {
    for (int c = 0; c < n; ++c) std::printf("%s%s", c ? "," : "", CsvField(names[c]).c_str());
    std::printf("\r\n");
  }
  if (format == Format::Json) std::printf("[");
  while (s.Step()) {
    if (format == Format::Json) {
      std::printf("%s\n{", firstRow ? "" : ",");
      for (int c = 0; c < n; ++c)
        std::printf("%s%s:%s", c ? "," : "", JsonQuoted(names[c]).c_str(), JsonValue(s, c).c_str());
      std::printf("}");
    } else if (format == Format::Csv) {
      for (int c = 0; c < n; ++c) std::printf("%s%s", c ? "," : "", CsvField(s.Text(c)).c_str());
      std::printf("\r\n");
    } else {
      std::vector<std::string> row;
      for (int c = 0; c < n; ++c) row.push_back(s.IsNull(c) ? "NULL" : s.Text(c));
      rows.push_back(std::move(row));
    }
    firstRow = false;
  }
  if (s.Failed()) {
    if (format == Format::Json) std::printf("]\n");
    std::fflush(stdout);
    std::fprintf(stderr, "vorpa-tool db query: %s\n", db.ErrorText().c_str());
    return 1;
  }
  if (format == Format::Json) std::printf("%s]\n", firstRow ? "" : "\n");
  if (format != Format::Table) return 0;
  std::vector<int> widths;
  for (const std::string& name : names) widths.push_back(DisplayWidth(name));
  for (const auto& row : rows)
    for (int c = 0; c < n; ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
  auto printRow = [&](const std::vector<std::string>& row) {
    std::string line;
    for (int c = 0; c < n; ++c) {
      if (c) line += "  ";
      line += row[c];
      if (c + 1 < n) line += std::string(static_cast<size_t>(widths[c] - DisplayWidth(row[c])), ' ');
    }
    std::printf("%s\n", line.c_str());
  };
  printRow(names);
  for (const auto& row : rows) printRow(row);
  return 0;
}

int RunDb(ToolContext& ctx, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "vorpa-tool db: sync, rebuild, query or path (see --help)\n");
    return 2;
  }
  const std::string& verb = args[0];
  const std::string dataDir = ctx.DataDir.empty() ? LoadSetting(ctx.ConfigDir).MojiPath : ctx.DataDir;
  if (dataDir.empty()) {
    std::fprintf(stderr, "vorpa-tool db: no data directory (--data-dir or MojiPath)\n");
    return 2;
  }
  if (verb == "path" && args.size() == 1) {
    std::printf("%s\n", HistoryDbPath(dataDir).c_str());
    return 0;
  }
  if ((verb == "sync" || verb == "rebuild") && args.size() == 1) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dataDir, ec)) {
      std::fprintf(stderr, "vorpa-tool db %s: no data directory %s\n", verb.c_str(), dataDir.c_str());
      return 1;
    }
    SyncMeter meter;
    const TSyncProgress progress = [&meter](int done, int total) { meter(done, total); };
    return Report(verb.c_str(), verb == "sync" ? SyncHistory(dataDir, progress)
                                               : RebuildHistory(dataDir, progress));
  }
  if (verb == "query" && (args.size() == 2 || args.size() == 3)) {
    Format format = Format::Table;
    if (args.size() == 3) {
      if (args[2] == "--csv") format = Format::Csv;
      else if (args[2] == "--json") format = Format::Json;
      else {
        std::fprintf(stderr, "vorpa-tool db query: bad argument: %s (see --help)\n", args[2].c_str());
        return 2;
      }
    }
    return RunQuery(dataDir, args[1], format);
  }
  std::fprintf(stderr, "vorpa-tool db: bad arguments (see --help)\n");
  return 2;
}

}  // namespace

VORPA_TOOL_COMMAND(db, "db", "the history database: sync, rebuild, query, path",
                   "usage: vorpa-tool [--data-dir DIR] db sync\n"
                   "       vorpa-tool [--data-dir DIR] db rebuild\n"
                   "       vorpa-tool [--data-dir DIR] db query \"SQL\" [--csv|--json]\n"
                   "       vorpa-tool [--data-dir DIR] db path\n\n"
                   "The history database vorpa.sqlite in the data directory (--data-dir or the\n"
                   "MojiPath of Vorpa.Ini) indexes every race file; the README describes its\n"
                   "tables.\n"
                   "  sync     adds or replaces every race file whose modification time differs\n"
                   "           from its row and removes the rows of files that are gone; a\n"
                   "           damaged database is kept as vorpa.sqlite.bad and made anew.\n"
                   "           Prints \"N race files, A added or replaced, R removed\"; a long\n"
                   "           sync shows its progress (count and files per second) on stderr.\n"
                   "  rebuild  the same from an empty database.\n"
                   "  query    runs one SQL statement on the database opened read-only (a\n"
                   "           statement that writes fails) and prints its rows: a text table,\n"
                   "           with --csv a header line and RFC 4180 rows, with --json one\n"
                   "           array of objects keyed by column name (NULL as null).\n"
                   "  path     prints the database's path.\n"
                   "Exit status 1 when the database cannot be opened or a statement fails.\n",
                   RunDb);

}  // namespace vorpa::tool

// vorpa-tool decode: runs the session's page decoder of a state on a saved
// page, as the IPAT debug window does.
#include <cstdio>
#include <optional>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/MeetingClock.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "ipat/IPatLog.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

struct DecodeArgs {
  int State = -1;
  int Slot = 1;
  int Race = 1;
  std::string Code;
  std::optional<double> Date;
  bool Store = false;
  std::string Page;
};

bool IntArg(const std::string& text, int lo, int hi, int* out) {
  try {
    size_t used = 0;
    int v = std::stoi(text, &used);
    if (used != text.size() || v < lo || v > hi) return false;
    *out = v;
    return true;
  } catch (...) {
    return false;
  }
}

// Fills `a` from the arguments; an error message when they do not fit.
std::string ParseArgs(const std::vector<std::string>& args, DecodeArgs* a) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& o = args[i];
    auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    const std::string* v = nullptr;
    if (o == "--store") {
      a->Store = true;
    } else if (o == "--state") {
      if (!(v = value()) || !IntArg(*v, 0, 15, &a->State)) return "--state needs a state 0..15";
    } else if (o == "--slot") {
      if (!(v = value()) || !IntArg(*v, 1, kStatusSlots, &a->Slot)) return "--slot needs a venue slot 1..3";
    } else if (o == "--race") {
      if (!(v = value()) || !IntArg(*v, 1, kStatusRaces, &a->Race)) return "--race needs a race number 1..12";
    } else if (o == "--code") {
      if (!(v = value())) return "--code needs a meeting code";
      a->Code = *v;
    } else if (o == "--date") {
      double d = 0;
      if (!(v = value()) || !TryTextToDate(*v, &d)) return "--date needs a date yyyy-mm-dd";
      a->Date = d;
    } else if (o.starts_with("-") && o != "-") {
      return "unknown option: " + o;
    } else if (a->Page.empty()) {
      a->Page = o;
    } else {
      return "unexpected argument: " + o;
    }
  }
  if (a->State < 0) return "--state is required";
  if (a->Page.empty()) return "a page file is required";
  return "";
}

void PrintLine(const std::string& cp932) {
  const std::string text = Cp932ToUtf8(cp932) + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
}

int RunDecode(ToolContext& ctx, const std::vector<std::string>& args) {
  DecodeArgs a;
  if (std::string error = ParseArgs(args, &a); !error.empty()) {
    std::fprintf(stderr, "vorpa-tool decode: %s\n", error.c_str());
    return 2;
  }
  std::string page;
  if (!LockedReadFile(a.Page, &page)) {
    std::fprintf(stderr, "vorpa-tool decode: cannot read %s\n", a.Page.c_str());
    return 2;
  }
  TSetting setting = LoadSetting(ctx.ConfigDir);
  if (!ctx.DataDir.empty()) setting.MojiPath = ctx.DataDir;
  TIPat ipat(setting, *ctx.Clock);
  ipat.Init();
  ipat.CurVenue = a.Slot;
  ipat.CurRace = a.Race;
  ipat.MeetingCode[a.Slot].Code = a.Code;
  ipat.MeetingDate = a.Date ? *a.Date : CurrentMeetingDate(ctx.Clock->Now());
  ipat.LoadRace();
  ipat.IPatState = static_cast<uint8_t>(a.State);
  const int code = ipat.Decode(page);
  if (code != 0) {
    PrintLine(std::to_string(code) + " " + TIPat::ErrorText(code));
  } else {
    PrintLine("0");
    for (const std::string& line : IPatLogBlock(ipat)) PrintLine(line);
  }
  if (a.Store) ipat.StoreRace();
  return code == 0 ? 0 : 1;
}

}  // namespace

VORPA_TOOL_COMMAND(decode, "decode", "run the page decoder of a session state on a saved page",
                   "usage: vorpa-tool [--data-dir DIR] [--now TIME] decode --state N [--slot V]\n"
                   "                  [--race R] [--code MEETINGCODE] [--date yyyy-mm-dd] [--store] PAGE\n\n"
                   "Decodes the saved page PAGE (CP932 HTML) as the session does in state N\n"
                   "(1 login menu, 2 menu, 4 race card, 5..10 odds pages, 11 result; other\n"
                   "states give code 3). The session has venue slot V (default 1) with meeting\n"
                   "code MEETINGCODE, race R (default 1) and the meeting date (default: the\n"
                   "current meeting date); the race record is first loaded from the data\n"
                   "directory. Prints the result code on the first line, followed by a blank\n"
                   "and its message when it is not 0; for code 0 the log block of the state\n"
                   "follows. Output is UTF-8. --store stores the record afterwards.\n"
                   "Exit status 0 for code 0, 1 for another code, 2 for bad arguments.\n",
                   RunDecode);

}  // namespace vorpa::tool

// vorpa-tool: the command line over the Vorpa core.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "VorpaVersion.h"
#include "core/AppDirs.h"
#include "core/DayCount.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {

namespace {
std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const CommandInfo& info) { Registry().push_back(info); }

const std::vector<CommandInfo>& Commands() {
  auto& r = Registry();
  std::sort(r.begin(), r.end(), [](const CommandInfo& a, const CommandInfo& b) {
    return std::strcmp(a.Name, b.Name) < 0;
  });
  return r;
}

bool WantsHelp(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--help") != args.end() ||
         std::find(args.begin(), args.end(), "-h") != args.end();
}

namespace {

void PrintHelp() {
  std::printf(
      "usage: vorpa-tool [--config-dir DIR] [--data-dir DIR] [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
      "                  [--clock-start \"YYYY-MM-DD HH:MM:SS\"] [--clock-rate R]\n"
      "                  COMMAND [ARGS...]\n\n"
      "Global options (before or after the command):\n"
      "  --config-dir DIR  directory of Vorpa.Ini and VorpaRemark.txt\n"
      "  --data-dir DIR    data directory (instead of the MojiPath setting)\n"
      "  --now TIME        pin the clock to this local date and time\n"
      "  --clock-start TIME  start the clock here; it runs on in real time\n"
      "  --clock-rate R    the clock runs R times as fast (from --clock-start, or\n"
      "                    from now); timers and error waits follow it\n"
      "  --version         print the version\n\n"
      "Commands:\n");
  for (const CommandInfo& c : Commands()) std::printf("  %-10s %s\n", c.Name, c.Summary);
  std::printf("\n`vorpa-tool COMMAND --help` describes one command.\n");
}

int Run(int argc, char** argv) {
  std::vector<std::string> rest;
  std::string configDir, dataDir, now, clockStart, clockRate;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "vorpa-tool: %s needs a value\n", a.c_str());
        return false;
      }
      *out = argv[++i];
      return true;
    };
    if (a == "--config-dir") {
      if (!value(&configDir)) return 2;
    } else if (a == "--data-dir") {
      if (!value(&dataDir)) return 2;
    } else if (a == "--now") {
      if (!value(&now)) return 2;
    } else if (a == "--clock-start") {
      if (!value(&clockStart)) return 2;
    } else if (a == "--clock-rate") {
      if (!value(&clockRate)) return 2;
    } else {
      rest.push_back(a);
    }
  }
  if (rest.empty() || rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
    PrintHelp();
    return rest.empty() ? 2 : 0;
  }
  if (rest[0] == "--version") {
    std::printf("vorpa-tool %s\n", VORPA_VERSION);
    return 0;
  }
  ToolContext ctx;
  ctx.ConfigDir = ConfigDir(configDir);
  ctx.DataDir = dataDir;
  if (!now.empty() && (!clockStart.empty() || !clockRate.empty())) {
    std::fprintf(stderr, "vorpa-tool: --now excludes --clock-start and --clock-rate\n");
    return 2;
  }
  double rate = 1;
  if (!clockRate.empty() && !ParseClockRate(clockRate, &rate)) {
    std::fprintf(stderr, "vorpa-tool: --clock-rate: not a positive number up to 100000: %s\n",
                 clockRate.c_str());
    return 2;
  }
  if (now.empty() && clockStart.empty() && clockRate.empty()) {
    ctx.Clock = std::make_unique<TSystemClock>();
  } else {
    const std::string& text = now.empty() ? clockStart : now;
    double at = TSystemClock().Now();
    if (!text.empty() && !TryTextToDateTime(text, &at)) {
      std::fprintf(stderr, "vorpa-tool: %s: not a date and time: %s\n",
                   now.empty() ? "--clock-start" : "--now", text.c_str());
      return 2;
    }
    ctx.Clock = std::make_unique<TPinnedClock>(at, now.empty(), rate);
  }
  for (const CommandInfo& c : Commands()) {
    if (rest[0] != c.Name) continue;
    std::vector<std::string> args(rest.begin() + 1, rest.end());
    if (WantsHelp(args)) {
      std::printf("%s", c.Usage);
      return 0;
    }
    return c.Run(ctx, args);
  }
  std::fprintf(stderr, "vorpa-tool: unknown command: %s (see vorpa-tool --help)\n", rest[0].c_str());
  return 2;
}

}  // namespace
}  // namespace vorpa::tool

int main(int argc, char** argv) { return vorpa::tool::Run(argc, argv); }

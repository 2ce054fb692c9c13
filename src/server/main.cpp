// vorpa-ipatd: the stand-in for the IPAT information server, serving a
// simulated race day on loopback.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "VorpaVersion.h"
#include "core/Clock.h"
#include "core/DayCount.h"
#include "server/HttpFront.h"
#include "server/SimService.h"

namespace {

const char kUsage[] =
    "usage: vorpa-ipatd [options]\n"
    "  --port N             port to listen on (default 8931; 0 = any free port)\n"
    "  --bind ADDR          address to listen on (default 127.0.0.1)\n"
    "  --seed N             the simulated days (default 1)\n"
    "  --now TIME           pin the clock at \"YYYY-MM-DD HH:MM:SS\" (default: real clock)\n"
    "  --clock-start TIME   start the clock at TIME; it runs on in real time\n"
    "  --clock-rate R       the clock runs R times as fast (from --clock-start, or\n"
    "                       from now): sale, post and result times follow it\n"
    "  --inet-id ID         accept only this INET ID (repeatable; default: any)\n"
    "  --cancel-from DATE,VENUE,RACE  cancel races RACE..12 of that meeting at the\n"
    "                       post time of the race before (repeatable;\n"
    "                       e.g. 2026-12-12,東京,7)\n"
    "  --fail-rate P        answer 503 to this share of page requests\n"
    "  --truncate-rate P    cut this share of pages off half-way\n"
    "  --error-page-rate P  answer the connection error page to this share\n"
    "  --reset-rate P       drop this share of connections without an answer\n"
    "  --delay-ms N         wait N milliseconds before every page answer\n"
    "  --version            print the version and exit\n";

bool Number(const std::string& text, double lo, double hi, double* out) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || v < lo || v > hi) return false;
  *out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  vorpa::sim::TFrontOptions o;
  std::vector<std::string> ids;
  std::vector<vorpa::sim::TCancelFrom> cancels;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (a == "--version") {
      std::printf("vorpa-ipatd %s\n", VORPA_VERSION);
      return 0;
    }
    if (k + 1 >= argc) {
      std::fprintf(stderr, "vorpa-ipatd: %s needs a value\n%s", a.c_str(), kUsage);
      return 2;
    }
    const std::string v = argv[++k];
    double n = 0;
    bool ok = true;
    if (a == "--port") {
      ok = Number(v, 0, 65535, &n);
      o.Port = int(n);
    } else if (a == "--bind") {
      o.Bind = v;
    } else if (a == "--seed") {
      ok = Number(v, 0, 1e18, &n);
      o.Seed = uint64_t(n);
    } else if (a == "--now" || a == "--clock-start") {
      ok = vorpa::TryTextToDateTime(v, &o.PinnedAt);
      o.Pinned = true;
      o.ClockRuns = a == "--clock-start";
    } else if (a == "--clock-rate") {
      ok = vorpa::ParseClockRate(v, &o.ClockRate);
    } else if (a == "--cancel-from") {
      cancels.emplace_back();
      ok = vorpa::sim::ParseCancelFrom(v, &cancels.back());
    } else if (a == "--inet-id") {
      ids.push_back(v);
    } else if (a == "--fail-rate") {
      ok = Number(v, 0, 1, &o.Faults.FailRate);
    } else if (a == "--truncate-rate") {
      ok = Number(v, 0, 1, &o.Faults.TruncateRate);
    } else if (a == "--error-page-rate") {
      ok = Number(v, 0, 1, &o.Faults.ErrorPageRate);
    } else if (a == "--reset-rate") {
      ok = Number(v, 0, 1, &o.Faults.ResetRate);
    } else if (a == "--delay-ms") {
      ok = Number(v, 0, 600000, &n);
      o.Faults.DelayMs = int(n);
    } else {
      std::fprintf(stderr, "vorpa-ipatd: unknown option %s\n%s", a.c_str(), kUsage);
      return 2;
    }
    if (!ok) {
      std::fprintf(stderr, "vorpa-ipatd: bad value for %s: %s\n", a.c_str(), v.c_str());
      return 2;
    }
  }
  vorpa::sim::TSimService service(o.Seed, ids, cancels);
  return vorpa::sim::RunFront(o, &service);
}

// A whole simulated day fetched from vorpa-ipatd on loopback with no delay:
// every race, every page, at 18:00 when the results are in. In process
// through the acquisition thread (pages per second, client CPU per page),
// and as `vorpa-tool fetch --once` (wall time and peak memory).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPatControl.h"

extern char** environ;

namespace vorpa {
namespace {

const char kNow[] = "2026-12-06 18:00:00";

pid_t Spawn(const std::vector<std::string>& args, const std::string& out) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&fa);
  return pid;
}

// vorpa-ipatd on a free port, for the whole benchmark run.
struct TServer {
  TServer() {
    char tmpl[] = "/tmp/vorpa-fetch-bench-XXXXXX";
    dir = std::string(mkdtemp(tmpl)) + "/";
    pid = Spawn({VORPA_IPATD_PATH, "--port", "0", "--seed", "7", "--now", kNow}, dir + "server.log");
    for (int i = 0; i < 100 && host.empty(); ++i) {
      usleep(50000);
      std::ifstream log(dir + "server.log");
      std::string line;
      if (std::getline(log, line) && line.rfind("vorpa-ipatd listening on ", 0) == 0)
        host = line.substr(std::string("vorpa-ipatd listening on ").size());
    }
  }
  ~TServer() {
    if (pid > 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
    std::filesystem::remove_all(dir);
  }
  std::string dir, host;
  pid_t pid = -1;
};

TServer& Server() {
  static TServer server;
  return server;
}

class TCountingSink : public TIPatSink {
 public:
  void Log(const std::string&) override {}
  void RecvLamp(bool) override {}
  void StatusUpdate(const TIPat&) override {}
  void RaceInfo(const TIPat&) override { ++pages; }
  void HandOverDate(double) override {}
  void ThreadEnd(std::thread::id) override {}
  std::atomic<long> pages{0};
};

double CpuSeconds(int who) {
  rusage u{};
  getrusage(who, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_FetchDayThread(benchmark::State& state) {
  TServer& server = Server();
  if (server.host.empty()) {
    state.SkipWithError("vorpa-ipatd did not start");
    return;
  }
  double at = 0;
  TryTextToDateTime(kNow, &at);
  TPinnedClock clock(at);
  long pages = 0;
  double cpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string data = server.dir + "data/";
    std::filesystem::remove_all(data);
    TSetting setting;
    setting.INetID = "BENCH001";
    setting.MojiPath = data;
    setting.IPatHost = server.host;
    TCountingSink sink;
    TIPatControl control(setting, clock, sink);
    const double cpu0 = CpuSeconds(RUSAGE_SELF);
    state.ResumeTiming();
    control.StartRoutine(true);
    control.FIPatThread.Thread->WaitEnded();
    state.PauseTiming();
    cpu += CpuSeconds(RUSAGE_SELF) - cpu0;
    pages += sink.pages;
    if (control.FIPat.IPatState != TIPat::AllDone) state.SkipWithError("the day did not end in 15");
    state.ResumeTiming();
  }
  state.counters["pages"] = benchmark::Counter(double(pages) / state.iterations());
  state.counters["pages_per_s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
  state.counters["cpu_ms_per_page"] = benchmark::Counter(pages ? cpu * 1000 / pages : 0);
}
BENCHMARK(BM_FetchDayThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FetchDayTool(benchmark::State& state) {
  TServer& server = Server();
  if (server.host.empty()) {
    state.SkipWithError("vorpa-ipatd did not start");
    return;
  }
  const std::string config = server.dir + "config/";
  std::filesystem::create_directories(config);
  long maxRss = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string data = server.dir + "tooldata/";
    std::filesystem::remove_all(data);
    std::ofstream(config + "Vorpa.Ini") << "[vorpa]\r\nINetID=BENCH001\r\nMojiPath=" << data
                                        << "\r\nIPatHost=" << server.host << "\r\n";
    state.ResumeTiming();
    const pid_t pid = Spawn({VORPA_TOOL_PATH, "--config-dir", config, "--now", kNow, "fetch", "--once"},
                            server.dir + "fetch.log");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    maxRss = std::max(maxRss, usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("vorpa-tool fetch failed");
  }
  state.counters["peak_rss_MiB"] = benchmark::Counter(maxRss / 1024.0);
}
BENCHMARK(BM_FetchDayTool)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vorpa

#include "server/HttpFront.h"

#include <httplib.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "server/Pages.h"
#include "server/SimRandom.h"

namespace vorpa::sim {
namespace {

constexpr size_t kMaxBody = 64 * 1024;
const char kPageType[] = "text/html; charset=Shift_JIS";

// Drops the connection of a request without an answer: the socket whose
// peer is the request's remote end is shut down with an immediate reset.
// (The server does not hand its sockets to the handlers.)
void ResetConnection(const httplib::Request& q) {
  for (int fd = 3; fd < 65536; ++fd) {
    sockaddr_storage peer{};
    socklen_t len = sizeof peer;
    if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &len) != 0) {
      if (errno == EBADF && fd > 1024) break;
      continue;
    }
    int port = 0;
    if (peer.ss_family == AF_INET) port = ntohs(reinterpret_cast<sockaddr_in*>(&peer)->sin_port);
    if (peer.ss_family == AF_INET6) port = ntohs(reinterpret_cast<sockaddr_in6*>(&peer)->sin6_port);
    if (port != q.remote_port) continue;
    linger l{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    shutdown(fd, SHUT_RDWR);
    return;
  }
}

// The server's clock: the real one, one started at a given moment (or now)
// that runs on from there at its rate, or pinned where a test put it.
std::unique_ptr<TClock> BaseClock(const TFrontOptions& o) {
  if (!o.ClockRuns && o.ClockRate == 1) return std::make_unique<TSystemClock>();
  return std::make_unique<TPinnedClock>(o.ClockRuns ? o.PinnedAt : TSystemClock().Now(), true,
                                        o.ClockRate);
}

class TServerClock {
 public:
  TServerClock(const TFrontOptions& o)
      : base_(BaseClock(o)),
        pinned_(o.Pinned && !o.ClockRuns),
        at_(o.PinnedAt) {}
  double Now() {
    std::lock_guard<std::mutex> lock(mutex_);
    return pinned_ ? at_ : base_->Now();
  }
  void Pin(double at) {
    std::lock_guard<std::mutex> lock(mutex_);
    pinned_ = true;
    at_ = at;
  }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    pinned_ = false;
  }

 private:
  std::mutex mutex_;
  std::unique_ptr<TClock> base_;
  bool pinned_;
  double at_;
};

class TFront {
 public:
  TFront(const TFrontOptions& o, TSimService* s)
      : options_(o), service_(s), clock_(o) {}

  int Run() {
    server_.set_payload_max_length(kMaxBody);
    server_.Post("/p/s", [this](const httplib::Request& q, httplib::Response& r) { Page(q, r); });
    server_.Get("/p/s", [](const httplib::Request&, httplib::Response& r) {
      r.status = 405;
      r.set_content("pages are asked for by form posts\n", "text/plain");
    });
    server_.Get("/truth", [this](const httplib::Request&, httplib::Response& r) {
      r.set_content(service_->Truth(clock_.Now()), "application/json; charset=utf-8");
    });
    server_.Get(R"(/truth/([0-9A-Za-z]{5})/([0-9]{1,2}))",
                [this](const httplib::Request& q, httplib::Response& r) {
                  const std::string json =
                      service_->Truth(clock_.Now(), q.matches[1], std::stoi(q.matches[2]));
                  if (json.empty()) {
                    r.status = 404;
                    r.set_content("no such race\n", "text/plain");
                    return;
                  }
                  r.set_content(json, "application/json; charset=utf-8");
                });
    server_.Get("/control/ping", [](const httplib::Request&, httplib::Response& r) {
      r.set_content("ok\n", "text/plain");
    });
    server_.Get("/control/now", [this](const httplib::Request&, httplib::Response& r) {
      r.set_content(DateTimeToIsoText(clock_.Now()) + "\n", "text/plain");
    });
    server_.Post("/control/now", [this](const httplib::Request& q, httplib::Response& r) { SetNow(q, r); });

    const int port = options_.Port == 0 ? server_.bind_to_any_port(options_.Bind)
                                        : (server_.bind_to_port(options_.Bind, options_.Port)
                                               ? options_.Port : -1);
    if (port <= 0) {
      std::fprintf(stderr, "vorpa-ipatd: cannot listen on %s:%d\n", options_.Bind.c_str(),
                   options_.Port);
      return 1;
    }
    std::printf("vorpa-ipatd listening on %s:%d\n", options_.Bind.c_str(), port);
    std::fflush(stdout);
    return server_.listen_after_bind() ? 0 : 1;
  }

 private:
  void SetNow(const httplib::Request& q, httplib::Response& r) {
    double at = 0;
    if (q.body == "real") {
      clock_.Release();
    } else if (TryTextToDateTime(q.body, &at)) {
      clock_.Pin(at);
    } else {
      r.status = 400;
      r.set_content("expected \"YYYY-MM-DD HH:MM:SS\" or \"real\"\n", "text/plain");
      return;
    }
    r.set_content(DateTimeToIsoText(clock_.Now()) + "\n", "text/plain");
  }

  void Page(const httplib::Request& q, httplib::Response& r) {
    TFormFields fields;
    if (!ParseFormBody(q.body, &fields)) {
      r.status = 400;
      r.set_content("malformed form body\n", "text/plain");
      return;
    }
    const TFaults& f = options_.Faults;
    const uint64_t n = requests_++;
    auto draw = [&](uint64_t k) { return Uniform({options_.Seed, n, k, 0xFA17}); };
    if (f.DelayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(f.DelayMs));
    if (draw(1) < f.ResetRate) {
      ResetConnection(q);
      return;
    }
    if (draw(2) < f.FailRate) {
      r.status = 503;
      r.set_content("service unavailable\n", "text/plain");
      return;
    }
    const std::string page = Utf8ToCp932(draw(3) < f.ErrorPageRate
                                             ? ErrorPage("接続エラー")
                                             : service_->Answer(fields, clock_.Now()));
    if (draw(4) < f.TruncateRate) {
      // The full length is announced, half is sent, then the connection ends.
      r.set_content_provider(page.size(), kPageType,
                             [page](size_t, size_t, httplib::DataSink& sink) {
                               sink.write(page.data(), page.size() / 2);
                               return false;
                             });
      return;
    }
    r.set_content(page, kPageType);
  }

  TFrontOptions options_;
  TSimService* service_;
  TServerClock clock_;
  httplib::Server server_;
  std::atomic<uint64_t> requests_{0};
};

}  // namespace

int RunFront(const TFrontOptions& options, TSimService* service) {
  TFront front(options, service);
  return front.Run();
}

}  // namespace vorpa::sim

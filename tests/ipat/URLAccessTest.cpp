#include "ipat/URLAccess.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vorpa {
namespace {

// A loopback server that records each raw request and answers it with
// what the test gives: a whole response, or nothing (the connection held
// open until the server ends).
class TRawServer {
 public:
  using Answer = std::function<std::string(const std::string& request)>;

  explicit TRawServer(Answer answer) : answer_(std::move(answer)) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(fd_, 8);
    socklen_t len = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TRawServer() {
    stop_ = true;
    shutdown(fd_, SHUT_RDWR);
    close(fd_);
    thread_.join();
    for (std::thread& t : workers_) t.join();
  }

  std::string Url(const std::string& pathAndQuery, const std::string& scheme = "http") const {
    return scheme + "://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
  }
  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    for (;;) {
      const int c = accept(fd_, nullptr, nullptr);
      if (c < 0) return;
      workers_.emplace_back([this, c] { Handle(c); });
    }
  }

  void Handle(int c) {
    std::string request;
    char buf[4096];
    // Headers, then as many body bytes as Content-Length says.
    for (;;) {
      const size_t end = request.find("\r\n\r\n");
      if (end != std::string::npos) {
        const size_t cl = request.find("Content-Length: ");
        const size_t want = cl == std::string::npos ? 0 : std::stoul(request.substr(cl + 16));
        if (request.size() >= end + 4 + want) break;
      }
      const ssize_t n = recv(c, buf, sizeof buf, 0);
      if (n <= 0) break;
      request.append(buf, size_t(n));
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(request);
    }
    const std::string response = answer_(request);
    if (response.empty()) {
      while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } else {
      send(c, response.data(), response.size(), MSG_NOSIGNAL);
    }
    close(c);
  }

  Answer answer_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
};

std::string Response(int status, const std::string& body, const char* extra = "") {
  return "HTTP/1.0 " + std::to_string(status) + " X\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n" + extra + "\r\n" + body;
}

TEST(URLAccessTest, GetSendsNoContentTypeAndAppendsTheBody) {
  TRawServer server([](const std::string&) { return Response(200, "page\x82\xa0"); });
  std::string out = "before:";
  EXPECT_EQ(UrlRequest(server.Url("/p/s"), "", &out), 200);
  EXPECT_EQ(out, "before:page\x82\xa0");
  const std::string req = server.Requests().at(0);
  EXPECT_EQ(req.rfind("GET /p/s HTTP/1.0\r\n", 0), 0u) << req;
  EXPECT_NE(req.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"),
            std::string::npos);
  EXPECT_NE(req.find("\r\nPragma: no-cache\r\n"), std::string::npos);
  EXPECT_EQ(req.find("Content-type"), std::string::npos);
  EXPECT_EQ(req.find("Content-Type"), std::string::npos);
}

TEST(URLAccessTest, PostSendsTheFormAsItIs) {
  TRawServer server([](const std::string&) { return Response(200, "ok"); });
  std::string out;
  const std::string body = "g=Den01&s=50323b0&w=KEY&j=5032300000";
  EXPECT_EQ(UrlRequest(server.Url("/p/s", "https"), body, &out), 200);
  const std::string req = server.Requests().at(0);
  EXPECT_EQ(req.rfind("POST /p/s HTTP/1.0\r\n", 0), 0u) << req;
  EXPECT_NE(req.find("\r\nContent-type: application/x-www-form-urlencoded\r\n"), std::string::npos);
  EXPECT_EQ(req.substr(req.size() - body.size()), body);
}

TEST(URLAccessTest, OtherStatusesReturnTheirNumberWithAnEmptyStream) {
  TRawServer server([](const std::string& req) {
    return req.find(" /moved ") != std::string::npos
               ? Response(302, "moved", "Location: /elsewhere\r\n")
               : Response(404, "not here");
  });
  std::string out;
  EXPECT_EQ(UrlRequest(server.Url("/moved"), "", &out), 302);
  EXPECT_EQ(out, "");
  EXPECT_EQ(UrlRequest(server.Url("/missing"), "x=1", &out), 404);
  EXPECT_EQ(out, "");
  EXPECT_EQ(server.Requests().size(), 2u);  // the redirect is not followed
}

TEST(URLAccessTest, TheQueryPartIsNotSent) {
  TRawServer server([](const std::string&) { return Response(200, ""); });
  std::string out;
  EXPECT_EQ(UrlRequest(server.Url("/p/s?secret=1#frag"), "", &out), 200);
  EXPECT_EQ(server.Requests().at(0).rfind("GET /p/s HTTP/1.0\r\n", 0), 0u);
}

TEST(URLAccessTest, ThePathIsSentAsWritten) {
  TRawServer server([](const std::string&) { return Response(200, ""); });
  std::string out;
  EXPECT_EQ(UrlRequest(server.Url("/a/../p/./s"), "", &out), 200);
  EXPECT_EQ(UrlRequest(server.Url("/p%2Fs%20x"), "", &out), 200);
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].rfind("GET /a/../p/./s HTTP/1.0\r\n", 0), 0u) << requests[0];
  EXPECT_EQ(requests[1].rfind("GET /p%2Fs%20x HTTP/1.0\r\n", 0), 0u) << requests[1];
}

TEST(URLAccessTest, LongBodiesArriveWholeAndCutBodiesFailWhole) {
  std::string big;
  for (int k = 0; k < 100000; ++k) big += char('a' + k % 26);
  TRawServer server([&big](const std::string& req) {
    if (req.find(" /cut ") != std::string::npos)
      return "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + big.substr(0, 500);
    return Response(200, big);
  });
  std::string out;
  EXPECT_EQ(UrlRequest(server.Url("/big"), "", &out), 200);
  EXPECT_EQ(out, big);
  out = "kept";
  EXPECT_EQ(UrlRequest(server.Url("/cut"), "", &out), 0);
  EXPECT_EQ(out, "kept");
}

TEST(URLAccessTest, ASilentServerGivesZeroAfterTheTimeOut) {
  TRawServer server([](const std::string&) { return std::string(); });
  std::string out;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(UrlRequest(server.Url("/p/s"), "g=Mnu02&i=X", &out, 300), 0);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, std::chrono::milliseconds(300));
  EXPECT_LT(took, std::chrono::seconds(10));
  EXPECT_EQ(out, "");
}

TEST(URLAccessTest, RefusedConnectionsAndBadUrlsGiveZero) {
  int port = 0;
  {
    // A port that was just free and has no listener.
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    close(fd);
  }
  std::string out;
  EXPECT_EQ(UrlRequest("http://127.0.0.1:" + std::to_string(port) + "/p/s", "", &out), 0);
  EXPECT_EQ(UrlRequest("no url at all", "", &out), 0);
  EXPECT_EQ(UrlRequest("http:///p/s", "", &out), 0);
  EXPECT_EQ(UrlRequest("http://127.0.0.1:99999/p/s", "", &out), 0);
  EXPECT_EQ(out, "");
}

TEST(URLAccessTest, SplitUrlParts) {
  TUrlInfo info;
  ASSERT_TRUE(SplitUrl("https://user:pw@ipat.example:8931/p/s?x=1", &info));
  EXPECT_EQ(info.Scheme, "https");
  EXPECT_EQ(info.Host, "ipat.example");
  EXPECT_EQ(info.Port, 8931);
  EXPECT_EQ(info.Path, "/p/s");
  ASSERT_TRUE(SplitUrl("http://host", &info));
  EXPECT_EQ(info.Host, "host");
  EXPECT_EQ(info.Port, 0);
  EXPECT_EQ(info.Path, "");
  ASSERT_TRUE(SplitUrl("http://[::1]:80/a", &info));
  EXPECT_EQ(info.Host, "[::1]");
  // The length limit: 2055 characters split, 2056 do not.
  const std::string head = "http://h/";
  EXPECT_TRUE(SplitUrl(head + std::string(2055 - head.size(), 'a'), &info));
  EXPECT_FALSE(SplitUrl(head + std::string(2056 - head.size(), 'a'), &info));
  EXPECT_FALSE(SplitUrl("http://" + std::string(257, 'h') + "/", &info));
  EXPECT_FALSE(SplitUrl("http://h:x/", &info));
}

TEST(URLAccessTest, TwoThreadsRequestAtOnce) {
  TRawServer server([](const std::string& req) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return Response(200, req.substr(0, req.find("\r\n")));
  });
  std::string a, b;
  std::thread t1([&] { EXPECT_EQ(UrlRequest(server.Url("/one"), "", &a), 200); });
  std::thread t2([&] { EXPECT_EQ(UrlRequest(server.Url("/two"), "", &b), 200); });
  t1.join();
  t2.join();
  EXPECT_EQ(a, "GET /one HTTP/1.0");
  EXPECT_EQ(b, "GET /two HTTP/1.0");
}

}  // namespace
}  // namespace vorpa

#include "ipat/URLAccess.h"

#include <curl/curl.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <mutex>

namespace vorpa {
namespace {

// Buffer sizes of the URL splitter, terminating zero excluded.
constexpr size_t kMaxScheme = 32, kMaxHost = 256, kMaxCredential = 128,
                 kMaxPath = 2048, kMaxExtra = 255;

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

bool ParsePort(std::string_view text, int* port) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 65535) return false;
  *port = value;
  return true;
}

// Splits "host[:port]" (host possibly "[v6]").
bool SplitHostPort(std::string_view hostPort, std::string_view* host, int* port) {
  size_t colon = std::string_view::npos;
  if (!hostPort.empty() && hostPort.front() == '[') {
    const size_t close = hostPort.find(']');
    if (close == std::string_view::npos) return false;
    if (close + 1 < hostPort.size()) {
      if (hostPort[close + 1] != ':') return false;
      colon = close + 1;
    }
  } else {
    colon = hostPort.rfind(':');
  }
  *host = hostPort.substr(0, colon);
  *port = 0;
  if (colon != std::string_view::npos && !ParsePort(hostPort.substr(colon + 1), port))
    return false;
  return !host->empty() && host->size() <= kMaxHost;
}

std::once_flag curlInit;

struct TCurlDeleter {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct TSlistDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// State of one transfer, shared with the callbacks.
struct TTransfer {
  CURL* Curl;
  std::string* Out;
  long TimeoutMs;
  std::chrono::steady_clock::time_point LastData;
  curl_off_t LastBytes = -1;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<TTransfer*>(user);
  long status = 0;
  curl_easy_getinfo(t->Curl, CURLINFO_RESPONSE_CODE, &status);
  if (status != 200) return 0;  // the body of any other status is not read
  t->Out->append(data, size * count);
  return size * count;
}

// Ends the transfer when no byte has moved for the receive time-out.
int OnProgress(void* user, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal,
               curl_off_t ulNow) {
  (void)dlTotal;
  (void)ulTotal;
  auto* t = static_cast<TTransfer*>(user);
  const auto now = std::chrono::steady_clock::now();
  if (dlNow + ulNow != t->LastBytes) {
    t->LastBytes = dlNow + ulNow;
    t->LastData = now;
    return 0;
  }
  const auto idle =
      std::chrono::duration_cast<std::chrono::milliseconds>(now - t->LastData).count();
  return idle > t->TimeoutMs ? 1 : 0;
}

}  // namespace

bool SplitUrl(std::string_view url, TUrlInfo* info) {
  if (url.size() > kMaxUrlLength) return false;
  const size_t sep = url.find("://");
  if (sep == std::string_view::npos || sep == 0 || sep > kMaxScheme) return false;
  std::string_view rest = url.substr(sep + 3);
  const size_t authorityEnd = rest.find_first_of("/?#");
  std::string_view authority = rest.substr(0, authorityEnd);
  std::string_view tail =
      authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
  const size_t at = authority.rfind('@');
  if (at != std::string_view::npos) {
    const std::string_view credentials = authority.substr(0, at);
    const size_t colon = credentials.find(':');
    if (credentials.substr(0, colon).size() > kMaxCredential) return false;
    if (colon != std::string_view::npos && credentials.size() - colon - 1 > kMaxCredential)
      return false;
    authority = authority.substr(at + 1);
  }
  std::string_view host;
  int port = 0;
  if (!SplitHostPort(authority, &host, &port)) return false;
  const size_t extraAt = tail.find_first_of("?#");
  const std::string_view path = tail.substr(0, extraAt);
  if (path.size() > kMaxPath) return false;
  if (extraAt != std::string_view::npos && tail.size() - extraAt > kMaxExtra) return false;
  info->Scheme.assign(url.substr(0, sep));
  info->Host.assign(host);
  info->Path.assign(path);
  info->Port = port;
  return true;
}

namespace {

TUrlFailure::TKind FailureKind(CURLcode result, long osErrno) {
  switch (result) {
    case CURLE_COULDNT_RESOLVE_HOST: return TUrlFailure::NameNotFound;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_ABORTED_BY_CALLBACK: return TUrlFailure::TimedOut;  // the receive time-out
    case CURLE_COULDNT_CONNECT:
      return osErrno == ETIMEDOUT ? TUrlFailure::TimedOut
                                  : osErrno == ECONNREFUSED ? TUrlFailure::Refused : TUrlFailure::Other;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING: return TUrlFailure::CutShort;
    default: return TUrlFailure::Other;
  }
}

}  // namespace

int UrlRequest(std::string_view url, std::string_view body, std::string* out,
               long receiveTimeoutMs, TUrlFailure* failure) {
  TUrlFailure scratch;
  TUrlFailure& why = failure ? *failure : scratch;
  why = TUrlFailure();
  TUrlInfo info;
  if (!SplitUrl(url, &info)) {
    why.Kind = TUrlFailure::BadUrl;
    return 0;
  }
  why.Host = info.Host + ":" + std::to_string(info.Port ? info.Port : 80);
  why.Kind = TUrlFailure::Other;
  std::call_once(curlInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  std::unique_ptr<CURL, TCurlDeleter> curl(curl_easy_init());
  if (!curl) {
    why.Detail = "curl_easy_init";
    return 0;
  }
  CURL* c = curl.get();

  // Plain HTTP to the host whatever the scheme; only the path is the object.
  const int port = info.Port ? info.Port : 80;
  const std::string target = "http://" + info.Host + ":" + std::to_string(port) +
                             (info.Path.empty() ? std::string("/") : info.Path);
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, "Accept:");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  headers = curl_slist_append(headers, "Cache-Control: no-cache");
  if (!body.empty())
    headers = curl_slist_append(headers, "Content-type: application/x-www-form-urlencoded");
  std::unique_ptr<curl_slist, TSlistDeleter> headerList(headers);

  TTransfer transfer{c, out, receiveTimeoutMs, std::chrono::steady_clock::now()};
  curl_easy_setopt(c, CURLOPT_URL, target.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(c, CURLOPT_PATH_AS_IS, 1L);  // no squashing of "/../" or "/./"
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
  curl_easy_setopt(c, CURLOPT_USERAGENT, kAgent);
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headerList.get());
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(c, CURLOPT_BUFFERSIZE, 1024L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, receiveTimeoutMs);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
  if (!body.empty()) {
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
  } else {
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
  }
  const size_t before = out->size();
  const CURLcode result = curl_easy_perform(c);
  long status = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  // A page cut short (fewer bytes than announced, a dropped connection or a
  // time-out part-way) is no page: it fails as a whole, nothing is kept,
  // so that half a page is never decoded as if it were complete.
  if (status == 200 && result != CURLE_OK) {
    out->resize(before);
    why.Kind = TUrlFailure::CutShort;
    why.Detail = curl_easy_strerror(result);
    return 0;
  }
  if (status == 200) {
    why.Kind = TUrlFailure::None;
  } else if (status != 0) {
    why.Kind = TUrlFailure::HttpStatus;
    why.Status = int(status);
  } else {
    long osErrno = 0;
    curl_easy_getinfo(c, CURLINFO_OS_ERRNO, &osErrno);
    why.Kind = FailureKind(result, osErrno);
    why.Detail = curl_easy_strerror(result);
  }
  return int(status);
}

}  // namespace vorpa

#pragma once
// One self-contained HTTP request: opens its own connection, sends, reads
// and closes again, so two threads may request at the same time.
//
// What the server sees: agent "Mozilla/4.0 (compatible; MSIE 6.0; Windows
// NT 5.0)", HTTP/1.0, no cache (a reload), the URL's path without its query
// as the request object; a POST with "Content-type:
// application/x-www-form-urlencoded" when the body is non-empty, a GET
// without that header otherwise. Always plain HTTP to the URL's host,
// whatever the scheme: port 80, or the port written in the URL
// ("https://127.0.0.1:8931/p/s" -> 127.0.0.1 port 8931).
#include <string>
#include <string_view>

namespace vorpa {

struct TUrlInfo {
  std::string Host;
  std::string Path;    // without the query ("extra") part
  std::string Scheme;
  int Port = 0;        // the port written in the URL, 0 when none
};

// Longest URL that can be split.
constexpr size_t kMaxUrlLength = 2055;
// Waiting for data longer than this ends the request with status 0.
constexpr long kReceiveTimeoutMs = 60000;

// Splits "scheme://[user[:pass]@]host[:port][/path][?query|#frag]".
// False for URLs longer than kMaxUrlLength, without "://", with an empty
// host, or with parts longer than the splitter's buffers (scheme 32, host
// 256, user and password 128 each, path 2048, extra 255).
bool SplitUrl(std::string_view url, TUrlInfo* info);

// Why a request brought no page.
struct TUrlFailure {
  enum TKind {
    None,          // a page came (status 200)
    BadUrl,        // the URL cannot be split
    Refused,       // nothing listens on the port
    TimedOut,      // no answer, or no data for the receive time-out
    NameNotFound,  // the host name does not resolve
    HttpStatus,    // the server answered with another status than 200
    CutShort,      // the page broke off part-way
    Other,         // anything else; Detail says what
  };
  TKind Kind = None;
  std::string Host;  // "host:port" the request went to
  int Status = 0;    // the HTTP status for HttpStatus
  std::string Detail;
};

// Sends one request and returns the HTTP status code; 0 when the URL cannot
// be split or no status was obtained (no connection, time-out, any error).
// Only for status 200 the body is appended to *out, read in chunks of up to
// 1024 bytes; a page cut short is no page (0, nothing appended). `failure`,
// when given, says why no page came.
int UrlRequest(std::string_view url, std::string_view body, std::string* out,
               long receiveTimeoutMs = kReceiveTimeoutMs, TUrlFailure* failure = nullptr);

}  // namespace vorpa

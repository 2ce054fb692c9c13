#pragma once
// The log lines of acquisition errors, which say what went wrong and what
// to fix. Each begins with the word of the error ("認証エラー",
// "通信エラー", "保存エラー" or "PAT出力エラー" after the race prefix). CP932.
#include <string>

#include "ipat/URLAccess.h"

namespace vorpa {

// A login refused for the INET ID (CP932).
std::string LoginErrorText(const std::string& inetId);
// A page that did not come: the host and port, and why.
std::string CommErrorText(const TUrlFailure& failure);
// A race file that could not be written: `prefix` is the race's log prefix
// (CP932), `path` the file and `reason` the system's reason (UTF-8).
std::string StoreErrorText(const std::string& prefix, const std::string& path,
                           const std::string& reason);
// A PAT file of the automatic output that could not be written: `prefix`
// the race's log prefix (CP932, "" for the meeting outline), `failure` the
// file and why ("path: reason", UTF-8).
std::string PatOutErrorText(const std::string& prefix, const std::string& failure);

}  // namespace vorpa
